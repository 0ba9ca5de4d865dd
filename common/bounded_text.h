// Fixed-capacity text buffers, as the program's files, registry values and window texts use them:
// copying, appending and formatting always truncate at the buffer's capacity and always leave the
// text zero-terminated, without reporting an error.
#pragma once

#include <cstddef>
#include <string_view>

// Copies source into dest (capacity bytes including the terminating zero).
void CopyText(char* dest, std::size_t capacity, std::string_view source);

// Appends source to the zero-terminated text in dest.
void AppendText(char* dest, std::size_t capacity, std::string_view source);

// printf-style formatting into dest.
void FormatText(char* dest, std::size_t capacity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// The same operations for arrays, whose capacity the compiler knows.
template <std::size_t N>
void CopyText(char (&dest)[N], std::string_view source) { CopyText(dest, N, source); }
template <std::size_t N>
void AppendText(char (&dest)[N], std::string_view source) { AppendText(dest, N, source); }
