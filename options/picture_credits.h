// The built-in pictures' credits as the General page shows them, taken from the notices file that
// ships with the program, so that the page and the file cannot disagree.
#pragma once

#include <string>
#include <string_view>

// One line per built-in picture of the notices (UTF-8): its resource name, title, author (or
// copyright holder, when no author is named) and licence, with the notes in parentheses left out.
// Lines end with carriage return and line feed; the result is in code page 1252. Empty when the
// notices name no picture.
std::string PictureCredits(std::string_view notices);
