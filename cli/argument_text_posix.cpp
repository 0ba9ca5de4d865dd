// Command-line texts on Linux are UTF-8.
#include "cli/argument_text.h"

#include <filesystem>
#include <system_error>

#include "common/cp1252.h"

std::string ArgumentText(std::string_view argument) { return Utf8ToCp1252(argument); }

std::string AbsolutePathText(std::string_view argument) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(std::string(argument), error);
  return ArgumentText(error ? std::string(argument) : absolute.string());
}

void UseUnchangedStandardOutput() {}
