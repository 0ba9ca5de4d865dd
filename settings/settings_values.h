// How the settings meet the store: the buffer sizes of the stored texts and the variables that hold
// them, DWORDs as signed numbers, and the window positions that the load reads and SaveSettings
// writes in the same order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings.h"

// Stored texts are read into a buffer of this size: a longer text is ignored and its variable keeps
// its default.
inline constexpr std::size_t kStoredTextBuffer = 256;
// The capacity of the path variables (Path, OldPic, AlarmFile, NotePath, data folder).
inline constexpr std::size_t kPathCapacity = 260;

inline constexpr char kFontName[] = "FName";
inline constexpr char kFontHeight[] = "FHeight";
inline constexpr char kFontWeight[] = "FWeight";
inline constexpr char kFontItalic[] = "FItalic";

struct IntValue {
  const char* name;
  int Settings::*variable;
};

// x, y, the month window, the appointment window, the note window and the calculator window.
inline constexpr IntValue kWindowPositions[] = {
    {"x", &Settings::x},
    {"y", &Settings::y},
    {"xMonatPos", &Settings::xMonatPos},
    {"yMonatPos", &Settings::yMonatPos},
    {"wMonatPos", &Settings::wMonatPos},
    {"hMonatPos", &Settings::hMonatPos},
    {"xTerminPos", &Settings::xTerminPos},
    {"yTerminPos", &Settings::yTerminPos},
    {"xNotizPos", &Settings::xNotizPos},
    {"yNotizPos", &Settings::yNotizPos},
    {"wNotizPos", &Settings::wNotizPos},
    {"hNotizPos", &Settings::hNotizPos},
    {"xRechnerPos", &Settings::xRechnerPos},
    {"yRechnerPos", &Settings::yRechnerPos},
};
// The month window's four values within kWindowPositions.
inline constexpr std::size_t kMonthWindowFirst = 2;
inline constexpr std::size_t kMonthWindowCount = 4;

// A DWORD value as the signed number it holds (−1 is stored as 0xFFFFFFFF).
inline std::optional<int> ReadInt(SettingsStore& store, const std::string& key, const char* name) {
  std::optional<std::uint32_t> value = store.ReadDword(key, name);
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

// Reads a DWORD into variable; a missing value leaves it as it was.
inline void ReadIntInto(int& variable, SettingsStore& store, const std::string& key, const char* name) {
  if (std::optional<int> value = ReadInt(store, key, name)) variable = *value;
}

inline void WriteInt(SettingsStore& store, const std::string& key, const char* name, int value) {
  store.WriteDword(key, name, static_cast<std::uint32_t>(value));
}

// The text cut to a variable of capacity characters (with its terminating zero).
inline std::string Bounded(std::string text, std::size_t capacity) {
  if (text.size() >= capacity) text.resize(capacity - 1);
  return text;
}

// Reads a stored text into variable (capacity characters); a missing or too long text leaves it as
// it was.
inline void ReadTextInto(std::string& variable, std::size_t capacity, SettingsStore& store,
                         const std::string& key, const char* name) {
  if (std::optional<std::string> text = store.ReadText(key, name, kStoredTextBuffer)) {
    variable = Bounded(*text, capacity);
  }
}
