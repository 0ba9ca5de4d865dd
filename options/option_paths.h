// The path rules of the options pages: how a typed appointments file is cleaned before it is stored,
// and how a chosen note folder is written so that note names can be appended to it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A field shorter than this holds no path (the settings load, too, puts its default in place of one);
// the pages then keep the path they had.
inline constexpr std::size_t kShortestPath = 3;

// The appointments file as typed, without blanks at either end and without backslashes at its end.
// Backslashes at its beginning stay: they begin a network path (\\server\share\...) or the root of
// the current drive.
std::string TrimmedAlarmFilePath(std::string_view typed);

// The folder with one trailing backslash, appended only when it is missing and the result still fits
// a buffer of capacity characters with its terminating zero.
std::string FolderWithTrailingBackslash(std::string_view folder, std::size_t capacity);
