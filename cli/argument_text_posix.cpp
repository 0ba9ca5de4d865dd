// Command-line texts on Linux are UTF-8.
#include "cli/argument_text.h"

#include "common/cp1252.h"

std::string ArgumentText(std::string_view argument) { return Utf8ToCp1252(argument); }

void UseUnchangedStandardOutput() {}
