// The settings' keys and font defaults, the version comparison of the picture list, and the small
// write operations through which the program stores what it changes.
#include "settings/settings.h"

#include <cctype>
#include <span>

#include "common/bounded_text.h"
#include "settings/settings_values.h"

namespace {

bool IsTrimmedFromProductWord(char c) {
  return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '{' || c == '*' || c == '}';
}

// FHeight, FWeight, FItalic (as 0-255) and FName, the order in which every font is written.
void WriteFont(SettingsStore& store, const std::string& key, const LogFont& font) {
  WriteInt(store, key, kFontHeight, font.height);
  WriteInt(store, key, kFontWeight, font.weight);
  WriteInt(store, key, kFontItalic, font.italic);
  store.WriteText(key, kFontName, font.face_name);
}

void WriteNumbers(SettingsStore& store, const std::string& key, const Settings& settings,
                  std::span<const IntValue> values) {
  for (const IntValue& value : values) WriteInt(store, key, value.name, settings.*value.variable);
}

LogFont FontWithDefaults(std::int32_t height, std::int32_t weight, const char* face_name) {
  LogFont font;
  font.height = height;
  font.weight = weight;
  font.quality = 4;  // antialiased
  CopyText(font.face_name, face_name);
  return font;
}

}  // namespace

SettingsKeys MakeSettingsKeys(const std::string& product_word) {
  std::size_t first = 0;
  std::size_t end = product_word.size();
  while (first < end && IsTrimmedFromProductWord(product_word[first])) ++first;
  while (end > first && IsTrimmedFromProductWord(product_word[end - 1])) --end;
  std::string main = "Software\\Varnholt\\Desktop\\" + product_word.substr(first, end - first);
  return {main, main + "\\Notiz", main + "\\Hotkeys"};
}

LogFont DefaultCalendarFont() { return FontWithDefaults(-64, 600, "Arial"); }

LogFont DefaultNoteFont() {
  LogFont font = FontWithDefaults(-14, 400, "Courier New");
  font.out_precision = 1;        // string precision
  font.clip_precision = 2;       // stroke precision
  font.pitch_and_family = 0x31;  // modern family, fixed pitch
  return font;
}

bool PictureListVersionIsOld(const std::string& version) {
  if (version.size() < 3) return true;
  const std::string current = kProgramVersion;
  for (std::size_t i = 0; i < version.size() && i < current.size(); ++i) {
    int stored = std::tolower(static_cast<unsigned char>(version[i]));
    int wanted = std::tolower(static_cast<unsigned char>(current[i]));
    if (stored != wanted) return stored < wanted;
  }
  return version.size() < current.size();
}

void SaveSettings(const Settings& settings, SettingsStore& store) {
  const std::string& key = settings.keys.main;
  WriteNumbers(store, key, settings, kSavedNumbers);
  store.WriteDword(key, kIconColourValue, settings.IconColor);
  WriteFont(store, key, settings.calendar_font);
  store.WriteText(key, kAlarmFileValue, settings.AlarmFile);
  store.WriteText(key, kNotePathValue, settings.NotePath);
  store.WriteText(key, kLanguageValue, settings.Sprache);
}

void SaveMoonSetting(const Settings& settings, SettingsStore& store) {
  WriteNumbers(store, settings.keys.main, settings, std::span(kSavedNumbers).subspan(kMoonDisplay, 1));
}

void SaveMonthWindowGeometry(const Settings& settings, SettingsStore& store) {
  WriteNumbers(store, settings.keys.main, settings,
               std::span(kSavedNumbers).subspan(kMonthWindowFirst, kMonthWindowCount));
}

void SaveCalendarFont(const Settings& settings, SettingsStore& store) {
  WriteFont(store, settings.keys.main, settings.calendar_font);
}

void SaveChangeState(const Settings& settings, SettingsStore& store) {
  WriteNumbers(store, settings.keys.main, settings, kChangeTime);
  store.WriteText(settings.keys.main, kOldPicValue, settings.OldPic);
  store.WriteText(settings.keys.main, kOldPicsValue, settings.OldPics);
}

void WriteVersionMark(Settings& settings, SettingsStore& store) {
  settings.Version = kProgramVersion;
  settings.dbver = kPictureListFormat;
  store.WriteDword(settings.keys.main, kListFormatValue, settings.dbver);
  store.WriteText(settings.keys.main, kListVersionValue, settings.Version);
}

void SaveNoteFont(const Settings& settings, SettingsStore& store) {
  WriteFont(store, settings.keys.notiz, settings.note_font);
}

void SetAutostart(bool on, const std::string& program_file_path, SettingsStore& store) {
  if (on) {
    // Quoted: Windows cuts an unquoted command at its first blank and would start "C:\Program.exe"
    // for a program in "C:\Program Files\...", whoever put that there.
    store.WriteText(kRunKey, kAutostartValueName, "\"" + program_file_path + "\"");
  } else {
    store.DeleteValue(kRunKey, kAutostartValueName);
  }
}
