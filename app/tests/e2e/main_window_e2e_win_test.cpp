// The running program's main window as another program sees it: its buttons, today's date and the
// text about today, read through the window handle.
#include <gtest/gtest.h>

#include <string>

#include "app/date_text.h"
#include "app/tests/e2e/program_process_win.h"
#include "app/tests/main_window_probe_win.h"
#include "calendar/clock.h"
#include "calendar/date_arithmetic.h"
#include "resources/resource_ids.h"

namespace {

// The user's regional date format, as the program reads it.
RegionalSettings UserRegionalSettings() {
  RegionalSettings regional;
  const char* international = "Control Panel\\International";
  regional.date_order = std::atoi(RegistryText(international, "iDate").value_or("1").c_str());
  regional.date_separator = RegistryText(international, "sDate").value_or(".").substr(0, 7);
  return regional;
}

std::string TodaysDateText() {
  char text[256];
  FormatDateText(text, sizeof text, SystemClock().Now(), UserRegionalSettings(), TextTable());
  return text;
}

TEST(MainWindowEndToEndTest, TheWindowShowsItsButtonsTodaysDateAndTheDayOfTheYear) {
  ForgetProgramSettings();
  ProgramProcess program("");
  HWND window = WaitForMainWindow(20000);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForFirstTick(window, 40000));

  EXPECT_EQ(ControlText(window, IDC_MAIN_NEW_PICTURE), "&Bildwechsel");
  EXPECT_EQ(ControlText(window, IDC_MAIN_CALENDAR), "&Kalender");
  EXPECT_EQ(ControlText(window, IDC_MAIN_EXIT), "B&eenden");
  // Read twice around the window's text, so that a change of date in between is no failure.
  std::string before = TodaysDateText();
  std::string shown = ControlText(window, IDC_MAIN_DATE_TEXT);
  std::string after = TodaysDateText();
  EXPECT_TRUE(shown == before || shown == after) << shown << " / " << before;
  LocalTime today = SystemClock().Now();
  std::string info = ControlText(window, IDC_MAIN_INFO_TEXT);
  std::string day_of_year = std::to_string(DayOfYear(today.day, today.month, today.year)) + ". Tag im Jahr";
  EXPECT_NE(info.find(day_of_year), std::string::npos) << info;
  EXPECT_NE(info.find("Kalenderwoche"), std::string::npos) << info;

  ExpectEndedBySecondStart("EXIT", program);
}

// Putting the window away saves every setting; the sound device and volume that the user stored
// are saved as they were, not as their defaults.
TEST(MainWindowEndToEndTest, PuttingTheWindowAwayKeepsTheStoredSoundSettings) {
  ForgetProgramSettings();
  const DWORD volume = 35;
  const DWORD device = 2;
  StoreProgramSetting("SndVolume", REG_DWORD, &volume, sizeof volume);
  StoreProgramSetting("SndDevice", REG_DWORD, &device, sizeof device);

  ProgramProcess program("");
  HWND window = WaitForMainWindow(20000);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForFirstTick(window, 40000));
  SendMessageA(window, WM_COMMAND, IDC_MAIN_MINIMIZE, 0);
  EXPECT_EQ(RegistryDword(kProgramKey, "SndVolume"), 35u);
  EXPECT_EQ(RegistryDword(kProgramKey, "SndDevice"), 2u);
  EXPECT_TRUE(RegistryDword(kProgramKey, "x").has_value());  // the window did save its settings

  ExpectEndedBySecondStart("EXIT", program);
}

}  // namespace
