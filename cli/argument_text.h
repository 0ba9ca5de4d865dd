// The command line and the console on each platform: texts from the command line (paths, font
// faces) in code page 1252, as the program holds them, and standard output in lines that end in a
// bare line feed.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

// Linux passes UTF-8 (characters outside code page 1252 become "?"); Windows passes the ANSI code
// page, which the program's texts already are.
std::string ArgumentText(std::string_view argument);

// A path from the command line as ArgumentText gives it, made absolute against the current folder;
// as given when that fails.
std::string AbsolutePathText(std::string_view argument);

// A text the program holds (code page 1252) as the tool's messages show it: in double quotes, in UTF-8.
struct QuotedText {
  std::string_view cp1252_text;
};
std::ostream& operator<<(std::ostream& out, const QuotedText& quoted);

// Makes standard output write its bytes unchanged: the JSON lines end in a line feed alone on
// Windows too, where a text-mode stream would turn it into carriage return and line feed.
void UseUnchangedStandardOutput();
