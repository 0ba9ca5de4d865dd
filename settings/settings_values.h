// How the settings meet the store: the names of the stored values, the tables of numbers through
// which the load and the write operations go alike, the buffer sizes of the stored texts and the
// variables that hold them, and DWORDs as signed numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings.h"

// Stored texts are read into a buffer of this size: a longer text is ignored and its variable keeps
// its default.
inline constexpr std::size_t kStoredTextBuffer = 256;
// The capacity of the path variables (Path, OldPic, AlarmFile, NotePath, data folder).
inline constexpr std::size_t kPathCapacity = 260;

// The values that are not in the tables of numbers below. A font's values have the same names in
// the main key (the calendar font) and in the Notiz key (the note font).
inline constexpr char kFontName[] = "FName";
inline constexpr char kFontHeight[] = "FHeight";
inline constexpr char kFontWeight[] = "FWeight";
inline constexpr char kFontItalic[] = "FItalic";
inline constexpr char kInstallationFolderValue[] = "Path";
inline constexpr char kListFormatValue[] = "dbver";
inline constexpr char kListVersionValue[] = "Version";
inline constexpr char kIconColourValue[] = "IconColor";
inline constexpr char kOldPicValue[] = "OldPic";
inline constexpr char kOldPicsValue[] = "OldPics";
// The capacity of OldPics: a path for each of 16 monitors.
inline constexpr std::size_t kOldPicsCapacity = 16 * 261;
inline constexpr char kAlarmFileValue[] = "AlarmFile";
inline constexpr char kNotePathValue[] = "NotePath";
inline constexpr char kLanguageValue[] = "Sprache";
// The capacity of the language code's variable; a longer stored text is cut and is then no known code.
inline constexpr std::size_t kLanguageCapacity = 16;

struct IntValue {
  const char* name;
  int Settings::*variable;
};

// The numbers of the main key that the load reads and SaveSettings writes, in the order written. A
// missing value leaves its variable as it was (its default, or what a "kept" value held).
inline constexpr IntValue kSavedNumbers[] = {
    // The main window, the month window, the appointment window, the note window and the
    // calculator window.
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
    {"HGwechsel", &Settings::HGwechsel},
    {"AutoExit", &Settings::AutoExit},
    {"AutoStart", &Settings::AutoStart},
    {"Mondphasen", &Settings::Mondphasen},
    {"Feiertage", &Settings::Feiertage},
    {"SndDevice", &Settings::SndDevice},
    {"SndVolume", &Settings::SndVolume},
    {"NoteTop", &Settings::NoteTop},
    {"Snooze", &Settings::Snooze},
    {"AutoDelete", &Settings::AutoDelete},
    {"KalenderMonitore", &Settings::KalenderMonitore},
    {"BildProMonitor", &Settings::BildProMonitor},
};
// The month window's four values within kSavedNumbers.
inline constexpr std::size_t kMonthWindowFirst = 2;
inline constexpr std::size_t kMonthWindowCount = 4;
// The moon display within kSavedNumbers.
inline constexpr std::size_t kMoonDisplay = 17;
// The sound device and volume within kSavedNumbers.
inline constexpr std::size_t kSoundFirst = 19;
inline constexpr std::size_t kSoundCount = 2;
static_assert(std::string_view(kSavedNumbers[kMonthWindowFirst].name) == "xMonatPos" &&
              std::string_view(kSavedNumbers[kMoonDisplay].name) == "Mondphasen" &&
              std::string_view(kSavedNumbers[kSoundFirst].name) == "SndDevice");

// The hour, day and month of the last picture change: read by the load, written with OldPic by
// SaveChangeState.
inline constexpr IntValue kChangeTime[] = {
    {"OldHour", &Settings::OldHour},
    {"OldDay", &Settings::OldDay},
    {"OldMonth", &Settings::OldMonth},
};

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
