// Text lookup: the language file's value or the German default.
#include "texts/text_table.h"

#include <array>
#include <cstring>
#include <optional>

#include "common/file_system.h"
#include "texts/private_profile.h"

namespace {

constexpr TextEntry kEntries[] = {
#define QUELLMOOR_TEXT(section, key, default_text) texts::section##_##key,
#include "texts/text_table.inc"
#undef QUELLMOOR_TEXT
};

// Longer values are cut by the profile reader to 3999 characters.
constexpr std::size_t kTextCapacity = 4000;

// A language file writes a line break as backslash and "n"; the two characters become CR LF, so the
// length of the text does not change.
std::string ExpandLineBreaks(std::string text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '\\' && text[i + 1] == 'n') {
      text[i] = '\r';
      text[++i] = '\n';
    }
  }
  return text;
}

// The conversions of a printf format in order, each as its length modifiers and conversion
// character ("d", "ld", "s"); "%%" is no conversion. A "*" width or precision makes the format
// unusable (it would read an argument of its own), reported as nothing.
std::optional<std::string> FormatConversions(const char* format) {
  std::string conversions;
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p == '%') continue;
    while (*p != '\0' && std::strchr("-+ #0123456789.", *p) != nullptr) ++p;
    if (*p == '*') return std::nullopt;
    while (*p != '\0' && std::strchr("hlLqjzt", *p) != nullptr) conversions += *p++;
    if (*p == '\0') return std::nullopt;
    conversions += *p;
    conversions += ';';
  }
  return conversions;
}

}  // namespace

std::span<const TextEntry> AllTextEntries() { return kEntries; }

const Language& LanguageOf(const std::string& code) {
  for (const Language& language : kLanguages) {
    if (code == language.code) return language;
  }
  return kLanguages[0];
}

void TextTable::UseLanguage(const std::string& folder, const Language& language) {
  language_ = &language;
  language_file_path_ = folder.empty() ? std::string() : JoinPath(folder, language.file_name);
}

std::string TextTable::LookupText(const TextEntry& entry) const {
  std::array<char, kTextCapacity> value;
  if (language_file_path_.empty() ||
      !ReadProfileValue(language_file_path_, entry.section, entry.key, value.data(), value.size())) {
    return ExpandLineBreaks(entry.default_text);
  }
  return ExpandLineBreaks(value.data());
}

std::string TextTable::LookupFormat(const TextEntry& entry) const {
  std::string text = LookupText(entry);
  if (FormatConversions(text.c_str()) == FormatConversions(entry.default_text)) return text;
  return ExpandLineBreaks(entry.default_text);
}
