// The tray icon under the shell: the first update adds it, later ones modify it, in both displays
// and both tooltips, and after the shell has lost it the next update adds it again.
#include "app/tray_win.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include "app/window_messages.h"
#include "calendar/clock.h"

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
};

TEST_F(TrayWinTest, AddedFirstThenModifiedInEveryForm) {
  TrayIcon tray(window_, clock_, settings_, text_table_);
  EXPECT_TRUE(tray.Update(true));   // added, busy
  EXPECT_TRUE(tray.Update(false));  // modified: the date
  settings_.Mondphasen = 1;
  EXPECT_TRUE(tray.Update(false));  // the moon phase
  EXPECT_TRUE(tray.Update(true));
}

TEST_F(TrayWinTest, AfterTheShellHasRestartedTheIconIsAddedAgain) {
  TrayIcon tray(window_, clock_, settings_, text_table_);
  ASSERT_TRUE(tray.Update(false));
  // The icon a restarted shell no longer has: modifying it would fail, the update adds it instead.
  NOTIFYICONDATAA lost{};
  lost.cbSize = sizeof lost;
  lost.hWnd = window_;
  lost.uID = kTrayIconId;
  Shell_NotifyIconA(NIM_DELETE, &lost);
  tray.ShellRestarted();
  EXPECT_TRUE(tray.Update(false));
  EXPECT_TRUE(tray.Update(false));
}

}  // namespace
