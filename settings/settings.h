// The program's settings: every value with its default and range rule, the load that fills them
// (defaults, registry, regional settings, data folder, autostart) and the small write operations
// through which the rest of the program stores what it changes. Every write goes to the store at
// once; there is no cache and no settings file.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "imaging/font.h"
#include "imaging/image.h"
#include "settings/settings_store.h"

// The program version that prepares the picture list, and the list's current format version.
inline constexpr char kProgramVersion[] = "2.6.3";
inline constexpr std::uint32_t kPictureListFormat = 4;

// Registry keys, below HKEY_CURRENT_USER.
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kAutostartValueName[] = "Varnholt Kalvedra";
inline constexpr char kInternationalKey[] = "Control Panel\\International";

struct SettingsKeys {
  std::string main;     // Software\Varnholt\Desktop\Quellmoor
  std::string notiz;    // ...\Notiz: the note font
  std::string hotkeys;  // ...\Hotkeys
};

// The keys made from the product word, trimmed of blanks, CR, LF, tabs, "{", "*" and "}" at both ends.
SettingsKeys MakeSettingsKeys(const std::string& product_word);

// The defaults of the two font records.
LogFont DefaultCalendarFont();
LogFont DefaultNoteFont();

// The user's regional settings (read only).
struct RegionalSettings {
  int date_order = 1;          // iDate: 0 month-day-year, 1 day-month-year, 2 year-month-day
  std::string date_separator;  // sDate, at most 7 characters
  int first_day_of_week = 0;   // iFirstDayOfWeek: 0 = Monday ... 6 = Sunday
};

struct Settings {
  SettingsKeys keys = MakeSettingsKeys("Quellmoor");

  // Installation folder (value Path), read into three variables of 260 characters.
  std::string help_folder;             // Path as stored, or the program's folder when missing
  std::string picture_default_folder;  // Path as stored: holds the picture list template bilder.def
  std::string text_folder;             // Path, or the program's folder when shorter than 3 characters

  std::uint32_t dbver = 0;
  std::string Version;  // at most 15 characters

  int AutoExit = 0;
  int AutoStart = 1;
  int Mondphasen = 0;
  int x = 0, y = 0;
  int xMonatPos = 10, yMonatPos = 10, wMonatPos = 550, hMonatPos = 630;
  int xTerminPos = 0, yTerminPos = 0;  // kept: read and written back unchanged
  int xNotizPos = 20, yNotizPos = 20, wNotizPos = 450, hNotizPos = 300;
  int xRechnerPos = 0, yRechnerPos = 0;  // kept
  int NoteTop = 1;
  int HGwechsel = 2;  // picture change policy: 0 program start, 1 every hour, 2 once a day
  int OldHour = -1, OldDay = -1, OldMonth = -1;
  std::string OldPic;  // 260 characters: the picture on the primary monitor
  // The pictures of every monitor in monitor order (the primary first), separated by "|", which no
  // Windows path holds. Missing or shorter than the monitors: the others are chosen anew or show OldPic.
  std::string OldPics;
  int KalenderMonitore = 1;  // the month is drawn on 0: the primary monitor only, 1: every monitor
  int BildProMonitor = 0;    // 0: one picture on every monitor, 1: a picture of its own on each
  int Feiertage = 0;   // kept: holiday region
  Colorref IconColor = 0x00FFFFFF;
  LogFont calendar_font = DefaultCalendarFont();  // FName, FHeight, FWeight, FItalic
  int Snooze = 0;         // kept
  int AutoDelete = 0;     // 1: switched-off appointments whose date has passed are dropped at load
  std::string AlarmFile;  // 260 characters
  std::string NotePath;   // 260 characters, with a trailing backslash when read from the store
  // Read by the load like every value SaveSettings writes, and again by LoadSoundSettings.
  int SndDevice = -1;  // -1: the system's default device
  int SndVolume = 100;
  LogFont note_font = DefaultNoteFont();  // the Notiz key; set and read by LoadNoteFont
  // The language of the texts, as its code ("de", "en"); a missing or unknown code means German.
  std::string Sprache = "de";

  RegionalSettings regional;

  // The built-in picture index (resource KALENDER/C00X): 128 little-endian words, the first one the
  // number of built-in pictures.
  std::array<std::uint32_t, 128> builtin_picture_index{};
  int BuiltinPictureCount = 0;

  // The data folder: application data\Varnholt\Kalvedra\Quellmoor.
  std::string data_folder;
};

// What the load needs from the platform besides the store.
class SettingsPlatform {
 public:
  virtual ~SettingsPlatform() = default;
  virtual SettingsStore& Store() = 0;
  // The resource KALENDER/C00X as stored in the program, or nothing.
  virtual std::optional<std::vector<std::uint8_t>> BuiltinPictureIndexResource() = 0;
  // The user's application data folder (created when missing), or empty when it cannot be had.
  virtual std::string ApplicationDataFolder() = 0;
  // The full path of the program file.
  virtual std::string ProgramFilePath() = 0;
  // The "intl" section of the user's profile, for the date order and separator.
  virtual int ProfileInt(const std::string& section, const std::string& key, int fallback) = 0;
  virtual std::string ProfileString(const std::string& section, const std::string& key,
                                    const std::string& fallback, std::size_t capacity) = 0;
};

// The load: defaults first, then the store, the regional settings, the built-in picture index, the
// data folder, the autostart value. Values marked "kept" keep what they held. The start-up makes sure
// of the picture list in the data folder right after the first load (EnsurePictureList).
void LoadSettings(Settings& settings, SettingsPlatform& platform);

// Write operations; each creates or opens its key and does nothing when that fails.
void SaveSettings(const Settings& settings, SettingsStore& store);
void SaveMoonSetting(const Settings& settings, SettingsStore& store);
void SaveMonthWindowGeometry(const Settings& settings, SettingsStore& store);
void SaveCalendarFont(const Settings& settings, SettingsStore& store);
void SaveChangeState(const Settings& settings, SettingsStore& store);
void WriteVersionMark(Settings& settings, SettingsStore& store);
void LoadSoundSettings(Settings& settings, SettingsStore& store);
void LoadNoteFont(Settings& settings, SettingsStore& store);
void SaveNoteFont(const Settings& settings, SettingsStore& store);
// On: writes the autostart value with the program file's full path in double quotes; off: deletes it.
void SetAutostart(bool on, const std::string& program_file_path, SettingsStore& store);

// Whether a stored picture-list version sorts below the current one in a case-insensitive
// character comparison (so "2.10" sorts below "2.6.3" too), or is shorter than 3 characters.
bool PictureListVersionIsOld(const std::string& version);
