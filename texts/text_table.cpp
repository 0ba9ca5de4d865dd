// Text lookup: the language file's value or the German default, in the one shared text buffer.
#include "texts/text_table.h"

#include <array>
#include <cstring>
#include <optional>

#include "common/bounded_text.h"
#include "common/file_system.h"
#include "texts/private_profile.h"

namespace {

constexpr TextEntry kEntries[] = {
#define QUELLMOOR_TEXT(section, key, default_text) texts::section##_##key,
#include "texts/text_table.inc"
#undef QUELLMOOR_TEXT
};

// Longer values are cut by the profile reader to 3999 characters.
constexpr std::size_t kTextBufferSize = 4000;
std::array<char, kTextBufferSize> g_text_buffer;
std::string g_language_file_path;

// A language file writes a line break as backslash and "n"; the two characters become CR LF, so the
// length of the text does not change.
void ExpandLineBreaks(char* text) {
  for (char* p = text; p[0] != '\0' && p[1] != '\0'; ++p) {
    if (p[0] == '\\' && p[1] == 'n') {
      p[0] = '\r';
      p[1] = '\n';
      ++p;
    }
  }
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

void SetTextFolder(const std::string& folder, const Language& language) {
  g_language_file_path = folder.empty() ? std::string() : JoinPath(folder, language.file_name);
}

const char* LookupText(const TextEntry& entry) {
  char* text = g_text_buffer.data();
  if (g_language_file_path.empty() ||
      !ReadProfileValue(g_language_file_path, entry.section, entry.key, text, g_text_buffer.size())) {
    CopyText(text, g_text_buffer.size(), entry.default_text);
  }
  ExpandLineBreaks(text);
  return text;
}

const char* LookupFormat(const TextEntry& entry) {
  const char* text = LookupText(entry);
  if (FormatConversions(text) == FormatConversions(entry.default_text)) return text;
  CopyText(g_text_buffer.data(), g_text_buffer.size(), entry.default_text);
  ExpandLineBreaks(g_text_buffer.data());
  return g_text_buffer.data();
}
