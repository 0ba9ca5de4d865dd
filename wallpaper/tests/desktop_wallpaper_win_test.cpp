// The wallpaper on the Windows desktop, under Wine: a build on the worker thread composes
// wallpaper.bmp from a built-in picture of the program's resources, sets it as the desktop wallpaper
// and stores the picture and time in the registry; on a 16-bit display the picture is reduced to 15-bit colour.
#include "wallpaper/desktop_wallpaper_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>

#include "calendar/clock.h"
#include "common/file_system.h"
#include "common/tests/temp_folder.h"
#include "imaging/picture_reader.h"
#include "settings/registry_store_win.h"
#include "wallpaper/builtin_pictures_win.h"
#include "wallpaper/picture_list.h"
#include "wallpaper/wallpaper.h"
#include "wallpaper/wallpaper_compose.h"

namespace {

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string DesktopWallpaperValue() {
  char value[MAX_PATH] = {};
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper", RRF_RT_REG_SZ, nullptr, value,
                   &size) != ERROR_SUCCESS) {
    return {};
  }
  return value;
}

TEST(DesktopWallpaperWinTest, BuildComposesSetsAndRemembers) {
  TempFolder folder("desktop");
  Settings settings;
  // A key of its own, so that the test leaves the program's settings alone.
  settings.keys = MakeSettingsKeys("QuellmoorWallpaperTest");
  settings.data_folder = folder.path();
  settings.BuiltinPictureCount = 16;
  settings.calendar_font = DefaultCalendarFont();
  ASSERT_TRUE(CreateDefaultPictureList(settings));
  ResourcePictures pictures;
  ASSERT_FALSE(pictures.Find("C01X").empty())
      << "built-in pictures missing from the resources";
  RegistrySettingsStore store;

  const FixedClock clock(WithWeekday(LocalTime{.day = 7, .month = 7, .year = 2007, .hour = 9, .minute = 30}));
  const TextTable text_table;
  DesktopWallpaperPlatform platform(pictures);
  Wallpaper built(clock, text_table, settings, store, platform, PictureChoiceGenerator(1));
  built.Request(WallpaperRequest::kRebuild);
  EXPECT_TRUE(built.building());
  platform.WaitForWorker();
  built.BuildEnded();
  EXPECT_FALSE(built.failure());

  std::string wallpaper = DesktopWallpaperValue();
  EXPECT_EQ(Lowered(wallpaper.substr(wallpaper.size() - 23)), "\\kalvedra\\wallpaper.bmp") << wallpaper;
  auto bytes = ReadWholeFile(wallpaper, 64u << 20);
  ASSERT_TRUE(bytes.has_value()) << wallpaper;
  PictureReadResult read = ReadPicture(*bytes);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.image.width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(read.image.height, GetSystemMetrics(SM_CYSCREEN));

  EXPECT_EQ(settings.OldPic.size(), 4u);
  EXPECT_EQ(store.ReadText(settings.keys.main, "OldPic", 256), settings.OldPic);
  EXPECT_EQ(store.ReadDword(settings.keys.main, "OldHour"), 9u);
  EXPECT_EQ(store.ReadDword(settings.keys.main, "OldDay"), 7u);
  EXPECT_EQ(store.ReadDword(settings.keys.main, "OldMonth"), 7u);
  RegDeleteTreeA(HKEY_CURRENT_USER, settings.keys.main.c_str());
}

// Run also on a 16-bit display (a ctest entry of its own).
TEST(DisplayDepthWinTest, SixteenBitDisplayGetsFifteenBitWallpaper) {
  HDC screen = GetDC(nullptr);
  int bits = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  // The 16-bit run names the depth it asked the display for.
  if (const char* expected = std::getenv("QUELLMOOR_EXPECTED_SCREEN_BITS")) {
    ASSERT_EQ(bits, std::atoi(expected));
  }
  EXPECT_EQ(DisplayIsTrueColour(), bits > 16) << bits << " bits per pixel";

  TempFolder folder("depth");
  const Monitor monitor{.area = Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}};
  const ShownPicture shown{"C02X", true, DefaultPictureRecord(2)};
  std::string output = folder.PathOf("wallpaper.bmp");
  ResourcePictures pictures;
  ASSERT_TRUE(ComposeWallpaper(ComposeRequest{.monitors = {&monitor, 1},
                                              .pictures = {&shown, 1},
                                              .true_colour = DisplayIsTrueColour()},
                               output, pictures)
                  .written());
  PictureReadResult read = ReadPicture(*ReadWholeFile(output, 64u << 20));
  ASSERT_TRUE(read.ok());
  const auto& pixels = read.image.pixels;
  int low_bits = 0;
  for (std::size_t i = 0; i + 3 < pixels.size(); ++i) low_bits |= pixels[i] & 7;
  EXPECT_EQ(low_bits != 0, bits > 16);
}

}  // namespace
