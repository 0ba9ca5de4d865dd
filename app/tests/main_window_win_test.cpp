// The main window of a running program driven through its messages: the texts and the parking place
// after initialisation, the first tick, a new day at midnight, tray clicks, the moon display, putting
// the window away, the note window and the calendar, the hotkeys, the language switched at once, and
// the ways the program ends.
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
#include "app/program_win.h"
#include "app/tests/icon_pixels_win.h"
#include "app/tests/main_window_probe_win.h"
#include "app/window_messages.h"
#include "calendar/clock.h"
#include "common/tests/answering_win.h"
#include "options/tests/options_sheet_support_win.h"
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

void Tick(HWND window) { SendMessageA(window, WM_TIMER, TIMER_CHECK, 0); }

// Lets the window's timers fire for the given time.
void PumpMessagesFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG message;
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(10);
  }
}

class MainWindowWinTest : public ::testing::Test {
 protected:
  // The load and the window stored settings, the autostart value, the picture list and the
  // wallpaper: all of it goes, so that later tests find nothing stored.
  static void TearDownTestSuite() {
    RegDeleteTreeA(HKEY_CURRENT_USER, MakeSettingsKeys("Quellmoor").main.c_str());
    RegistrySettingsStore().DeleteValue(kRunKey, kAutostartValueName);
    char application_data[MAX_PATH] = {};
    if (SHGetSpecialFolderPathA(nullptr, application_data, CSIDL_APPDATA, FALSE)) {
      std::error_code ignored;
      std::filesystem::remove_all(std::filesystem::path(application_data) / "Varnholt", ignored);
    }
  }

  void SetUp() override { MakeProgram(); }

  // A program as a start makes it, on 7 December 2026, a Monday; the language a test chose before is
  // not this one's.
  void MakeProgram() {
    clock_.Set(At(7, 12, 2026, 10, 0, 0));
    RegistrySettingsStore().DeleteValue(MakeSettingsKeys("Quellmoor").main, "Sprache");
    program_.reset();
    program_.emplace(clock_);
    Settings& settings = program_->settings();
    settings.x = 0;
    settings.y = 0;
    settings.AutoExit = 0;
    settings.Mondphasen = 0;
    settings.regional.date_order = 1;
    settings.regional.date_separator = std::string(1, '.');
  }

  // The program started, its main window parked and shown as the program shows it.
  HWND Open() {
    EXPECT_TRUE(program_->Start());
    return Main().window();
  }

  MainWindow& Main() { return program_->main_window(); }

  // Waits up to ten seconds for the wallpaper build running, if any, to end, and its end to be taken.
  void AwaitBuild() {
    for (int wait = 0; wait < 200 && program_->wallpaper().building(); ++wait) PumpMessagesFor(50);
  }

  // Every wallpaper build from now on (once the one running has ended) is recorded in requests_
  // instead of being made.
  void RecordBuilds() {
    AwaitBuild();
    program_->wallpaper().start_build = [this](WallpaperRequest request) { requests_.push_back(request); };
  }

  // Opens the options from the main window; inside works the shown sheet from another thread and
  // ends it with one of its buttons. Whether the sheet came.
  bool WithOptionsOpen(const std::function<void(HWND sheet)>& inside) {
    Answering answering(" Optionen", inside);
    SendMessageA(Main().window(), WM_COMMAND, IDC_MAIN_OPTIONS, 0);
    return answering.Finish();
  }
  MainWindowState& State() { return Main().state(); }

  std::optional<int> StoredInt(const char* name) {
    std::optional<std::uint32_t> value = program_->store().ReadDword(program_->settings().keys.main, name);
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
  }

  // The program as it runs, in its message loop, while driver works it from another thread. Returns
  // the loop's exit code.
  int RunProgram(const std::function<void(HWND)>& driver) {
    HWND window = Open();
    std::thread driving([&driver, window] {
      driver(window);
      // Whatever the driver did, the program must not outlive the test.
      PostMessageA(window, MSG_QUIT_MAIN, 0, 0);
    });
    const int result = program_->Run();
    driving.join();
    return result;
  }

  FixedClock clock_{LocalTime{}};
  std::optional<Program> program_;
  std::vector<WallpaperRequest> requests_;
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
            static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MOND7", IMAGE_ICON, 32, 32, LR_SHARED)));
  EXPECT_TRUE(program_->wallpaper().building());  // the month of the new day is drawn
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
    EXPECT_EQ(reported, TextTable().LookupText(texts::ERR_COLORS));
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
  EXPECT_EQ(State().shown, 1);
  SendMessageA(window, MSG_TRAY_NOTIFY, kTrayIconId, WM_LBUTTONDOWN);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(State().shown, 0);

  State().modal = 1;
  SendMessageA(window, MSG_TRAY_NOTIFY, kTrayIconId, WM_LBUTTONDOWN);
  EXPECT_FALSE(IsWindowVisible(window));
  State().modal = 0;
  // Other mouse messages do nothing.
  SendMessageA(window, MSG_TRAY_NOTIFY, kTrayIconId, WM_MOUSEMOVE);
  EXPECT_FALSE(IsWindowVisible(window));
}

// The Desktop page's Apply asks for a wallpaper build, which is made as soon as the options have
// closed, never while they are open.
TEST_F(MainWindowWinTest, AppliedDesktopSettingsRebuildTheWallpaperAfterTheOptionsHaveClosed) {
  HWND window = Open();
  Tick(window);
  RecordBuilds();
  std::size_t builds_while_open = 99;
  EXPECT_TRUE(WithOptionsOpen([&](HWND sheet) {
    ClickItem(GoToPage(sheet, 1), IDC_DESKTOP_CHANGE_HOURLY);
    PressSheetButton(sheet, PSBTN_APPLYNOW);
    Tick(window);
    builds_while_open = requests_.size();
    PressSheetButton(sheet, PSBTN_OK);
  }));
  EXPECT_EQ(builds_while_open, 0u);
  EXPECT_EQ(requests_, std::vector<WallpaperRequest>{WallpaperRequest::kRebuild});
  EXPECT_EQ(StoredInt("HGwechsel"), 1);
}

// The alarm editor's OK keeps a wallpaper build the check asked for while the editor was open.
TEST_F(MainWindowWinTest, TheEditorsOkKeepsAWaitingBuild) {
  HWND window = Open();
  Tick(window);
  RecordBuilds();
  Answering editor(TextTable().LookupText(texts::ALARM_CAPTION), [&](HWND dialog) {
    Tick(window);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  SendMessageA(window, WM_HOTKEY, HOTKEY_ALARM_EDITOR, 0);
  ASSERT_TRUE(editor.Finish());
  EXPECT_EQ(requests_, std::vector<WallpaperRequest>{WallpaperRequest::kCheck});
}

// Changes of the monitors, the DPI and the work area, however many, redraw the wallpaper once after
// they have settled, and not while the options are open but once they have closed; the wallpaper's
// own change notice redraws nothing.
TEST_F(MainWindowWinTest, DisplayChangesRedrawTheWallpaperOnceTheyHaveSettled) {
  HWND window = Open();
  Tick(window);
  RecordBuilds();
  std::size_t requests_while_open = 99;
  ASSERT_TRUE(WithOptionsOpen([&](HWND sheet) {
    RECT suggested{0, 0, 800, 600};
    SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    SendMessageA(window, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    Sleep(kDisplaySettleDelay + 800);
    requests_while_open = requests_.size();
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_EQ(requests_while_open, 0u);
  EXPECT_EQ(requests_, std::vector<WallpaperRequest>{WallpaperRequest::kRedraw});

  requests_.clear();
  SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));
  PumpMessagesFor(kDisplaySettleDelay + 800);
  EXPECT_EQ(requests_, std::vector<WallpaperRequest>{WallpaperRequest::kRedraw});

  requests_.clear();
  SendMessageA(window, WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
  PumpMessagesFor(kDisplaySettleDelay + 800);
  EXPECT_TRUE(requests_.empty());
}

TEST_F(MainWindowWinTest, TheMoonDisplayIsSwitchedAndStored) {
  HWND window = Open();
  SendMessageA(window, MSG_TRAY_NOTIFY, kTrayIconId, WM_RBUTTONDOWN);
  EXPECT_EQ(program_->settings().Mondphasen, 1);
  EXPECT_EQ(StoredInt("Mondphasen"), 1);
  SendMessageA(window, MSG_TRAY_NOTIFY, kTrayIconId, WM_RBUTTONDOWN);
  EXPECT_EQ(StoredInt("Mondphasen"), 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_MOON_ICON, STN_CLICKED), 0);
  EXPECT_EQ(StoredInt("Mondphasen"), 1);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_DATE_ICON, STN_CLICKED), 0);
  EXPECT_EQ(StoredInt("Mondphasen"), 0);
  EXPECT_EQ(program_->settings().Mondphasen, 0);
}

TEST_F(MainWindowWinTest, PuttingTheWindowAwayStoresItsPosition) {
  HWND window = Open();
  Tick(window);
  for (int id : {IDC_MAIN_MINIMIZE, IDCANCEL}) {
    SendMessageA(window, MSG_SHOW_MAIN, 0, 0);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(State().shown, 1);
    SetWindowPos(window, nullptr, 120 + id % 7, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(State().shown, 0);
    EXPECT_EQ(StoredInt("x"), 120 + id % 7);
    EXPECT_EQ(StoredInt("y"), 45);
  }
}

TEST_F(MainWindowWinTest, TheNoteWindowAndTheCalendarAreToggled) {
  HWND window = Open();
  NoteWindow& note = program_->note_window();
  MonthWindow& calendar = program_->month_window();

  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_NOTE, BN_CLICKED), 0);
  EXPECT_TRUE(note.shown());
  EXPECT_TRUE(IsWindowVisible(note.window()));
  SendMessageA(window, WM_HOTKEY, HOTKEY_NOTE, 0);
  EXPECT_FALSE(note.shown());
  EXPECT_FALSE(IsWindowVisible(note.window()));

  SendMessageA(window, WM_HOTKEY, HOTKEY_CALENDAR, 0);
  EXPECT_TRUE(calendar.shown());
  EXPECT_TRUE(IsWindowVisible(calendar.window()));
  // While the calendar is shown the periodic check holds the wallpaper build back.
  RecordBuilds();
  Tick(window);
  EXPECT_TRUE(requests_.empty());
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_CALENDAR, BN_CLICKED), 0);
  EXPECT_FALSE(calendar.shown());
  Tick(window);
  EXPECT_EQ(requests_, std::vector<WallpaperRequest>{WallpaperRequest::kCheck});
}

// Each hotkey does its own action and no other: a new picture, the alarm editor, the note window, the
// month calendar, and the main window shown as a second start shows it; while the options are open
// only the calendar's.
TEST_F(MainWindowWinTest, EachHotkeyDoesItsAction) {
  HWND window = Open();
  Tick(window);
  AwaitBuild();
  int builds = 0;
  program_->wallpaper().start_build = [&builds](WallpaperRequest request) {
    if (request == WallpaperRequest::kNewPicture) ++builds;
  };
  struct Case {
    int id;
    int builds;
    bool editor;
    bool note_shown;
    bool calendar_shown;
    bool window_shown;
  };
  const Case cases[] = {
      {HOTKEY_NEW_PICTURE, 1, false, false, false, false}, {HOTKEY_ALARM_EDITOR, 0, true, false, false, false},
      {HOTKEY_NOTE, 0, false, true, false, false},         {HOTKEY_CALENDAR, 0, false, false, true, false},
      {HOTKEY_SHOW_WINDOW, 0, false, false, false, true},  {205, 0, false, false, false, false},
  };
  for (const Case& c : cases) {
    builds = 0;
    program_->note_window().Hide();
    program_->month_window().Hide();
    ShowWindow(window, SW_HIDE);
    State().shown = 0;
    Answering editor(TextTable().LookupText(texts::ALARM_CAPTION),
                     [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    SendMessageA(window, WM_HOTKEY, static_cast<WPARAM>(c.id), 0);
    EXPECT_EQ(editor.Finish(), c.editor) << c.id;
    EXPECT_EQ(builds, c.builds) << c.id;
    EXPECT_EQ(program_->note_window().shown(), c.note_shown) << c.id;
    EXPECT_EQ(program_->month_window().shown(), c.calendar_shown) << c.id;
    EXPECT_EQ(IsWindowVisible(window) != FALSE, c.window_shown) << c.id;
    EXPECT_EQ(State().shown, c.window_shown ? 1 : 0) << c.id;
  }
  // While the options are open no hotkey but the calendar's acts, as a tray click does not.
  State().modal = 1;
  for (const Case& c : cases) {
    if (c.id == HOTKEY_CALENDAR) continue;
    builds = 0;
    Answering editor(TextTable().LookupText(texts::ALARM_CAPTION),
                     [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    SendMessageA(window, WM_HOTKEY, static_cast<WPARAM>(c.id), 0);
    EXPECT_FALSE(editor.Finish()) << c.id;
    EXPECT_EQ(builds, 0) << c.id;
    EXPECT_FALSE(program_->note_window().shown()) << c.id;
    EXPECT_FALSE(IsWindowVisible(window)) << c.id;
  }
  State().modal = 0;
}

TEST_F(MainWindowWinTest, AQuitRequestEndsTheProgramWithoutStoringThePosition) {
  program_->store().WriteDword(program_->settings().keys.main, "x", 777);
  const int result = RunProgram([](HWND window) {
    SetWindowPos(window, nullptr, 200, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(window, MSG_QUIT_MAIN, 0, 0);
    // A second start from now on finds no window to hand its request to.
    EXPECT_EQ(FindWindowA("#32770", kMainWindowTitle), nullptr);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(StoredInt("x"), 777);
}

TEST_F(MainWindowWinTest, TheExitButtonStoresThePositionAndEndsTheProgram) {
  const int result = RunProgram([](HWND window) {
    SetWindowPos(window, nullptr, 210, 310, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_EXIT, BN_CLICKED), 0);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(StoredInt("x"), 210);
  EXPECT_EQ(StoredInt("y"), 310);
}

// The first tick starts the wallpaper; the six after it, with the wallpaper on the desktop, end it.
TEST_F(MainWindowWinTest, WithAutomaticExitTheWindowEndsAtTheSixthTickAfterTheWallpaper) {
  program_->settings().AutoExit = 1;
  program_->store().WriteDword(program_->settings().keys.main, "AutoExit", 0);
  int ticks = 0;
  const int result = RunProgram([this, &ticks](HWND window) {
    while (ticks < 10 && State().auto_exit_ticks <= 5) {
      Tick(window);
      ++ticks;
      // The ticks count once the wallpaper is on the desktop.
      for (int wait = 0; wait < 1000 && program_->wallpaper().building(); ++wait) Sleep(10);
    }
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(ticks, 7);
  // The automatic exit stores the settings before the window ends.
  EXPECT_EQ(StoredInt("AutoExit"), 1);
}

// The options and the alarm editor run modal loops of their own: a quit request while one is open
// ends it as its Cancel does and ends the program.
TEST_F(MainWindowWinTest, AQuitRequestEndsTheProgramWhileTheOptionsOrTheEditorAreOpen) {
  const struct {
    int command;
    std::string title;
  } cases[] = {{IDC_MAIN_OPTIONS, " Optionen"}, {IDC_MAIN_ALARM, TextTable().LookupText(texts::ALARM_CAPTION)}};
  for (const auto& c : cases) {
    MakeProgram();
    bool dialog_came = false;
    const int result = RunProgram([&](HWND window) {
      PostMessageA(window, WM_COMMAND, c.command, 0);
      for (int wait = 0; wait < 100 && !dialog_came; ++wait) {
        Sleep(50);
        dialog_came = FindWindowA("#32770", c.title.c_str()) != nullptr;
      }
      SendMessageA(window, MSG_QUIT_MAIN, 0, 0);
    });
    EXPECT_TRUE(dialog_came) << c.title;
    EXPECT_EQ(result, 1) << c.title;
    EXPECT_EQ(FindWindowA("#32770", c.title.c_str()), nullptr) << c.title;
  }
}

// English applied on the General page: the main window's captions and day texts are English while
// the sheet is still open, and the wallpaper is drawn again, with the pictures shown, once it closes.
TEST_F(MainWindowWinTest, EnglishAppliedSwitchesTheMainWindowAndRedrawsTheWallpaper) {
  HWND window = Open();
  Tick(window);
  RecordBuilds();
  std::string options_caption, date_text;
  ASSERT_TRUE(WithOptionsOpen([&](HWND sheet) {
    SelectRow(GoToPage(sheet, 0), IDC_GENERAL_LANGUAGE, 1);
    PressSheetButton(sheet, PSBTN_APPLYNOW);
    options_caption = ControlText(window, IDC_MAIN_OPTIONS);
    date_text = ControlText(window, IDC_MAIN_DATE_TEXT);
    PressSheetButton(sheet, PSBTN_OK);
  }));
  EXPECT_EQ(options_caption, "&Options");
  // The options load the settings afresh: the date is in the test prefix's regional order.
  EXPECT_EQ(date_text.substr(0, 7), "Monday ");
  EXPECT_EQ(requests_, std::vector<WallpaperRequest>{WallpaperRequest::kRedraw});
  EXPECT_EQ(ControlText(window, IDC_MAIN_NEW_PICTURE), "New &picture");
}

// Without a desktop list view (there is none under Wine) the caption colour has nothing to do: its
// quarter-second timer stops, and the periodic check looks for a shell again.
TEST_F(MainWindowWinTest, WithoutADesktopListViewTheCaptionColourTimerStops) {
  HWND window = Open();
  SendMessageA(window, WM_TIMER, TIMER_ICONCOLOR, 0);
  EXPECT_FALSE(KillTimer(window, TIMER_ICONCOLOR));
}

}  // namespace
