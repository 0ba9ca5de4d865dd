// The tray icon under the shell: the first update adds it, later ones modify it, in both displays
// and every tooltip (a build running, the date, a failed build), and after the shell has lost it
// the next update adds it again.
#include "app/tray_win.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include "app/window_messages.h"
#include "calendar/clock.h"
#include "common/tests/temp_folder.h"
#include "wallpaper/tests/fake_wallpaper_platform.h"

namespace {

class TrayWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExA(0, "STATIC", "tray test", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    settings_.regional.date_order = 1;
    settings_.regional.date_separator = std::string(1, '.');
  }
  void TearDown() override { DestroyWindow(window_); }

  HWND window_ = nullptr;
  FixedClock clock_{WithWeekday(LocalTime{.day = 5, .month = 12, .year = 2026})};
  Settings settings_;
  TextTable text_table_;
  TempFolder folder_{"tray"};
  MemorySettingsStore store_;
  FakeWallpaperPlatform platform_;
  Wallpaper wallpaper_{clock_, text_table_, settings_, store_, platform_, PictureChoiceGenerator(1)};
};

TEST_F(TrayWinTest, AddedFirstThenModifiedInEveryForm) {
  TrayIcon tray(window_, clock_, settings_, text_table_, wallpaper_);
  settings_.data_folder = folder_.path();  // without a picture list, and none shown: nothing to show
  wallpaper_.Request(WallpaperRequest::kCheck);
  ASSERT_TRUE(wallpaper_.building());
  EXPECT_TRUE(tray.Update());  // added, busy
  platform_.RunJob();
  wallpaper_.BuildEnded();
  ASSERT_TRUE(wallpaper_.failure());
  EXPECT_TRUE(tray.Update());  // modified: the date and the failure
  settings_.Mondphasen = 1;
  EXPECT_TRUE(tray.Update());  // the moon phase
}

TEST_F(TrayWinTest, AfterTheShellHasRestartedTheIconIsAddedAgain) {
  TrayIcon tray(window_, clock_, settings_, text_table_, wallpaper_);
  ASSERT_TRUE(tray.Update());
  // The icon a restarted shell no longer has: modifying it would fail, the update adds it instead.
  NOTIFYICONDATAA lost{};
  lost.cbSize = sizeof lost;
  lost.hWnd = window_;
  lost.uID = kTrayIconId;
  Shell_NotifyIconA(NIM_DELETE, &lost);
  tray.ShellRestarted();
  EXPECT_TRUE(tray.Update());
  EXPECT_TRUE(tray.Update());
}

}  // namespace
