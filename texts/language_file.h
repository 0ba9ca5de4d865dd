// The language file shipped beside the program, made from the text table: every entry with its
// German default, so that a translator finds every section and key in one place.
#pragma once

#include <string>

// The file's bytes: code page 1252, CR LF line ends, "[SECTION]" lines followed by "KEY=text" lines.
// A line break in a text is written as backslash and "n"; a text that begins or ends with a blank or
// a quotation mark is enclosed in double quotation marks, which the profile functions remove again.
std::string LanguageFileText();
