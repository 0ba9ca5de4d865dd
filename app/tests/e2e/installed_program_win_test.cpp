// The program as its installer leaves it, started from the installation folder by the installer's
// test, which sets QUELLMOOR_INSTALLED_PROGRAM and has chosen English: its texts come from the
// English language file installed beside it, and "Help" opens the help file installed there.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/tests/e2e/program_process_win.h"
#include "app/tests/main_window_probe_win.h"
#include "resources/resource_ids.h"

namespace {

TEST(InstalledProgramTest, SpeaksTheChosenLanguageAndOpensItsHelp) {
  if (std::getenv("QUELLMOOR_INSTALLED_PROGRAM") == nullptr) GTEST_SKIP() << "run by the installer's test";
  HWND window = WaitForMainWindow(20000);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ControlText(window, IDC_MAIN_OPTIONS), "&Options");

  PostMessageA(window, WM_COMMAND, IDC_MAIN_HELP, 0);
  HWND help = nullptr;
  for (int wait = 0; wait < 200 && help == nullptr; ++wait) {
    Sleep(100);
    help = FindWindowA("HH Parent", "Quellmoor-Hilfe");
  }
  ASSERT_NE(help, nullptr) << "no help window: the help file was not found beside the program";
  PostMessageA(help, WM_CLOSE, 0, 0);
}

}  // namespace
