// INI values read the way the Windows profile functions read them, for the platforms that have none.
#include <string_view>

#include "common/bounded_text.h"
#include "common/file_system.h"
#include "texts/private_profile.h"

namespace {

// Larger files are no language files; refusing them keeps a wrong path from filling the memory.
constexpr std::size_t kProfileSizeLimit = 16u << 20;

bool IsProfileBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
  return text;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// A value enclosed in a pair of the same quotation marks (double or single) loses them; this is how
// a language file keeps blanks at either end of a text.
std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

bool ReadProfileValue(const std::string& path, const char* section, const char* key, char* buffer,
                      std::size_t capacity) {
  std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path, kProfileSizeLimit);
  if (!bytes) return false;
  std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  bool in_section = false;
  std::size_t position = 0;
  while (position < text.size()) {
    std::size_t end = text.find('\n', position);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = Trimmed(text.substr(position, end - position));
    position = end + 1;
    if (!line.empty() && line.front() == '[') {
      // Only the first section of a name is searched.
      if (in_section) return false;
      std::size_t close = line.find(']');
      in_section =
          SameName(Trimmed(line.substr(1, close == std::string_view::npos ? close : close - 1)), section);
      continue;
    }
    if (!in_section) continue;
    std::size_t equals = line.find('=');
    if (!SameName(Trimmed(line.substr(0, equals)), key)) continue;
    // A line that names the key without "=" gives the key no value: the default applies.
    if (equals == std::string_view::npos) return false;
    CopyText(buffer, capacity, Unquoted(Trimmed(line.substr(equals + 1))));
    return true;
  }
  return false;
}
