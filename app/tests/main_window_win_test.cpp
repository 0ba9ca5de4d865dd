// The main window driven through its messages: the texts and the parking place after
// initialisation, the first tick, a new day at midnight, tray clicks, the moon display, putting the
// window away, the note and calendar hosts, the hotkeys, and the ways the modal window ends.
#include "app/main_window_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "app/date_icon_picture.h"
#include "app/date_text.h"
#include "app/host_windows_win.h"
#include "app/program_win.h"
#include "app/tests/icon_pixels_win.h"
#include "app/tests/main_window_probe_win.h"
#include "app/window_messages.h"
#include "calendar/clock.h"
#include "common/tests/answering_win.h"
#include "resources/resource_ids.h"
#include "settings/settings_platform_win.h"
#include "texts/text_table.h"
#include "wallpaper/picture_list.h"

namespace {

LocalTime At(int day, int month, int year, int hour, int minute, int second) {
  LocalTime time;
  time.day = day;
  time.month = month;
  time.year = year;
  time.hour = hour;
  time.minute = minute;
  time.second = second;
  return WithWeekday(time);
}

HICON ControlIcon(HWND window, int id) {
  return reinterpret_cast<HICON>(SendDlgItemMessageA(window, id, STM_GETICON, 0, 0));
}

// The text of a message box: the longest text of its static controls (their ids differ between
// Windows versions).
std::string MessageBoxText(HWND box) {
  std::string longest;
  for (HWND child = FindWindowExA(box, nullptr, "Static", nullptr); child != nullptr;
       child = FindWindowExA(box, child, "Static", nullptr)) {
    char text[512] = {};
    GetWindowTextA(child, text, sizeof text);
    if (std::string(text).size() > longest.size()) longest = text;
  }
  return longest;
}

void Tick(HWND window) { SendMessageA(window, WM_TIMER, TIMER_CHECK, 0); }

std::optional<int> StoredInt(const char* name) {
  std::optional<std::uint32_t> value = ProgramStore().ReadDword(ProgramSettings().keys.main, name);
  if (!value) return std::nullopt;
  return static_cast<int>(*value);
}

// Counts the messages a host window receives.
struct HostMessages {
  int show = 0;
  int hide = 0;
};
HostMessages g_note_messages, g_calendar_messages;

LRESULT CALLBACK CountingHost(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == MSG_NOTE_SHOW) ++g_note_messages.show;
  if (message == MSG_NOTE_HIDE) ++g_note_messages.hide;
  if (message == MSG_CALENDAR_SHOW) ++g_calendar_messages.show;
  if (message == MSG_CALENDAR_HIDE) ++g_calendar_messages.hide;
  return DefWindowProcA(window, message, wparam, lparam);
}

// The program's note and month calendar hosts, made as at start-up, counting what they receive.
bool CreateCountingHosts() {
  SetQuitFlag(0);
  if (!CreateNoteWindow() || !CreateMonthWindow()) return false;
  for (HostWindow* host : {&NoteHost(), &MonthHost()}) {
    SetWindowLongPtrA(host->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingHost));
  }
  return true;
}

class MainWindowWinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SetProgramInstance(GetModuleHandleA(nullptr));
    WindowsSettingsPlatform platform;
    LoadSettings(ProgramSettings(), platform);
    EnsurePictureList(ProgramSettings(), ProgramStore());
    LoadWeekdayNames();
  }

  // The load and the window stored settings, the autostart value, the picture list and the
  // wallpaper: all of it goes, so that later tests find nothing stored.
  static void TearDownTestSuite() {
    RegDeleteTreeA(HKEY_CURRENT_USER, ProgramSettings().keys.main.c_str());
    ProgramStore().DeleteValue(kRunKey, kAutostartValueName);
    char application_data[MAX_PATH] = {};
    if (SHGetSpecialFolderPathA(nullptr, application_data, CSIDL_APPDATA, FALSE)) {
      std::error_code ignored;
      std::filesystem::remove_all(std::filesystem::path(application_data) / "Varnholt", ignored);
    }
  }

  void SetUp() override {
    Settings& settings = ProgramSettings();
    settings.x = 0;
    settings.y = 0;
    settings.AutoExit = 0;
    settings.Mondphasen = 0;
    settings.regional.date_order = 1;
    settings.regional.date_separator = std::string(1, '.');
    clock_.Set(At(7, 12, 2026, 10, 0, 0));  // a Monday
    SetProgramClock(&clock_);
  }

  void TearDown() override {
    if (dialog_ != nullptr) DestroyWindow(dialog_);
    SetProgramClock(nullptr);
  }

  // The window as the program runs it, but modeless, so that the test drives it.
  HWND Open() {
    dialog_ = CreateDialogParamA(ProgramInstance(), MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    EXPECT_NE(dialog_, nullptr);
    // The program's modal loop shows the window after its initialisation.
    ShowWindow(dialog_, SW_SHOWNA);
    return dialog_;
  }

  // The window as the program runs it: modal, while driver works it from another thread. Returns
  // the dialog's result.
  INT_PTR RunModal(const std::function<void(HWND)>& driver) {
    std::thread driving([&driver] {
      HWND window = nullptr;
      // The window is titled during its initialisation and shown when that is complete.
      for (int wait = 0; wait < 200 && (window == nullptr || !IsWindowVisible(window)); ++wait) {
        Sleep(50);
        window = FindWindowA(nullptr, kMainWindowTitle);
      }
      if (window == nullptr) return;
      driver(window);
      // Whatever the driver did, the window must not outlive the test.
      if (IsWindow(window)) PostMessageA(window, MSG_QUIT_MAIN, 0, 0);
    });
    INT_PTR result = DialogBoxParamA(ProgramInstance(), MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    driving.join();
    return result;
  }

  FixedClock clock_{LocalTime{}};
  HWND dialog_ = nullptr;
};

TEST_F(MainWindowWinTest, InitialisationSetsTitleAndTextsAndParksTheWindowOffTheScreen) {
  HWND window = Open();
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  EXPECT_STREQ(title, "Quellmoor");
  // A tool window: no button of its own on the taskbar.
  EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  struct Caption {
    int id;
    const char* text;
  };
  for (const Caption& caption : {Caption{IDC_MAIN_NEW_PICTURE, "&Bildwechsel"}, Caption{IDC_MAIN_ALARM, "&Wecker"},
                                 Caption{IDC_MAIN_CALCULATOR, "&Rechner"}, Caption{IDC_MAIN_CALENDAR, "&Kalender"},
                                 Caption{IDC_MAIN_OPTIONS, "&Optionen"}, Caption{IDC_MAIN_NOTE, "&Notiz"},
                                 Caption{IDC_MAIN_HELP, "&Hilfe"}, Caption{IDC_MAIN_MINIMIZE, "Mi&nimieren"},
                                 Caption{IDC_MAIN_EXIT, "B&eenden"}}) {
    EXPECT_EQ(ControlText(window, caption.id), caption.text) << caption.id;
  }
  EXPECT_EQ(GetWindowLongA(GetDlgItem(window, IDC_MAIN_CALCULATOR), GWL_STYLE) & WS_VISIBLE, 0);
  EXPECT_EQ(ControlText(window, IDC_MAIN_DATE_TEXT), "Montag 07.12.2026");
  std::string info = ControlText(window, IDC_MAIN_INFO_TEXT);
  EXPECT_NE(info.find("341. Tag im Jahr"), std::string::npos) << info;
  EXPECT_NE(info.find("50. Kalenderwoche"), std::string::npos) << info;
  EXPECT_EQ(TopLeft(window).x, 9999);
  EXPECT_EQ(TopLeft(window).y, 9999);
  EXPECT_NE(SendDlgItemMessageA(window, IDC_MAIN_TITLE_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);

  // The date text's font is bold and half as large again as the dialog's.
  LOGFONTA dialog_font{}, date_font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof dialog_font, &dialog_font);
  GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(window, IDC_MAIN_DATE_TEXT, WM_GETFONT, 0, 0)),
             sizeof date_font, &date_font);
  EXPECT_EQ(date_font.lfWeight, FW_BOLD);
  EXPECT_EQ(date_font.lfHeight, dialog_font.lfHeight + dialog_font.lfHeight / 2);
}

TEST_F(MainWindowWinTest, TheFirstTickPlacesTheWindowInTheDefaultCornerAndHidesIt) {
  HWND window = Open();
  Tick(window);
  EXPECT_FALSE(IsWindowVisible(window));
  POINT corner = DefaultCorner(window);
  EXPECT_EQ(TopLeft(window).x, corner.x);
  EXPECT_EQ(TopLeft(window).y, corner.y);
  HICON date_icon = ControlIcon(window, IDC_MAIN_DATE_ICON);
  ASSERT_NE(date_icon, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)), date_icon);
  // 7 December 2026: the moon's last crescent.
  EXPECT_EQ(ControlIcon(window, IDC_MAIN_MOON_ICON),
            static_cast<HICON>(LoadImageA(ProgramInstance(), "MOND7", IMAGE_ICON, 32, 32, LR_SHARED)));
  EXPECT_EQ(MainWindow().day_changed, 0);  // the wallpaper build has had its chance
}

// A wallpaper build that throws (memory that runs out in a part the build does not guard) must not
// stop the periodic check for the rest of the run: its timer runs again and the next tick builds.
TEST_F(MainWindowWinTest, TheCheckGoesOnAfterABuildThatThrows) {
  HWND window = Open();
  int builds = 0;
  MainWindow().build_wallpaper = [&builds](WallpaperRequest) -> bool {
    ++builds;
    throw std::bad_alloc();
  };
  Tick(window);
  EXPECT_EQ(builds, 1);
  EXPECT_TRUE(KillTimer(window, TIMER_CHECK)) << "the periodic check's timer is not running";
  Tick(window);
  EXPECT_EQ(builds, 2);
}

TEST_F(MainWindowWinTest, APaletteDisplayIsReportedAtTheFirstTickOnly) {
  // Under tools/wine-run.sh --screen 1280x1024x8 the display has a palette of 256 colours; at the
  // usual depths it has none and nothing is reported.
  bool palette_display = (GetDeviceCaps(ScreenDc().get(), RASTERCAPS) & RC_PALETTE) != 0;
  HWND window = Open();
  std::atomic<bool> ticking{true};
  std::string reported;
  int boxes = 0;
  std::thread watching([&ticking, &reported, &boxes] {
    HWND answered = nullptr;
    while (ticking) {
      // The box is found as soon as it exists; its text follows with its initialisation.
      HWND box = FindWindowA("#32770", "Sorry!");
      std::string text = box != nullptr ? MessageBoxText(box) : "";
      if (!text.empty() && box != answered) {
        reported = text;
        ++boxes;
        answered = box;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }
      Sleep(50);
    }
  });
  Tick(window);
  Tick(window);
  ticking = false;
  watching.join();
  EXPECT_EQ(boxes, palette_display ? 1 : 0);
  if (palette_display) {
    EXPECT_EQ(reported, LookupText(texts::ERR_COLORS));
  }
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(MainWindowWinTest, ANewDayAtMidnightMakesNewIconsAndTexts) {
  clock_.Set(At(4, 12, 2026, 23, 59, 5));  // a Friday
  HWND window = Open();
  Tick(window);
  HICON friday = ControlIcon(window, IDC_MAIN_DATE_ICON);
  EXPECT_EQ(ControlText(window, IDC_MAIN_DATE_TEXT), "Freitag 04.12.2026");
  EXPECT_EQ(CountDigitPixels(ReadIconPixels(friday).colour, kLargeDateIconDigits).red, 0);

  clock_.Set(At(5, 12, 2026, 0, 0, 5));
  Tick(window);
  HICON saturday = ControlIcon(window, IDC_MAIN_DATE_ICON);
  EXPECT_NE(saturday, friday);
  EXPECT_EQ(ControlText(window, IDC_MAIN_DATE_TEXT), "Samstag 05.12.2026");
  EXPECT_NE(ControlText(window, IDC_MAIN_INFO_TEXT).find("339. Tag im Jahr"), std::string::npos);
  EXPECT_GE(CountDigitPixels(ReadIconPixels(saturday).colour, kLargeDateIconDigits).red, 8);

  // Later ticks of the same day keep the icon.
  clock_.Set(At(5, 12, 2026, 0, 0, 35));
  Tick(window);
  EXPECT_EQ(ControlIcon(window, IDC_MAIN_DATE_ICON), saturday);
}

TEST_F(MainWindowWinTest, TrayClicksShowAndHideTheWindowUnlessADialogRunsFromIt) {
  HWND window = Open();
  Tick(window);
  SendMessageA(window, MSG_TRAY_NOTIFY, kTrayIconId, WM_LBUTTONDOWN);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(TopLeft(window).x, DefaultCorner(window).x);
  EXPECT_EQ(MainWindow().shown, 1);
  SendMessageA(window, MSG_TRAY_NOTIFY, kTrayIconId, WM_LBUTTONDOWN);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(MainWindow().shown, 0);

  MainWindow().modal = 1;
  SendMessageA(window, MSG_TRAY_NOTIFY, kTrayIconId, WM_LBUTTONDOWN);
  EXPECT_FALSE(IsWindowVisible(window));
  MainWindow().modal = 0;
  // Other mouse messages do nothing.
  SendMessageA(window, MSG_TRAY_NOTIFY, kTrayIconId, WM_MOUSEMOVE);
  EXPECT_FALSE(IsWindowVisible(window));
}

// The Desktop page's Apply asks for a wallpaper build, which the main window makes at its first check
// after the options have closed, never while they are open.
TEST_F(MainWindowWinTest, AppliedDesktopSettingsRebuildTheWallpaperAfterTheOptionsHaveClosed) {
  HWND window = Open();
  Tick(window);
  int builds = 0;
  MainWindow().build_wallpaper = [&builds](WallpaperRequest) -> bool {
    ++builds;
    return true;
  };
  int builds_while_open = -1;
  Answering answering(" Optionen", [&](HWND sheet) {
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    SendDlgItemMessageA(page, IDC_DESKTOP_CHANGE_HOURLY, BM_CLICK, 0, 0);
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
    Tick(window);
    builds_while_open = builds;
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  });
  SendMessageA(window, WM_COMMAND, IDC_MAIN_OPTIONS, 0);
  EXPECT_TRUE(answering.Finish());
  EXPECT_EQ(builds_while_open, 0);
  EXPECT_EQ(builds, 0);
  Tick(window);
  EXPECT_EQ(builds, 1);
  EXPECT_EQ(StoredInt("HGwechsel"), 1);
}

// Lets the window's timers fire for the given time.
void PumpMessagesFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG message;
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(10);
  }
}

// Changes of the monitors, the DPI and the work area, however many, redraw the wallpaper once after
// they have settled, and not while the options are open; the wallpaper's own change notice does not.
TEST_F(MainWindowWinTest, DisplayChangesRedrawTheWallpaperOnceTheyHaveSettled) {
  HWND window = Open();
  Tick(window);
  std::vector<WallpaperRequest> requests;
  MainWindow().build_wallpaper = [&requests](WallpaperRequest request) {
    requests.push_back(request);
    return true;
  };
  RECT suggested{0, 0, 800, 600};
  MainWindow().modal = 1;
  SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));
  SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  SendMessageA(window, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  PumpMessagesFor(kDisplaySettleDelay + 800);
  EXPECT_TRUE(requests.empty());
  MainWindow().modal = 0;
  PumpMessagesFor(kDisplaySettleDelay + 800);
  EXPECT_EQ(requests, std::vector<WallpaperRequest>{WallpaperRequest::kRedraw});

  requests.clear();
  SendMessageA(window, WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
  PumpMessagesFor(kDisplaySettleDelay + 800);
  EXPECT_TRUE(requests.empty());
}

TEST_F(MainWindowWinTest, TheMoonDisplayIsSwitchedAndStored) {
  HWND window = Open();
  SendMessageA(window, MSG_TRAY_NOTIFY, kTrayIconId, WM_RBUTTONDOWN);
  EXPECT_EQ(ProgramSettings().Mondphasen, 1);
  EXPECT_EQ(StoredInt("Mondphasen"), 1);
  SendMessageA(window, MSG_TRAY_NOTIFY, kTrayIconId, WM_RBUTTONDOWN);
  EXPECT_EQ(StoredInt("Mondphasen"), 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_MOON_ICON, STN_CLICKED), 0);
  EXPECT_EQ(StoredInt("Mondphasen"), 1);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_DATE_ICON, STN_CLICKED), 0);
  EXPECT_EQ(StoredInt("Mondphasen"), 0);
  EXPECT_EQ(ProgramSettings().Mondphasen, 0);
}

TEST_F(MainWindowWinTest, PuttingTheWindowAwayStoresItsPosition) {
  HWND window = Open();
  Tick(window);
  for (int id : {IDC_MAIN_MINIMIZE, IDCANCEL}) {
    SendMessageA(window, MSG_SHOW_MAIN, 0, 0);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(MainWindow().shown, 1);
    SetWindowPos(window, nullptr, 120 + id % 7, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(MainWindow().shown, 0);
    EXPECT_EQ(StoredInt("x"), 120 + id % 7);
    EXPECT_EQ(StoredInt("y"), 45);
  }
}

TEST_F(MainWindowWinTest, TheNoteWindowAndTheCalendarAreToggledThroughTheirHosts) {
  ASSERT_TRUE(CreateCountingHosts());
  g_note_messages = {};
  g_calendar_messages = {};
  HWND window = Open();

  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_NOTE, BN_CLICKED), 0);
  EXPECT_EQ(g_note_messages.show, 1);
  NoteHost().visible = 1;
  SendMessageA(window, WM_HOTKEY, HOTKEY_NOTE, 0);
  EXPECT_EQ(g_note_messages.hide, 1);

  SendMessageA(window, WM_HOTKEY, HOTKEY_CALENDAR, 0);
  EXPECT_EQ(g_calendar_messages.show, 1);
  MonthHost().visible = 1;
  // While the calendar is shown the periodic check holds the wallpaper build back.
  Tick(window);
  EXPECT_EQ(MainWindow().day_changed, 1);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_CALENDAR, BN_CLICKED), 0);
  EXPECT_EQ(g_calendar_messages.hide, 1);
  MonthHost().visible = 0;
  Tick(window);
  EXPECT_EQ(MainWindow().day_changed, 0);

  SetQuitFlag(1);
  DestroyHostWindow(NoteHost());
  DestroyHostWindow(MonthHost());
}

// Each hotkey does its own action and no other: a new picture, the alarm editor, the note window, the
// month calendar, and the main window shown as a second start shows it.
TEST_F(MainWindowWinTest, EachHotkeyDoesItsAction) {
  ASSERT_TRUE(CreateCountingHosts());
  HWND window = Open();
  Tick(window);
  int builds = 0;
  MainWindow().build_wallpaper = [&builds](WallpaperRequest request) {
    if (request == WallpaperRequest::kRebuild) ++builds;
    return true;
  };
  struct Case {
    int id;
    int builds;
    bool editor;
    int note_shows;
    int calendar_shows;
    bool window_shown;
  };
  const Case cases[] = {
      {HOTKEY_NEW_PICTURE, 1, false, 0, 0, false}, {HOTKEY_ALARM_EDITOR, 0, true, 0, 0, false},
      {HOTKEY_NOTE, 0, false, 1, 0, false},        {HOTKEY_CALENDAR, 0, false, 0, 1, false},
      {HOTKEY_SHOW_WINDOW, 0, false, 0, 0, true},  {205, 0, false, 0, 0, false},
  };
  for (const Case& c : cases) {
    builds = 0;
    g_note_messages = {};
    g_calendar_messages = {};
    ShowWindow(window, SW_HIDE);
    MainWindow().shown = 0;
    Answering editor(LookupText(texts::ALARM_CAPTION),
                     [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    SendMessageA(window, WM_HOTKEY, static_cast<WPARAM>(c.id), 0);
    EXPECT_EQ(editor.Finish(), c.editor) << c.id;
    EXPECT_EQ(builds, c.builds) << c.id;
    EXPECT_EQ(g_note_messages.show, c.note_shows) << c.id;
    EXPECT_EQ(g_calendar_messages.show, c.calendar_shows) << c.id;
    EXPECT_EQ(IsWindowVisible(window) != FALSE, c.window_shown) << c.id;
    EXPECT_EQ(MainWindow().shown, c.window_shown ? 1 : 0) << c.id;
  }

  SetQuitFlag(1);
  DestroyHostWindow(NoteHost());
  DestroyHostWindow(MonthHost());
}

TEST_F(MainWindowWinTest, AQuitRequestEndsTheWindowWithoutStoringItsPosition) {
  ProgramStore().WriteDword(ProgramSettings().keys.main, "x", 777);
  INT_PTR result = RunModal([](HWND window) {
    SetWindowPos(window, nullptr, 200, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(window, MSG_QUIT_MAIN, 0, 0);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(StoredInt("x"), 777);
}

TEST_F(MainWindowWinTest, TheExitButtonStoresThePositionAndEndsTheWindow) {
  INT_PTR result = RunModal([](HWND window) {
    SetWindowPos(window, nullptr, 210, 310, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_EXIT, BN_CLICKED), 0);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(StoredInt("x"), 210);
  EXPECT_EQ(StoredInt("y"), 310);
}

TEST_F(MainWindowWinTest, WithAutomaticExitTheWindowEndsAtTheSixthHiddenTick) {
  ProgramSettings().AutoExit = 1;
  ProgramStore().WriteDword(ProgramSettings().keys.main, "AutoExit", 0);
  int ticks = 0;
  INT_PTR result = RunModal([&ticks](HWND window) {
    while (ticks < 10 && MainWindow().auto_exit_ticks <= 5) {
      Tick(window);
      ++ticks;
    }
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(ticks, 6);
  // The automatic exit stores the settings before the window ends.
  EXPECT_EQ(StoredInt("AutoExit"), 1);
}

}  // namespace
