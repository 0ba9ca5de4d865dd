// Command-line texts on Windows come in the ANSI code page, as the program holds its texts.
#include "cli/argument_text.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

std::string ArgumentText(std::string_view argument) { return std::string(argument); }

std::string AbsolutePathText(std::string_view argument) {
  const std::string given(argument);
  const DWORD needed = GetFullPathNameA(given.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return given;
  std::string full(needed, '\0');
  const DWORD length = GetFullPathNameA(given.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return given;
  full.resize(length);
  return full;
}

void UseUnchangedStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }
