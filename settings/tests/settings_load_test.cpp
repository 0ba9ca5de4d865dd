// The settings load: defaults on a first start, the ranges and limits of stored values, values kept
// across loads, the regional settings with their profile fallback, the built-in picture index, and
// the folders that fall back to the program's folder or the data folder.
#include <gtest/gtest.h>

#include <climits>

#include "common/byte_order.h"
#include "common/file_system.h"
#include "settings/settings.h"
#include "settings/tests/test_settings_platform.h"

namespace {

using Type = MemorySettingsStore::Type;

class SettingsLoadTest : public ::testing::Test {
 protected:
  const std::string kMain = "Software\\Varnholt\\Desktop\\Quellmoor";

  void StoreInt(const char* name, int value) {
    platform_.store.WriteDword(kMain, name, static_cast<std::uint32_t>(value));
  }
  void StoreText(const char* name, const std::string& text) { platform_.store.WriteText(kMain, name, text); }
  void StoreRegional(const char* name, const std::string& text) {
    platform_.store.WriteText("Control Panel\\International", name, text);
  }

  Settings Load() {
    Settings settings;
    LoadSettings(settings, platform_);
    return settings;
  }

  std::string DataFolder() const {
    return JoinPath(JoinPath(JoinPath(platform_.application_data_folder, "Varnholt"), "Kalvedra"),
                    "Quellmoor");
  }
  std::string ProgramFolder() const { return JoinPath(JoinPath("Programme", "Quellmoor"), ""); }

  TestSettingsPlatform platform_;
};

TEST_F(SettingsLoadTest, FirstStartGivesDefaultsWritesAutostartAndMakesTheDataFolder) {
  Settings settings = Load();
  EXPECT_EQ(settings.keys.main, kMain);
  EXPECT_EQ(settings.AutoExit, 0);
  EXPECT_EQ(settings.AutoStart, 1);
  EXPECT_EQ(settings.Mondphasen, 0);
  EXPECT_EQ(settings.x, 0);
  EXPECT_EQ(settings.y, 0);
  EXPECT_EQ((std::array{settings.xMonatPos, settings.yMonatPos, settings.wMonatPos, settings.hMonatPos}),
            (std::array{10, 10, 550, 630}));
  EXPECT_EQ((std::array{settings.xNotizPos, settings.yNotizPos, settings.wNotizPos, settings.hNotizPos}),
            (std::array{20, 20, 450, 300}));
  EXPECT_EQ(settings.NoteTop, 1);
  EXPECT_EQ(settings.HGwechsel, 2);
  EXPECT_EQ((std::array{settings.OldHour, settings.OldDay, settings.OldMonth}), (std::array{-1, -1, -1}));
  EXPECT_EQ(settings.OldPic, "");
  EXPECT_EQ(settings.IconColor, 0x00FFFFFFu);
  EXPECT_STREQ(settings.calendar_font.face_name, "Arial");
  EXPECT_EQ(settings.calendar_font.height, -64);
  EXPECT_EQ(settings.calendar_font.weight, 600);
  EXPECT_EQ(settings.calendar_font.italic, 0);
  EXPECT_EQ(settings.calendar_font.quality, 4);
  EXPECT_EQ(settings.calendar_font.pitch_and_family, 0);
  EXPECT_EQ(settings.BuiltinPictureCount, 0);

  EXPECT_TRUE(FolderExists(DataFolder()));
  EXPECT_EQ(settings.data_folder, DataFolder());
  EXPECT_EQ(settings.NotePath, DataFolder());
  EXPECT_EQ(settings.AlarmFile, JoinPath(DataFolder(), "alarm.dtk"));
  EXPECT_EQ(settings.help_folder, ProgramFolder());
  EXPECT_EQ(settings.picture_default_folder, "");
  EXPECT_EQ(settings.text_folder, ProgramFolder());
  EXPECT_EQ(platform_.store.ReadText(kRunKey, kAutostartValueName, 256), "\"" + platform_.program_file_path + "\"");
  // No regional key: the profile's defaults.
  EXPECT_EQ(settings.regional.date_order, 1);
  EXPECT_EQ(settings.regional.date_separator, ".");
  EXPECT_EQ(settings.regional.first_day_of_week, 0);
}

TEST_F(SettingsLoadTest, StoredValuesAreTakenOnlyInsideTheirRanges) {
  struct Case {
    const char* name;
    int stored;
    int expected;
    int Settings::*variable;
  };
  struct FontCase {
    const char* name;
    int stored;
    int expected;
    std::int32_t LogFont::*field;
  };
  const Case cases[] = {
      {"HGwechsel", 0, 0, &Settings::HGwechsel}, {"HGwechsel", 1, 1, &Settings::HGwechsel},
      {"HGwechsel", 3, 2, &Settings::HGwechsel}, {"HGwechsel", -1, 2, &Settings::HGwechsel},
      {"OldHour", -1, -1, &Settings::OldHour},   {"OldDay", 17, 17, &Settings::OldDay},
      {"x", -1200, -1200, &Settings::x},         {"NoteTop", 0, 0, &Settings::NoteTop},
  };
  for (const Case& c : cases) {
    StoreInt(c.name, c.stored);
    EXPECT_EQ(Load().*c.variable, c.expected) << c.name << " = " << c.stored;
  }
  const FontCase font_cases[] = {
      {"FHeight", -5, -64, &LogFont::height},  {"FHeight", -1000, -64, &LogFont::height},
      {"FHeight", -8, -8, &LogFont::height},   {"FHeight", -998, -998, &LogFont::height},
      {"FHeight", 12, -64, &LogFont::height},  {"FWeight", 0, 600, &LogFont::weight},
      {"FWeight", 999, 600, &LogFont::weight}, {"FWeight", 1, 1, &LogFont::weight},
      {"FWeight", 998, 998, &LogFont::weight},
  };
  for (const FontCase& c : font_cases) {
    StoreInt(c.name, c.stored);
    EXPECT_EQ(Load().calendar_font.*c.field, c.expected) << c.name << " = " << c.stored;
  }
  StoreInt("FItalic", 0x1FF);
  EXPECT_EQ(Load().calendar_font.italic, 0xFF);
  StoreInt("FItalic", 0x100);
  EXPECT_EQ(Load().calendar_font.italic, 0);
}

TEST_F(SettingsLoadTest, ValuesOfTheWrongTypeLeaveTheDefault) {
  platform_.store.Plant(kMain, "HGwechsel", Type::kText, std::string("1", 2));
  platform_.store.Plant(kMain, "IconColor", Type::kDword, std::string("\1\2\3\4\5\6\7\0", 8));
  platform_.store.Plant(kMain, "OldPic", Type::kBinary, std::string("abc", 4));
  Settings settings = Load();
  EXPECT_EQ(settings.HGwechsel, 2);
  EXPECT_EQ(settings.IconColor, 0x00FFFFFFu);
  EXPECT_EQ(settings.OldPic, "");
}

TEST_F(SettingsLoadTest, TextsAreLimitedToTheirVariables) {
  // A current picture list, which the load leaves alone together with the version values.
  std::string folder = platform_.application_data_folder;
  for (const char* level : {"Varnholt", "Kalvedra", "Quellmoor"}) {
    folder = JoinPath(folder, level);
    MakeFolder(folder);
  }
  ASSERT_TRUE(WriteWholeFile(JoinPath(folder, "bilder.dat"), {}));
  StoreInt("dbver", 4);
  StoreText("Version", "2.6.3-abcdefghijklmnop");
  StoreText("FName", std::string(40, 'F'));
  StoreText("OldPic", std::string(255, 'p'));
  StoreRegional("sDate", "::::::::::");
  Settings settings = Load();
  EXPECT_EQ(settings.Version, "2.6.3-abcdefghi");
  EXPECT_EQ(std::string(settings.calendar_font.face_name), std::string(31, 'F'));
  EXPECT_EQ(settings.OldPic, std::string(255, 'p'));
  EXPECT_EQ(settings.regional.date_separator, ":::::::");
}

TEST_F(SettingsLoadTest, PathLongerThanTheReadBufferIsIgnored) {
  StoreText("Path", std::string(300, 'P'));
  Settings settings = Load();
  EXPECT_EQ(settings.text_folder, ProgramFolder());
  EXPECT_EQ(settings.help_folder, ProgramFolder());
  EXPECT_EQ(settings.picture_default_folder, "");

  StoreText("Path", std::string(255, 'P'));
  settings = Load();
  EXPECT_EQ(settings.text_folder, std::string(255, 'P'));
  EXPECT_EQ(settings.help_folder, std::string(255, 'P'));
  EXPECT_EQ(settings.picture_default_folder, std::string(255, 'P'));
}

TEST_F(SettingsLoadTest, ShortPathFallsBackOnlyForTheTextFolder) {
  StoreText("Path", "C:");
  Settings settings = Load();
  EXPECT_EQ(settings.text_folder, ProgramFolder());
  EXPECT_EQ(settings.help_folder, "C:");
  EXPECT_EQ(settings.picture_default_folder, "C:");
}

TEST_F(SettingsLoadTest, NotePathGetsOneTrailingBackslashOrTheDataFolder) {
  struct Case {
    std::string stored;
    std::string expected;  // empty: the data folder
  };
  const Case cases[] = {
      {"D:\\Notizen", "D:\\Notizen\\"},
      {"D:\\Notizen\\", "D:\\Notizen\\"},
      {"C:", "C:\\"},
      {"X", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    StoreText("NotePath", c.stored);
    EXPECT_EQ(Load().NotePath, c.expected.empty() ? DataFolder() : c.expected) << c.stored;
  }
}

TEST_F(SettingsLoadTest, ShortAlarmFileFallsBackToTheDataFolder) {
  StoreText("AlarmFile", "ab");
  EXPECT_EQ(Load().AlarmFile, JoinPath(DataFolder(), "alarm.dtk"));
  StoreText("AlarmFile", "D:\\t.dtk");
  EXPECT_EQ(Load().AlarmFile, "D:\\t.dtk");
}

TEST_F(SettingsLoadTest, KeptValuesSurviveASecondLoadWhileOthersAreReset) {
  StoreInt("xTerminPos", 11);
  StoreInt("yTerminPos", 12);
  StoreInt("xRechnerPos", 13);
  StoreInt("yRechnerPos", 14);
  StoreInt("Feiertage", 9);
  StoreInt("Snooze", 5);
  StoreInt("x", 300);
  StoreText("OldPic", "C:\\a.jpg");
  Settings settings;
  LoadSettings(settings, platform_);
  settings.SndDevice = 3;
  settings.SndVolume = 40;
  settings.note_font.height = -20;
  platform_.store = MemorySettingsStore();
  LoadSettings(settings, platform_);
  EXPECT_EQ(
      (std::array{settings.xTerminPos, settings.yTerminPos, settings.xRechnerPos, settings.yRechnerPos}),
      (std::array{11, 12, 13, 14}));
  EXPECT_EQ(settings.Feiertage, 9);
  EXPECT_EQ(settings.Snooze, 5);
  EXPECT_EQ(settings.note_font.height, -20);
  EXPECT_EQ(settings.x, 0);
  EXPECT_EQ(settings.SndDevice, -1);
  EXPECT_EQ(settings.SndVolume, 100);
  EXPECT_EQ(settings.OldPic, "");
}

// The language is German until one is stored, and German again once it is gone: it is no kept value.
TEST_F(SettingsLoadTest, LanguageIsGermanUnlessStored) {
  Settings settings = Load();
  EXPECT_EQ(settings.Sprache, "de");
  StoreText("Sprache", "en");
  LoadSettings(settings, platform_);
  EXPECT_EQ(settings.Sprache, "en");
  platform_.store = MemorySettingsStore();
  LoadSettings(settings, platform_);
  EXPECT_EQ(settings.Sprache, "de");
}

TEST_F(SettingsLoadTest, AutostartOffWritesNothing) {
  StoreInt("AutoStart", 0);
  Load();
  EXPECT_EQ(platform_.store.Find(kRunKey, kAutostartValueName), nullptr);
  StoreInt("AutoStart", 2);
  Load();
  EXPECT_EQ(platform_.store.Find(kRunKey, kAutostartValueName), nullptr);
}

TEST_F(SettingsLoadTest, RegionalSettingsFromTheRegistry) {
  StoreRegional("sDate", "/");
  StoreRegional("iDate", "0");
  StoreRegional("iFirstDayOfWeek", "6");
  platform_.profile_strings["intl/sDate"] = "-";
  Settings settings = Load();
  EXPECT_EQ(settings.regional.date_order, 0);
  EXPECT_EQ(settings.regional.date_separator, "/");
  EXPECT_EQ(settings.regional.first_day_of_week, 6);
}

TEST_F(SettingsLoadTest, RegionalNumbersAreReadAsAtoiReadsThem) {
  struct Case {
    std::string text;
    int number;
  };
  const Case cases[] = {{" 2x", 2}, {"abc", 0}, {"-1", -1}, {"+7", 7}, {"", 0}, {"99999999999", INT_MAX}};
  StoreRegional("sDate", ".");
  for (const Case& c : cases) {
    StoreRegional("iDate", c.text);
    EXPECT_EQ(Load().regional.date_order, c.number) << c.text;
  }
}

TEST_F(SettingsLoadTest, EmptyRegionalSeparatorTakesOneCharacterFromTheProfile) {
  platform_.store.CreateKey("Control Panel\\International");
  StoreRegional("iDate", "2");
  StoreRegional("iFirstDayOfWeek", "3");
  platform_.profile_ints["intl/iDate"] = 0;
  platform_.profile_strings["intl/sDate"] = "-/";
  Settings settings = Load();
  EXPECT_EQ(settings.regional.date_order, 0);
  EXPECT_EQ(settings.regional.date_separator, "-");
  EXPECT_EQ(settings.regional.first_day_of_week, 3);
}

TEST_F(SettingsLoadTest, BuiltinPictureIndexOnlyFromExactly512Bytes) {
  std::vector<std::uint8_t> index(512, 0);
  WriteU32LE(index.data(), 16);
  WriteU32LE(index.data() + 4, 0xA1B2C3D4);
  WriteU32LE(index.data() + 508, 7);
  platform_.index_resource = index;
  Settings settings = Load();
  EXPECT_EQ(settings.BuiltinPictureCount, 16);
  EXPECT_EQ(settings.builtin_picture_index[1], 0xA1B2C3D4u);
  EXPECT_EQ(settings.builtin_picture_index[127], 7u);

  for (std::size_t size : {511u, 513u}) {
    index.resize(size);
    platform_.index_resource = index;
    LoadSettings(settings, platform_);
    EXPECT_EQ(settings.BuiltinPictureCount, 0) << size;
    EXPECT_EQ(settings.builtin_picture_index[1], 0u) << size;
  }
  platform_.index_resource.reset();
  LoadSettings(settings, platform_);
  EXPECT_EQ(settings.BuiltinPictureCount, 0);
}

TEST_F(SettingsLoadTest, WithoutApplicationDataFolderTheAlarmFileIsItsBareName) {
  platform_.application_data_folder.clear();
  Settings settings = Load();
  EXPECT_EQ(settings.data_folder, "");
  EXPECT_EQ(settings.AlarmFile, "alarm.dtk");
}

TEST_F(SettingsLoadTest, SoundSettingsAreResetThenRead) {
  Settings settings;
  settings.SndDevice = 4;
  settings.SndVolume = 10;
  LoadSoundSettings(settings, platform_.store);
  EXPECT_EQ(settings.SndDevice, -1);
  EXPECT_EQ(settings.SndVolume, 100);
  StoreInt("SndDevice", -2);
  StoreInt("SndVolume", 35);
  LoadSoundSettings(settings, platform_.store);
  EXPECT_EQ(settings.SndDevice, -2);
  EXPECT_EQ(settings.SndVolume, 35);
}

TEST_F(SettingsLoadTest, NoteFontDefaultsAndFaceNamesLongerThanOneCharacter) {
  Settings settings;
  settings.note_font.height = 99;
  LoadNoteFont(settings, platform_.store);
  const LogFont& font = settings.note_font;
  EXPECT_STREQ(font.face_name, "Courier New");
  EXPECT_EQ(font.height, -14);
  EXPECT_EQ(font.weight, 400);
  EXPECT_EQ(font.out_precision, 1);
  EXPECT_EQ(font.clip_precision, 2);
  EXPECT_EQ(font.quality, 4);
  EXPECT_EQ(font.pitch_and_family, 0x31);

  const std::string notiz = kMain + "\\Notiz";
  platform_.store.WriteText(notiz, "FName", "X");
  platform_.store.WriteDword(notiz, "FHeight", static_cast<std::uint32_t>(-30));
  platform_.store.WriteDword(notiz, "FWeight", 700);
  platform_.store.WriteDword(notiz, "FItalic", 0x301);
  LoadNoteFont(settings, platform_.store);
  EXPECT_STREQ(font.face_name, "Courier New");
  EXPECT_EQ(font.height, -30);
  EXPECT_EQ(font.weight, 700);
  EXPECT_EQ(font.italic, 1);
  platform_.store.WriteText(notiz, "FName", "Lu");
  LoadNoteFont(settings, platform_.store);
  EXPECT_STREQ(font.face_name, "Lu");
}

TEST(SettingsKeysTest, ProductWordIsTrimmedAtBothEnds) {
  SettingsKeys keys = MakeSettingsKeys(" \t{*Quell moor}*\r\n");
  EXPECT_EQ(keys.main, "Software\\Varnholt\\Desktop\\Quell moor");
  EXPECT_EQ(keys.notiz, "Software\\Varnholt\\Desktop\\Quell moor\\Notiz");
  EXPECT_EQ(keys.hotkeys, "Software\\Varnholt\\Desktop\\Quell moor\\Hotkeys");
  EXPECT_EQ(MakeSettingsKeys("{}").main, "Software\\Varnholt\\Desktop\\");
}

TEST(PictureListVersionTest, ComparesCharactersWithoutRegardToCase) {
  struct Case {
    const char* version;
    bool old;
  };
  const Case cases[] = {
      {"", true},       {"2.", true},   {"2.6", true},     {"2.6.2", true}, {"2.10", true},  {"2.6.3", false},
      {"2.6.4", false}, {"3.0", false}, {"2.6.3b", false}, {"a.0", false},  {"1.9.9", true},
  };
  for (const Case& c : cases) EXPECT_EQ(PictureListVersionIsOld(c.version), c.old) << c.version;
}

}  // namespace
