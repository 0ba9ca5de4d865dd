// The options pages' path rules.
#include "options/option_paths.h"

std::string TrimmedAlarmFilePath(std::string_view typed) {
  const std::size_t first = typed.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = typed.find_last_not_of(" \\");
  if (last == std::string_view::npos || last < first) return {};
  return std::string(typed.substr(first, last - first + 1));
}

std::string FolderWithTrailingBackslash(std::string_view folder, std::size_t capacity) {
  std::string result(folder);
  if ((result.empty() || result.back() != '\\') && result.size() + 2 <= capacity) result += '\\';
  return result;
}
