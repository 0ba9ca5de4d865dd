// The wallpaper over two monitors, as the running program composes it: a bitmap of the virtual
// screen's size, set with the spanning style, and drawn again without a new picture when the display
// changes. Run by the two-monitor ctest entry, which names the monitors it asked for; with fewer
// monitors the test is skipped.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "app/tests/e2e/program_process_win.h"

namespace {

struct BitmapSize {
  int width = 0;
  int height = 0;
};

// The width and height in a BMP file's information header.
BitmapSize ReadBitmapSize(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  unsigned char header[26] = {};
  if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return {};
  auto little_endian = [&](int at) {
    return static_cast<int>(header[at] | header[at + 1] << 8 | header[at + 2] << 16 | header[at + 3] << 24);
  };
  return BitmapSize{little_endian(18), little_endian(22)};
}

FILETIME LastWrite(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA file{};
  GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &file);
  return file.ftLastWriteTime;
}

TEST(MonitorsEndToEndTest, WallpaperSpansTheMonitorsAndADisplayChangeRedrawsIt) {
  if (const char* expected = std::getenv("QUELLMOOR_EXPECTED_MONITORS")) {
    ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), std::atoi(expected));
  }
  if (GetSystemMetrics(SM_CMONITORS) < 2) GTEST_SKIP() << "one monitor";

  ForgetProgramSettings();
  // At every rebuild this policy draws a new picture; a redraw must not.
  const DWORD at_every_start = 0;
  StoreProgramSetting("HGwechsel", REG_DWORD, &at_every_start, sizeof at_every_start);
  ProgramProcess program("");
  HWND window = WaitForMainWindow(20000);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForFirstTick(window, 40000));
  ASSERT_TRUE(WaitForRegistryText(kProgramKey, "OldPic", 40000));

  const std::string wallpaper = RegistryText("Control Panel\\Desktop", "Wallpaper").value_or("");
  const BitmapSize size = ReadBitmapSize(wallpaper);
  EXPECT_EQ(size.width, GetSystemMetrics(SM_CXVIRTUALSCREEN)) << wallpaper;
  EXPECT_EQ(size.height, GetSystemMetrics(SM_CYVIRTUALSCREEN)) << wallpaper;
  EXPECT_EQ(RegistryText("Control Panel\\Desktop", "WallpaperStyle"), "22");
  const std::string old_pic = RegistryText(kProgramKey, "OldPic").value_or("");
  const std::string old_pics = RegistryText(kProgramKey, "OldPics").value_or("");
  EXPECT_EQ(old_pics, old_pic + "|" + old_pic);

  const FILETIME before = LastWrite(wallpaper);
  Sleep(50);  // a later write gets a later time
  SendMessageA(window, WM_DISPLAYCHANGE, 24, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
  bool redrawn = false;
  for (int wait = 0; wait < 150 && !redrawn; ++wait) {
    Sleep(100);
    const FILETIME now = LastWrite(wallpaper);
    redrawn = CompareFileTime(&now, &before) > 0;
  }
  EXPECT_TRUE(redrawn) << "no wallpaper written within 15 seconds of the display change";
  EXPECT_EQ(RegistryText(kProgramKey, "OldPic"), old_pic);
  EXPECT_EQ(RegistryText(kProgramKey, "OldPics"), old_pics);

  ExpectEndedBySecondStart("EXIT", program);
}

}  // namespace
