// Command-line texts on Windows come in the ANSI code page, as the program holds its texts.
#include "cli/argument_text.h"

std::string ArgumentText(std::string_view argument) { return std::string(argument); }
