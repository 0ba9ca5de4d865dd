// The registry store against the real registry (under Wine): values of the right type and size are
// read, everything else is ignored, texts are written with their zero; and a whole load with the
// Windows platform writes the autostart value and makes the data folder.
#include "settings/registry_store_win.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include "common/file_system.h"
#include "settings/settings_platform_win.h"

namespace {

constexpr char kTestKey[] = "Software\\Varnholt\\QuellmoorStoreTest";

class RegistryStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }

  // Stores raw bytes under a type, as another program might.
  static void SetRaw(const char* name, DWORD type, const void* bytes, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(bytes), size), ERROR_SUCCESS);
    RegCloseKey(key);
  }

  // The type and size of a stored value.
  static std::pair<DWORD, DWORD> TypeAndSize(const char* name) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
    RegQueryValueExA(key, name, nullptr, &type, nullptr, &size);
    RegCloseKey(key);
    return {type, size};
  }

  RegistrySettingsStore store_;
};

TEST_F(RegistryStoreTest, WrittenValuesReadBack) {
  EXPECT_FALSE(store_.KeyExists(kTestKey));
  EXPECT_TRUE(store_.WriteDword(kTestKey, "OldHour", 0xFFFFFFFF));
  EXPECT_TRUE(store_.KeyExists(kTestKey));
  EXPECT_TRUE(store_.WriteText(kTestKey, "OldPic", "C:\\Bilder\\M\xF6we.jpg"));
  EXPECT_EQ(store_.ReadDword(kTestKey, "oldhour"), 0xFFFFFFFFu);
  EXPECT_EQ(store_.ReadText(kTestKey, "OLDPIC", 256), "C:\\Bilder\\M\xF6we.jpg");
  EXPECT_EQ(TypeAndSize("OldHour"), std::make_pair(DWORD{REG_DWORD}, DWORD{4}));
  // Texts are stored with their terminating zero.
  EXPECT_EQ(TypeAndSize("OldPic"), std::make_pair(DWORD{REG_SZ}, DWORD{19}));
  EXPECT_TRUE(store_.DeleteValue(kTestKey, "OldPic"));
  EXPECT_FALSE(store_.ReadText(kTestKey, "OldPic", 256));
  EXPECT_FALSE(store_.DeleteValue(kTestKey, "OldPic"));
}

TEST_F(RegistryStoreTest, MissingValuesAndKeysGiveNothing) {
  EXPECT_FALSE(store_.ReadDword(kTestKey, "x"));
  EXPECT_FALSE(store_.ReadText(kTestKey, "Path", 256));
  store_.WriteDword(kTestKey, "y", 1);
  EXPECT_FALSE(store_.ReadDword(kTestKey, "x"));
}

TEST_F(RegistryStoreTest, ValuesOfTheWrongTypeOrSizeAreIgnored) {
  const std::uint8_t four[4] = {1, 0, 0, 0};
  const std::uint8_t eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
  SetRaw("binary", REG_BINARY, four, 4);
  SetRaw("long", REG_DWORD, eight, 8);
  SetRaw("short", REG_DWORD, four, 2);
  SetRaw("expand", REG_EXPAND_SZ, "%TEMP%", 7);
  SetRaw("number", REG_DWORD, four, 4);
  EXPECT_FALSE(store_.ReadDword(kTestKey, "binary"));
  EXPECT_FALSE(store_.ReadDword(kTestKey, "long"));
  EXPECT_FALSE(store_.ReadDword(kTestKey, "short"));
  EXPECT_FALSE(store_.ReadText(kTestKey, "binary", 256));
  EXPECT_FALSE(store_.ReadText(kTestKey, "expand", 256));
  EXPECT_FALSE(store_.ReadText(kTestKey, "number", 256));
  EXPECT_EQ(store_.ReadDword(kTestKey, "number"), 1u);
}

TEST_F(RegistryStoreTest, TextsAreAlwaysTerminatedAndBounded) {
  SetRaw("unterminated", REG_SZ, "abc", 3);
  SetRaw("embedded", REG_SZ, "ab\0cd", 6);
  std::string long_text(300, 'P');
  SetRaw("long", REG_SZ, long_text.c_str(), 301);
  std::string full(256, 'F');
  SetRaw("full", REG_SZ, full.c_str(), 256);  // fills the buffer, no room for the zero
  std::string fits(255, 'f');
  SetRaw("fits", REG_SZ, fits.c_str(), 256);
  EXPECT_EQ(store_.ReadText(kTestKey, "unterminated", 256), "abc");
  EXPECT_EQ(store_.ReadText(kTestKey, "embedded", 256), "ab");
  EXPECT_FALSE(store_.ReadText(kTestKey, "long", 256));
  EXPECT_FALSE(store_.ReadText(kTestKey, "full", 256));
  EXPECT_EQ(store_.ReadText(kTestKey, "fits", 256), fits);
}

// A whole load as the program does it, against the registry of the test's Wine prefix.
class WindowsSettingsLoadTest : public ::testing::Test {
 protected:
  void SetUp() override { CleanUp(); }
  void TearDown() override { CleanUp(); }
  static void CleanUp() {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Varnholt\\Desktop\\Quellmoor");
    HKEY run = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
      RegDeleteValueA(run, kAutostartValueName);
      RegCloseKey(run);
    }
  }
};

TEST_F(WindowsSettingsLoadTest, FirstLoadWritesAutostartAndMakesTheDataFolder) {
  WindowsSettingsPlatform platform;
  char application_data[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, application_data, CSIDL_APPDATA, TRUE));
  char program[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameA(nullptr, program, MAX_PATH), 0u);

  Settings settings;
  LoadSettings(settings, platform);
  std::string data_folder = std::string(application_data) + "\\Varnholt\\Kalvedra\\Quellmoor";
  EXPECT_EQ(settings.data_folder, data_folder);
  EXPECT_TRUE(FolderExists(data_folder));
  EXPECT_EQ(settings.AlarmFile, data_folder + "\\alarm.dtk");
  EXPECT_EQ(platform.Store().ReadText(kRunKey, kAutostartValueName, 1024), "\"" + std::string(program) + "\"");
  std::string program_path = program;
  EXPECT_EQ(settings.text_folder, program_path.substr(0, program_path.find_last_of('\\') + 1));
  EXPECT_FALSE(settings.regional.date_separator.empty());

  settings.HGwechsel = 0;
  settings.NotePath = "C:\\Notizen\\";
  SaveSettings(settings, platform.Store());
  Settings reloaded;
  LoadSettings(reloaded, platform);
  EXPECT_EQ(reloaded.HGwechsel, 0);
  EXPECT_EQ(reloaded.NotePath, "C:\\Notizen\\");
}

}  // namespace
