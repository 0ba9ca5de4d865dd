// Writes the text table as the language file.
#include "texts/language_file.h"

#include <cstring>

#include "texts/text_table.h"

namespace {

// The profile functions drop blanks around a value and one pair of enclosing quotation marks; a
// text that would lose something that way is quoted.
bool NeedsQuotes(const std::string& text) {
  if (text.empty()) return false;
  auto at_edge = [](char c) { return c == ' ' || c == '\t' || c == '"' || c == '\''; };
  return at_edge(text.front()) || at_edge(text.back());
}

std::string FileValue(const char* text) {
  std::string value;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == '\n') {
      value += "\\n";
    } else {
      value += *p;
    }
  }
  return NeedsQuotes(value) ? '"' + value + '"' : value;
}

}  // namespace

std::string LanguageFileText() {
  std::string file =
      "; Quellmoor language file. \\n in a text is a line break; a text with blanks at either end is\r\n"
      "; enclosed in double quotation marks.\r\n";
  const char* section = "";
  for (const TextEntry& entry : AllTextEntries()) {
    if (std::strcmp(entry.section, section) != 0) {
      section = entry.section;
      file += std::string("\r\n[") + section + "]\r\n";
    }
    file += std::string(entry.key) + "=" + FileValue(entry.default_text) + "\r\n";
  }
  return file;
}
