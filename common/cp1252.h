// The program holds its texts in the Windows ANSI code page 1252, as its files, the registry and the
// ANSI Windows functions hold them. This is the one place where they meet UTF-8 (the command-line
// tool's input and output, Linux file names and FreeType).
#pragma once

#include <string>
#include <string_view>

// Every byte becomes its Unicode character; the five bytes that code page 1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same value, as Windows does.
std::string Cp1252ToUtf8(std::string_view text);

// Characters outside code page 1252, and malformed UTF-8, become "?".
std::string Utf8ToCp1252(std::string_view text);

// The Unicode code point of one code page 1252 byte.
char32_t Cp1252CodePoint(unsigned char byte);

// The lower-case letter of a code page 1252 byte ("Ä" 0xC4 becomes "ä" 0xE4); other bytes stay.
unsigned char Cp1252LowerCase(unsigned char byte);

// Whether two code page 1252 texts are equal but for the case of their letters, as Windows compares
// file paths and resource names.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// The order of two code page 1252 texts with their letters folded to lower case: below 0, 0 or above 0.
int CompareIgnoringCase(std::string_view a, std::string_view b);
