// The wallpaper as the running program composes it: its first tick writes wallpaper.bmp, makes it
// the desktop wallpaper and stores what it showed; the new-picture button draws another picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "app/tests/e2e/program_process_win.h"
#include "calendar/clock.h"
#include "resources/resource_ids.h"

namespace {

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// The size of an uncompressed 24-bit BMP of the screen: headers and rows padded to four bytes.
DWORD ScreenBitmapFileSize() {
  DWORD row = (static_cast<DWORD>(GetSystemMetrics(SM_CXSCREEN)) * 3 + 3) & ~3u;
  return 14 + 40 + row * static_cast<DWORD>(GetSystemMetrics(SM_CYSCREEN));
}

TEST(WallpaperEndToEndTest, TheFirstTickSetsTheWallpaperAndTheButtonDrawsAnotherPicture) {
  ForgetProgramSettings();
  LocalTime before = SystemClock().Now();
  ProgramProcess program("");
  HWND window = WaitForMainWindow(20000);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForFirstTick(window, 40000));
  ASSERT_TRUE(WaitForRegistryText(kProgramKey, "OldPic", 40000));
  LocalTime after = SystemClock().Now();

  std::optional<std::string> wallpaper = RegistryText("Control Panel\\Desktop", "Wallpaper");
  ASSERT_TRUE(wallpaper);
  EXPECT_TRUE(Lowered(*wallpaper).ends_with("\\varnholt\\kalvedra\\wallpaper.bmp")) << *wallpaper;
  WIN32_FILE_ATTRIBUTE_DATA file{};
  ASSERT_TRUE(GetFileAttributesExA(wallpaper->c_str(), GetFileExInfoStandard, &file)) << *wallpaper;
  EXPECT_EQ(file.nFileSizeLow, ScreenBitmapFileSize());

  // The time of the change, read on either side of it so that a new hour in between is no failure.
  auto old_hour = static_cast<int>(RegistryDword(kProgramKey, "OldHour").value_or(99));
  EXPECT_TRUE(old_hour == before.hour || old_hour == after.hour) << old_hour;
  auto old_day = static_cast<int>(RegistryDword(kProgramKey, "OldDay").value_or(99));
  EXPECT_TRUE(old_day == before.day || old_day == after.day) << old_day;
  auto old_month = static_cast<int>(RegistryDword(kProgramKey, "OldMonth").value_or(99));
  EXPECT_TRUE(old_month == before.month || old_month == after.month) << old_month;

  // The press draws another of the sixteen built-in pictures; the worker composes it while the
  // window goes on answering, and the picture is stored once Windows has taken it.
  std::string first = RegistryText(kProgramKey, "OldPic").value_or("");
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_NEW_PICTURE, BN_CLICKED), 0);
  bool changed = false;
  for (int wait = 0; wait < 400 && !changed; ++wait) {
    Sleep(50);
    changed = RegistryText(kProgramKey, "OldPic").value_or("") != first;
  }
  EXPECT_TRUE(changed) << first;

  ExpectEndedBySecondStart("EXIT", program);
}

}  // namespace
