// The write operations: each writes exactly its values, in its order, under its key; negative
// numbers as two's complement; and what SaveSettings writes, the next load reads back unchanged.
#include <gtest/gtest.h>

#include <vector>

#include "settings/settings.h"
#include "settings/tests/test_settings_platform.h"

namespace {

// Records every write as "key|name" and passes it on to the store in memory.
class RecordingStore : public MemorySettingsStore {
 public:
  bool WriteDword(const std::string& key, const std::string& name, std::uint32_t value) override {
    writes.push_back(key + "|" + name);
    return MemorySettingsStore::WriteDword(key, name, value);
  }
  bool WriteText(const std::string& key, const std::string& name, const std::string& text) override {
    writes.push_back(key + "|" + name);
    return MemorySettingsStore::WriteText(key, name, text);
  }
  bool DeleteValue(const std::string& key, const std::string& name) override {
    writes.push_back("delete " + key + "|" + name);
    return MemorySettingsStore::DeleteValue(key, name);
  }
  std::vector<std::string> writes;
};

const std::string kMain = "Software\\Varnholt\\Desktop\\Quellmoor";
const std::string kNotiz = kMain + "\\Notiz";

std::vector<std::string> Names(const std::string& key, std::initializer_list<const char*> names) {
  std::vector<std::string> entries;
  for (const char* name : names) entries.push_back(key + "|" + name);
  return entries;
}

TEST(SettingsWriteTest, EachOperationWritesExactlyItsValuesInOrder) {
  struct Case {
    const char* operation;
    void (*write)(Settings&, SettingsStore&);
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"SaveSettings", [](Settings& s, SettingsStore& store) { SaveSettings(s, store); },
       Names(kMain, {"x",           "y",           "xMonatPos", "yMonatPos", "wMonatPos", "hMonatPos",
                     "xTerminPos",  "yTerminPos",  "xNotizPos", "yNotizPos", "wNotizPos", "hNotizPos",
                     "xRechnerPos", "yRechnerPos", "HGwechsel", "AutoExit",  "AutoStart", "Mondphasen",
                     "Feiertage",   "SndDevice",   "SndVolume", "NoteTop",   "Snooze",    "AutoDelete",
                     "KalenderMonitore", "BildProMonitor", "IconColor",
                     "FHeight",     "FWeight",     "FItalic",   "FName",     "AlarmFile", "NotePath",
                     "Sprache"})},
      {"SaveMoonSetting", [](Settings& s, SettingsStore& store) { SaveMoonSetting(s, store); },
       Names(kMain, {"Mondphasen"})},
      {"SaveMonthWindowGeometry",
       [](Settings& s, SettingsStore& store) { SaveMonthWindowGeometry(s, store); },
       Names(kMain, {"xMonatPos", "yMonatPos", "wMonatPos", "hMonatPos"})},
      {"SaveCalendarFont", [](Settings& s, SettingsStore& store) { SaveCalendarFont(s, store); },
       Names(kMain, {"FHeight", "FWeight", "FItalic", "FName"})},
      {"SaveChangeState", [](Settings& s, SettingsStore& store) { SaveChangeState(s, store); },
       Names(kMain, {"OldHour", "OldDay", "OldMonth", "OldPic", "OldPics"})},
      {"WriteVersionMark", [](Settings& s, SettingsStore& store) { WriteVersionMark(s, store); },
       Names(kMain, {"dbver", "Version"})},
      {"SaveNoteFont", [](Settings& s, SettingsStore& store) { SaveNoteFont(s, store); },
       Names(kNotiz, {"FHeight", "FWeight", "FItalic", "FName"})},
  };
  for (const Case& c : cases) {
    Settings settings;
    RecordingStore store;
    c.write(settings, store);
    EXPECT_EQ(store.writes, c.expected) << c.operation;
  }
}

TEST(SettingsWriteTest, NumbersAndTextsAsStored) {
  Settings settings;
  settings.OldHour = -1;
  settings.OldDay = 31;
  settings.OldPic = "C:\\Bilder\\Möwe.jpg";
  settings.calendar_font.italic = 255;
  settings.calendar_font.height = -998;
  MemorySettingsStore store;
  SaveChangeState(settings, store);
  SaveCalendarFont(settings, store);
  EXPECT_EQ(store.ReadDword(kMain, "OldHour"), 0xFFFFFFFFu);
  EXPECT_EQ(store.ReadDword(kMain, "OldDay"), 31u);
  EXPECT_EQ(store.ReadDword(kMain, "FItalic"), 255u);
  EXPECT_EQ(store.ReadDword(kMain, "FHeight"), static_cast<std::uint32_t>(-998));
  EXPECT_EQ(store.Find(kMain, "OldPic")->bytes, std::string("C:\\Bilder\\Möwe.jpg", 19));
  EXPECT_EQ(store.Find(kMain, "FName")->bytes, std::string("Arial", 6));
}

TEST(SettingsWriteTest, VersionMarkSetsMemoryAndStore) {
  Settings settings;
  MemorySettingsStore store;
  WriteVersionMark(settings, store);
  EXPECT_EQ(settings.Version, "2.6.3");
  EXPECT_EQ(settings.dbver, 4u);
  EXPECT_EQ(store.ReadDword(kMain, "dbver"), 4u);
  EXPECT_EQ(store.ReadText(kMain, "Version", 256), "2.6.3");
}

// The path is quoted, so that a blank in it ("C:\Program Files\...") cannot make Windows start
// another program; the next load puts an old unquoted value right.
TEST(SettingsWriteTest, AutostartOnWritesTheQuotedPathAndOffDeletesIt) {
  MemorySettingsStore store;
  SetAutostart(true, "C:\\Program Files\\Quellmoor\\Quellmoor.exe", store);
  const MemorySettingsStore::Value* value = store.Find(kRunKey, "Varnholt Kalvedra");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->type, MemorySettingsStore::Type::kText);
  EXPECT_EQ(value->bytes, std::string("\"C:\\Program Files\\Quellmoor\\Quellmoor.exe\"", 43));

  TestSettingsPlatform platform;
  platform.program_file_path = "C:\\Program Files\\Quellmoor\\Quellmoor.exe";
  platform.store.WriteText(kRunKey, "Varnholt Kalvedra", platform.program_file_path);
  Settings settings;
  LoadSettings(settings, platform);
  EXPECT_EQ(platform.store.ReadText(kRunKey, "Varnholt Kalvedra", 256),
            "\"" + platform.program_file_path + "\"");
  SetAutostart(false, "", store);
  EXPECT_EQ(store.Find(kRunKey, "Varnholt Kalvedra"), nullptr);
}

// A start loads the settings and the main window saves them all when it is put away: the stored
// sound device and volume, which only the sound options change, come back as they were.
TEST(SettingsWriteTest, StoredSoundSettingsSurviveALoadAndASave) {
  TestSettingsPlatform platform;
  platform.store.WriteDword(kMain, "SndDevice", 2);
  platform.store.WriteDword(kMain, "SndVolume", 35);
  Settings settings;
  LoadSettings(settings, platform);
  SaveSettings(settings, platform.store);
  EXPECT_EQ(platform.store.ReadDword(kMain, "SndDevice"), 2u);
  EXPECT_EQ(platform.store.ReadDword(kMain, "SndVolume"), 35u);
}

TEST(SettingsWriteTest, SavedSettingsLoadBackUnchangedAgainAndAgain) {
  TestSettingsPlatform platform;
  Settings settings;
  LoadSettings(settings, platform);
  settings.x = -40;
  settings.wNotizPos = 900;
  settings.HGwechsel = 1;
  settings.Feiertage = 18;
  settings.IconColor = 0x0000FF00;
  settings.calendar_font.height = -20;
  settings.calendar_font.italic = 1;
  settings.NotePath = "D:\\Notizen\\";
  settings.AlarmFile = "D:\\Termine.dtk";
  settings.Snooze = 7;
  settings.AutoDelete = 1;
  settings.Sprache = "en";
  Settings saved = settings;
  // A note folder written back after every load stays one folder: no backslash is added twice.
  for (int round = 0; round < 3; ++round) {
    SaveSettings(settings, platform.store);
    LoadSettings(settings, platform);
  }
  EXPECT_EQ(settings.x, -40);
  EXPECT_EQ(settings.wNotizPos, 900);
  EXPECT_EQ(settings.HGwechsel, 1);
  EXPECT_EQ(settings.Feiertage, 18);
  EXPECT_EQ(settings.IconColor, 0x0000FF00u);
  EXPECT_EQ(settings.calendar_font.height, -20);
  EXPECT_EQ(settings.calendar_font.italic, 1);
  EXPECT_EQ(settings.NotePath, saved.NotePath);
  EXPECT_EQ(settings.AlarmFile, saved.AlarmFile);
  EXPECT_EQ(settings.Snooze, 7);
  EXPECT_EQ(settings.AutoDelete, 1);
  EXPECT_EQ(settings.Sprache, "en");
}

}  // namespace
