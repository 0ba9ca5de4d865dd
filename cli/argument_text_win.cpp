// Command-line texts on Windows come in the ANSI code page, as the program holds its texts.
#include "cli/argument_text.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

std::string ArgumentText(std::string_view argument) { return std::string(argument); }

void UseUnchangedStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }
