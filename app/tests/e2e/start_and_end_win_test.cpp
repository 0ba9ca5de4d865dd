// Quellmoor.exe from start to end, as a user and Windows start it: the first start with its
// settings, the place of the hidden window, second starts that show or end the first one (with the
// options open too), a start that finds the instance mutex taken, and a new start right after EXIT.
#include <gtest/gtest.h>

#include "app/tests/e2e/program_process_win.h"
#include "app/tests/main_window_probe_win.h"
#include "app/window_messages.h"
#include "resources/resource_ids.h"

namespace {

constexpr DWORD kWindowTimeout = 20000;
// The first tick comes 5 seconds after the start; the wallpaper build follows it.
constexpr DWORD kFirstTickTimeout = 40000;

class StartAndEndTest : public ::testing::Test {
 protected:
  void SetUp() override { ForgetProgramSettings(); }

  // Starts the program and waits for its window and its first tick.
  HWND StartAndSettle(ProgramProcess& program) {
    EXPECT_TRUE(program.started());
    HWND window = WaitForMainWindow(kWindowTimeout);
    EXPECT_NE(window, nullptr);
    if (window != nullptr) {
      EXPECT_TRUE(WaitForFirstTick(window, kFirstTickTimeout));
    }
    return window;
  }
};

TEST_F(StartAndEndTest, TheFirstStartPreparesTheSettingsAndHidesTheWindowInItsCorner) {
  ProgramProcess program("");
  ASSERT_TRUE(program.started());
  HWND window = WaitForMainWindow(kWindowTimeout);
  ASSERT_NE(window, nullptr);
  // Until its first tick the window waits off the screen.
  if (IsWindowVisible(window)) {
    EXPECT_EQ(TopLeft(window).x, 9999);
  }
  ASSERT_TRUE(WaitForFirstTick(window, kFirstTickTimeout));
  POINT corner = DefaultCorner(window);
  EXPECT_EQ(TopLeft(window).x, corner.x);
  EXPECT_EQ(TopLeft(window).y, corner.y);

  EXPECT_EQ(RegistryDword(kProgramKey, "dbver"), 4u);
  EXPECT_EQ(RegistryText(kProgramKey, "Version"), "2.6.3");
  std::optional<std::string> autostart = RegistryText(kAutostartKey, "Varnholt Kalvedra");
  ASSERT_TRUE(autostart);
  std::string quoted_program = ProgramPath();
  quoted_program.insert(quoted_program.begin(), '"');
  quoted_program.push_back('"');
  EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, autostart->c_str(), -1, quoted_program.c_str(), -1),
            CSTR_EQUAL)
      << *autostart;
  // The wallpaper build after the first tick stores what it showed.
  EXPECT_TRUE(WaitForRegistryText(kProgramKey, "OldPic", kFirstTickTimeout));

  ExpectEndedBySecondStart("EXIT", program);
}

TEST_F(StartAndEndTest, PuttingTheShownWindowAwayStoresAllSettingsWithTheirDefaults) {
  ProgramProcess program("");
  HWND window = StartAndSettle(program);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(RunToEnd("show"), 1u);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_FALSE(RegistryDword(kProgramKey, "AutoStart"));
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_MINIMIZE, BN_CLICKED), 0);
  EXPECT_FALSE(IsWindowVisible(window));

  POINT corner = DefaultCorner(window);
  EXPECT_EQ(RegistryDword(kProgramKey, "x"), static_cast<std::uint32_t>(corner.x));
  EXPECT_EQ(RegistryDword(kProgramKey, "y"), static_cast<std::uint32_t>(corner.y));
  EXPECT_EQ(RegistryDword(kProgramKey, "AutoStart"), 1u);
  EXPECT_EQ(RegistryDword(kProgramKey, "AutoExit"), 0u);
  EXPECT_EQ(RegistryDword(kProgramKey, "HGwechsel"), 2u);
  EXPECT_EQ(RegistryDword(kProgramKey, "Mondphasen"), 0u);
  EXPECT_EQ(RegistryDword(kProgramKey, "IconColor"), 0xFFFFFFu);
  EXPECT_EQ(RegistryDword(kProgramKey, "xMonatPos"), 10u);
  EXPECT_EQ(RegistryDword(kProgramKey, "wNotizPos"), 450u);
  EXPECT_EQ(RegistryDword(kProgramKey, "NoteTop"), 1u);
  EXPECT_EQ(RegistryText(kProgramKey, "FName"), "Arial");

  ExpectEndedBySecondStart("exit", program);
}

TEST_F(StartAndEndTest, EndingThroughASecondStartWritesNoPosition) {
  ProgramProcess program("");
  HWND window = StartAndSettle(program);
  ASSERT_NE(window, nullptr);
  std::optional<std::uint32_t> x_before = RegistryDword(kProgramKey, "x");
  std::optional<std::uint32_t> y_before = RegistryDword(kProgramKey, "y");
  SetWindowPos(window, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  ExpectEndedBySecondStart("Exit", program);
  EXPECT_TRUE(WaitForWindowGone(window, 5000));
  EXPECT_EQ(RegistryDword(kProgramKey, "x"), x_before);
  EXPECT_EQ(RegistryDword(kProgramKey, "y"), y_before);
}

TEST_F(StartAndEndTest, OtherCommandLinesOnlyShowTheWindow) {
  ProgramProcess program("");
  HWND window = StartAndSettle(program);
  ASSERT_NE(window, nullptr);
  for (const char* request : {"EXIT now", "\"EXIT\"", "show"}) {
    ShowWindow(window, SW_HIDE);
    EXPECT_EQ(RunToEnd(request), 1u) << request;
    EXPECT_FALSE(program.WaitForExit(0)) << request;
    EXPECT_TRUE(IsWindowVisible(window)) << request;
  }
  ExpectEndedBySecondStart("EXIT", program);
}

// An instance still starting or already ending holds the mutex without a window to answer: a start
// waits for it, and runs once the mutex is released.
TEST_F(StartAndEndTest, AStartThatFindsTheMutexButNoWindowWaitsForItAndThenRuns) {
  HANDLE mutex = CreateMutexA(nullptr, TRUE, kInstanceMutexName);
  ASSERT_NE(mutex, nullptr);
  ProgramProcess program("");
  Sleep(1000);
  EXPECT_FALSE(program.WaitForExit(0));
  EXPECT_EQ(FindWindowA(nullptr, kMainWindowTitle), nullptr);
  ReleaseMutex(mutex);
  CloseHandle(mutex);
  ASSERT_NE(StartAndSettle(program), nullptr);
  ExpectEndedBySecondStart("EXIT", program);
}

// EXIT ends the running program whatever it has open: the options' modal sheet ends with it.
TEST_F(StartAndEndTest, ExitEndsTheProgramWhileTheOptionsAreOpen) {
  ProgramProcess program("");
  HWND window = StartAndSettle(program);
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_COMMAND, IDC_MAIN_OPTIONS, 0);
  HWND sheet = nullptr;
  for (int wait = 0; wait < 100 && sheet == nullptr; ++wait) {
    Sleep(100);
    sheet = FindWindowA("#32770", " Optionen");
  }
  ASSERT_NE(sheet, nullptr);
  ExpectEndedBySecondStart("EXIT", program);
}

// As an installer does on an update: EXIT, and a start right after it, which must not hand its
// request to the instance that is ending.
TEST_F(StartAndEndTest, AStartRightAfterExitRunsTheProgram) {
  ProgramProcess first("");
  ASSERT_NE(StartAndSettle(first), nullptr);
  EXPECT_EQ(RunToEnd("EXIT"), 1u);
  ProgramProcess again("");
  HWND window = StartAndSettle(again);
  ASSERT_NE(window, nullptr);
  // The window is the new instance's, which runs: the start did not hand over to the ending one.
  EXPECT_FALSE(again.WaitForExit(0));
  EXPECT_EQ(first.WaitForExit(0), 1u);
  ExpectEndedBySecondStart("EXIT", again);
}

}  // namespace
