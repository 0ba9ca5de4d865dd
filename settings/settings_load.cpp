// The settings load: defaults first, then the store, the regional settings, the built-in picture
// index, the data folder, the autostart value and the folders that fall back to the program's own
// folder or the data folder. Also the two small loads of the sound settings and the note font.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <span>

#include "common/bounded_text.h"
#include "common/byte_order.h"
#include "common/file_system.h"
#include "settings/settings.h"
#include "settings/settings_values.h"

namespace {

constexpr std::size_t kVersionCapacity = 16;
constexpr std::size_t kDateSeparatorCapacity = 8;
constexpr std::size_t kBuiltinIndexBytes = 512;
// The profile's separator is read into a buffer with room for one character.
constexpr std::size_t kProfileSeparatorCapacity = 2;

// A number in a text as the C library's atoi reads it (leading blanks, a sign, digits), kept within
// the range of int instead of overflowing.
int AtoiValue(const std::string& text) {
  long long value = std::strtoll(text.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// The defaults of every value the load sets. Kept values (the appointment and calculator window
// positions, Feiertage, Snooze) and the note font stay as they are.
void ApplyDefaults(Settings& settings) {
  Settings defaults;
  defaults.xTerminPos = settings.xTerminPos;
  defaults.yTerminPos = settings.yTerminPos;
  defaults.xRechnerPos = settings.xRechnerPos;
  defaults.yRechnerPos = settings.yRechnerPos;
  defaults.Feiertage = settings.Feiertage;
  defaults.Snooze = settings.Snooze;
  defaults.note_font = settings.note_font;
  settings = defaults;
}

void ReadNumbers(Settings& settings, SettingsStore& store, const std::string& key, std::span<const IntValue> values) {
  for (const IntValue& value : values) ReadIntInto(settings.*value.variable, store, key, value.name);
}

// FItalic is stored as a 4-byte value of which the lowest byte is the flag.
void ReadItalicInto(std::uint8_t& italic, SettingsStore& store, const std::string& key) {
  if (std::optional<int> value = ReadInt(store, key, kFontItalic)) {
    italic = static_cast<std::uint8_t>(*value & 0xFF);
  }
}

void ReadCalendarFont(LogFont& font, SettingsStore& store, const std::string& key) {
  if (std::optional<std::string> name = store.ReadText(key, kFontName, kStoredTextBuffer)) {
    CopyText(font.face_name, *name);
  }
  std::optional<int> height = ReadInt(store, key, kFontHeight);
  if (height && *height >= -998 && *height <= -8) font.height = *height;
  std::optional<int> weight = ReadInt(store, key, kFontWeight);
  if (weight && *weight >= 1 && *weight <= 998) font.weight = *weight;
  ReadItalicInto(font.italic, store, key);
}

void ReadMainKey(Settings& settings, SettingsStore& store) {
  const std::string& key = settings.keys.main;
  ReadTextInto(settings.help_folder, kPathCapacity, store, key, kInstallationFolderValue);
  ReadTextInto(settings.picture_default_folder, kPathCapacity, store, key, kInstallationFolderValue);
  ReadTextInto(settings.text_folder, kPathCapacity, store, key, kInstallationFolderValue);
  if (std::optional<std::uint32_t> dbver = store.ReadDword(key, kListFormatValue)) settings.dbver = *dbver;
  ReadTextInto(settings.Version, kVersionCapacity, store, key, kListVersionValue);
  // Every number that SaveSettings writes back, the sound device and volume among them: a value the
  // load left out would be overwritten with its default at the next save.
  ReadNumbers(settings, store, key, kSavedNumbers);
  if (settings.HGwechsel < 0 || settings.HGwechsel > 2) settings.HGwechsel = 2;
  if (settings.KalenderMonitore != 0) settings.KalenderMonitore = 1;
  if (settings.BildProMonitor != 1) settings.BildProMonitor = 0;
  ReadNumbers(settings, store, key, kChangeTime);
  ReadTextInto(settings.OldPic, kPathCapacity, store, key, kOldPicValue);
  if (std::optional<std::string> pictures = store.ReadText(key, kOldPicsValue, kOldPicsCapacity)) {
    settings.OldPics = *pictures;
  }
  if (std::optional<std::uint32_t> colour = store.ReadDword(key, kIconColourValue)) settings.IconColor = *colour;
  ReadCalendarFont(settings.calendar_font, store, key);
  ReadTextInto(settings.AlarmFile, kPathCapacity, store, key, kAlarmFileValue);
  // The note folder is used with a trailing backslash. One is added only when the stored path lacks
  // it: SaveSettings writes the path back as held, so an unconditional append would let it grow by
  // one backslash at every load until it no longer fits and the notes' folder is lost.
  if (std::optional<std::string> note_path = store.ReadText(key, kNotePathValue, kStoredTextBuffer)) {
    if (note_path->empty() || note_path->back() != '\\') *note_path += '\\';
    settings.NotePath = Bounded(*note_path, kPathCapacity);
  }
  ReadTextInto(settings.Sprache, kLanguageCapacity, store, key, kLanguageValue);
}

void ReadRegionalSettings(RegionalSettings& regional, SettingsPlatform& platform) {
  regional = RegionalSettings{};
  SettingsStore& store = platform.Store();
  if (store.KeyExists(kInternationalKey)) {
    ReadTextInto(regional.date_separator, kDateSeparatorCapacity, store, kInternationalKey, "sDate");
    if (std::optional<std::string> text = store.ReadText(kInternationalKey, "iDate", kStoredTextBuffer)) {
      regional.date_order = AtoiValue(*text);
    }
    if (std::optional<std::string> text =
            store.ReadText(kInternationalKey, "iFirstDayOfWeek", kStoredTextBuffer)) {
      regional.first_day_of_week = AtoiValue(*text);
    }
  }
  if (regional.date_separator.empty()) {
    regional.date_order = platform.ProfileInt("intl", "iDate", 1);
    regional.date_separator = platform.ProfileString("intl", "sDate", ".", kProfileSeparatorCapacity);
  }
}

void TakeBuiltinPictureIndex(Settings& settings, const std::optional<std::vector<std::uint8_t>>& resource) {
  if (!resource || resource->size() != kBuiltinIndexBytes) return;
  for (std::size_t i = 0; i < settings.builtin_picture_index.size(); ++i) {
    settings.builtin_picture_index[i] = ReadU32LE(resource->data() + 4 * i);
  }
  settings.BuiltinPictureCount =
      static_cast<int>(std::min<std::uint32_t>(settings.builtin_picture_index[0], INT_MAX));
}

// application data\Varnholt\Kalvedra\Quellmoor, each level created when missing. Empty when the
// application data folder cannot be had.
std::string MakeDataFolder(const std::string& application_data) {
  if (application_data.empty()) return {};
  std::string folder = application_data;
  for (const char* level : {"Varnholt", "Kalvedra", "Quellmoor"}) {
    folder = JoinPath(folder, level);
    MakeFolder(folder);
  }
  return Bounded(folder, kPathCapacity);
}

// The folder of a file path, with its trailing separator (so that a root folder stays one).
std::string FolderOf(const std::string& file_path) {
  std::size_t cut = file_path.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : file_path.substr(0, cut + 1);
}

}  // namespace

void LoadSettings(Settings& settings, SettingsPlatform& platform) {
  SettingsStore& store = platform.Store();
  settings.builtin_picture_index.fill(0);
  settings.BuiltinPictureCount = 0;
  std::optional<std::vector<std::uint8_t>> index_resource = platform.BuiltinPictureIndexResource();

  ApplyDefaults(settings);  // also forms the keys from the product word
  if (store.KeyExists(settings.keys.main)) ReadMainKey(settings, store);
  ReadRegionalSettings(settings.regional, platform);
  TakeBuiltinPictureIndex(settings, index_resource);

  settings.data_folder = MakeDataFolder(platform.ApplicationDataFolder());
  if (settings.AutoStart == 1) SetAutostart(true, platform.ProgramFilePath(), store);

  if (settings.text_folder.size() < 3) {
    settings.text_folder = Bounded(FolderOf(platform.ProgramFilePath()), kPathCapacity);
  }
  // Without a stored installation folder the help file is looked for beside the program file, where
  // the build puts it; the stored value is not changed.
  if (settings.help_folder.empty()) {
    settings.help_folder = Bounded(FolderOf(platform.ProgramFilePath()), kPathCapacity);
  }
  if (settings.NotePath.size() < 3) settings.NotePath = settings.data_folder;
  if (settings.AlarmFile.size() < 3) {
    settings.AlarmFile = Bounded(JoinPath(settings.data_folder, "alarm.dtk"), kPathCapacity);
  }
}

void LoadSoundSettings(Settings& settings, SettingsStore& store) {
  const Settings defaults;
  settings.SndDevice = defaults.SndDevice;
  settings.SndVolume = defaults.SndVolume;
  ReadNumbers(settings, store, settings.keys.main, std::span(kSavedNumbers).subspan(kSoundFirst, kSoundCount));
}

void LoadNoteFont(Settings& settings, SettingsStore& store) {
  const std::string& key = settings.keys.notiz;
  LogFont& font = settings.note_font;
  font = DefaultNoteFont();
  // A face name of one character or none is no name: the default face stays.
  std::optional<std::string> name = store.ReadText(key, kFontName, kStoredTextBuffer);
  if (name && name->size() > 1) CopyText(font.face_name, *name);
  ReadIntInto(font.height, store, key, kFontHeight);
  ReadIntInto(font.weight, store, key, kFontWeight);
  ReadItalicInto(font.italic, store, key);
}
