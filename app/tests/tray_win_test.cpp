// The tray icon under the shell: the first update adds it, later ones modify it, in both displays
// and both tooltips, and after its removal the next update adds it again.
#include "app/tray_win.h"

#include <gtest/gtest.h>

#include "app/program_win.h"
#include "calendar/clock.h"

namespace {

class TrayWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetProgramInstance(GetModuleHandleA(nullptr));
    window_ = CreateWindowExA(0, "STATIC", "tray test", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    LocalTime saturday;
    saturday.day = 5;
    saturday.month = 12;
    saturday.year = 2026;
    clock_.Set(WithWeekday(saturday));
    SetProgramClock(&clock_);
    ProgramSettings().regional.date_order = 1;
    ProgramSettings().regional.date_separator = std::string(1, '.');
  }
  void TearDown() override {
    RemoveTrayIcon(window_);
    ProgramSettings().Mondphasen = 0;
    SetProgramClock(nullptr);
    DestroyWindow(window_);
  }

  HWND window_ = nullptr;
  FixedClock clock_{LocalTime{}};
};

TEST_F(TrayWinTest, AddedFirstThenModifiedInEveryForm) {
  EXPECT_TRUE(UpdateTrayIcon(window_, true));   // added, busy
  EXPECT_TRUE(UpdateTrayIcon(window_, false));  // modified: the date
  ProgramSettings().Mondphasen = 1;
  EXPECT_TRUE(UpdateTrayIcon(window_, false));  // the moon phase
  EXPECT_TRUE(UpdateTrayIcon(window_, true));
}

TEST_F(TrayWinTest, AfterItsRemovalTheIconIsAddedAgain) {
  ASSERT_TRUE(UpdateTrayIcon(window_, false));
  RemoveTrayIcon(window_);
  // Modifying an icon that is gone fails; the update adds it instead.
  EXPECT_TRUE(UpdateTrayIcon(window_, false));
  EXPECT_TRUE(UpdateTrayIcon(window_, false));
}

}  // namespace
