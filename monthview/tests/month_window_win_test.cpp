// The month calendar window under Wine, driven through its messages: the bold days the control is
// given, the control set up from the regional settings, the stored geometry applied, raised and kept,
// Esc and the close box that hide it, and the Home key.
#include "monthview/month_window_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "resources/resource_ids.h"

namespace {

// The control's request for its bold days, as Windows numbers it (-747).
constexpr UINT kGetDayState = 0U - 747U;

SYSTEMTIME Date(int day, int month, int year) {
  SYSTEMTIME date{};
  date.wDay = static_cast<WORD>(day);
  date.wMonth = static_cast<WORD>(month);
  date.wYear = static_cast<WORD>(year);
  return date;
}

int DateNumber(const SYSTEMTIME& date) { return date.wYear * 10000 + date.wMonth * 100 + date.wDay; }

bool Bold(const MONTHDAYSTATE* masks, int month_index, int day) {
  return (masks[month_index] >> (day - 1) & 1) != 0;
}

// Runs what is posted: the close box's command comes that way.
void RunPostedMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

class MonthWindowWinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
  }

  void StoreGeometry(int x, int y, int width, int height) {
    settings_.xMonatPos = x;
    settings_.yMonatPos = y;
    settings_.wMonatPos = width;
    settings_.hMonatPos = height;
  }

  void Open() {
    month_.emplace(MonthWindowContext{clock_, settings_, store_, help_});
    window_ = month_->window();
    ASSERT_NE(window_, nullptr);
    calendar_ = GetDlgItem(window_, IDC_MONTH_CALENDAR);
  }

  // The control's request for the bold days of month_count months from the first shown date, and
  // the masks the window hands back.
  const MONTHDAYSTATE* AskForDayStates(const SYSTEMTIME& first, int month_count) {
    NMDAYSTATE request{};
    request.nmhdr = {calendar_, IDC_MONTH_CALENDAR, kGetDayState};
    request.stStart = first;
    request.cDayState = month_count;
    SendMessageA(window_, WM_NOTIFY, IDC_MONTH_CALENDAR, reinterpret_cast<LPARAM>(&request));
    return request.prgDayState;
  }

  // A click on the control's arrow to the next month, found by the control's own hit test.
  void ClickNextMonth() {
    RECT client{};
    GetClientRect(calendar_, &client);
    for (int y = 0; y < client.bottom / 4; ++y) {
      for (int x = client.right - 1; x > client.right / 2; --x) {
        MCHITTESTINFO hit{};
        hit.cbSize = sizeof hit;
        hit.pt = {x, y};
        if (MonthCal_HitTest(calendar_, &hit) != MCHT_TITLEBTNNEXT) continue;
        SendMessageA(calendar_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(calendar_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        return;
      }
    }
    ADD_FAILURE() << "no arrow to the next month";
  }

  std::optional<int> Stored(const char* name) {
    std::optional<std::uint32_t> value = store_.ReadDword(settings_.keys.main, name);
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
  }

  // Not the day the tests run, so that the Home key shows the clock's date rather than the system's.
  FixedClock clock_{WithWeekday(LocalTime{.day = 17, .month = 6, .year = 2025, .hour = 10})};
  Settings settings_;
  MemorySettingsStore store_;
  TextTable text_table_;
  HtmlHelp help_{text_table_, ""};
  std::optional<MonthWindow> month_;
  HWND window_ = nullptr;
  HWND calendar_ = nullptr;
};

TEST_F(MonthWindowWinTest, OpensHiddenWithTheControlSetUpFromTheRegionalSettings) {
  settings_.regional.first_day_of_week = 6;  // Sunday
  Open();
  EXPECT_FALSE(IsWindowVisible(window_));
  EXPECT_EQ(GetWindowTextLengthA(window_), 0);
  EXPECT_NE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_NE(GetWindowLongA(calendar_, GWL_STYLE) & (MCS_DAYSTATE | MCS_WEEKNUMBERS), 0);
  EXPECT_EQ(LOWORD(MonthCal_GetFirstDayOfWeek(calendar_)), 6);
  EXPECT_EQ(MonthCal_GetColor(calendar_, MCSC_TITLEBK), 0xC08000u);
  EXPECT_EQ(MonthCal_GetColor(calendar_, MCSC_MONTHBK), 0xFFFFFFu);
  EXPECT_EQ(MonthCal_GetColor(calendar_, MCSC_TRAILINGTEXT), 0x808080u);
}

TEST_F(MonthWindowWinTest, TheBoldDaysAreTheWeekendsAndTheHolidaysOfTheChosenRegion) {
  settings_.Feiertage = 2;
  Open();
  // August to November 2024: 15 August a Thursday, 1 November a Friday.
  const MONTHDAYSTATE* masks = AskForDayStates(Date(1, 8, 2024), 4);
  ASSERT_NE(masks, nullptr);
  EXPECT_TRUE(Bold(masks, 0, 3));   // Saturday
  EXPECT_TRUE(Bold(masks, 0, 4));   // Sunday
  EXPECT_FALSE(Bold(masks, 0, 14));
  EXPECT_TRUE(Bold(masks, 0, 15));
  EXPECT_TRUE(Bold(masks, 3, 1));
  EXPECT_FALSE(Bold(masks, 3, 4));

  settings_.Feiertage = 0;
  masks = AskForDayStates(Date(1, 8, 2024), 4);
  EXPECT_TRUE(Bold(masks, 0, 3));
  EXPECT_FALSE(Bold(masks, 0, 15));
  EXPECT_FALSE(Bold(masks, 3, 1));

  // A window large enough for years of months gets a mask for each: December 2026 is the 29th.
  masks = AskForDayStates(Date(1, 8, 2024), 40);
  EXPECT_TRUE(Bold(masks, 28, 5));
  EXPECT_FALSE(Bold(masks, 28, 8));
}

// What the window answered to the control's own last request for bold days.
struct ObservedRequest {
  SYSTEMTIME first{};
  std::vector<MONTHDAYSTATE> masks;
};
ObservedRequest g_observed;

LRESULT CALLBACK ObserveDayStates(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
  auto* request = reinterpret_cast<NMDAYSTATE*>(lparam);
  if (message == WM_NOTIFY && request->nmhdr.code == kGetDayState && request->prgDayState != nullptr) {
    g_observed = {request->stStart, {request->prgDayState, request->prgDayState + request->cDayState}};
  }
  return result;
}

TEST_F(MonthWindowWinTest, TheControlGetsTheBoldDaysOfTheMonthsItTurnsTo) {
  settings_.Feiertage = 2;
  StoreGeometry(200, 150, 140, 140);  // the smallest window: one month at a time
  Open();
  ASSERT_TRUE(SetWindowSubclass(window_, ObserveDayStates, 0, 0));
  g_observed = {};
  SYSTEMTIME july = Date(20, 7, 2024);
  ASSERT_TRUE(MonthCal_SetCurSel(calendar_, &july));
  ClickNextMonth();
  ASSERT_FALSE(g_observed.masks.empty());
  // The first month asked for may be the last days of July, shown before 1 August.
  ASSERT_EQ(g_observed.first.wYear, 2024);
  const std::size_t index = g_observed.first.wMonth == 7 ? 1 : 0;
  ASSERT_GT(g_observed.masks.size(), index);
  EXPECT_TRUE(Bold(g_observed.masks.data(), static_cast<int>(index), 15));
  EXPECT_FALSE(Bold(g_observed.masks.data(), static_cast<int>(index), 14));
  RemoveWindowSubclass(window_, ObserveDayStates, 0);
}

TEST_F(MonthWindowWinTest, TheStoredGeometryIsAppliedAndTheControlFillsTheWindow) {
  StoreGeometry(200, 150, 420, 440);
  Open();
  const RECT rect = WindowRect(window_);
  EXPECT_EQ(rect.left, 200);
  EXPECT_EQ(rect.top, 150);
  EXPECT_EQ(rect.right - rect.left, 420);
  EXPECT_EQ(rect.bottom - rect.top, 440);
  RECT client{}, control{};
  GetClientRect(window_, &client);
  GetClientRect(calendar_, &control);
  EXPECT_EQ(control.right, client.right);
  EXPECT_EQ(control.bottom, client.bottom);
  EXPECT_FALSE(Stored("xMonatPos"));
}

TEST_F(MonthWindowWinTest, ATooSmallStoredSizeIsRaisedToTheControlsMinimum) {
  StoreGeometry(200, 150, 140, 140);
  Open();
  RECT minimum{}, client{};
  MonthCal_GetMinReqRect(calendar_, &minimum);
  GetClientRect(window_, &client);
  EXPECT_GT(minimum.right, 140);
  EXPECT_EQ(client.right, minimum.right);
  EXPECT_EQ(client.bottom, minimum.bottom);
  EXPECT_EQ(WindowRect(window_).left, 200);
}

TEST_F(MonthWindowWinTest, APositionThatNoMonitorShowsIsMovedIntoTheWorkArea) {
  RECT work_area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work_area, 0);
  StoreGeometry(work_area.right + 3000, work_area.bottom + 2000, 420, 440);
  Open();
  const RECT rect = WindowRect(window_);
  EXPECT_EQ(rect.right, work_area.right);
  EXPECT_EQ(rect.bottom, work_area.bottom);
  EXPECT_EQ(rect.right - rect.left, 420);
  EXPECT_EQ(rect.bottom - rect.top, 440);
}

TEST_F(MonthWindowWinTest, AMoveOrResizeByTheUserIsStoredAndAShrinkSnapsBackToTheMinimum) {
  StoreGeometry(200, 150, 420, 440);
  Open();
  SetWindowPos(window_, nullptr, 260, 180, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageA(window_, WM_EXITSIZEMOVE, 0, 0);
  EXPECT_EQ(Stored("xMonatPos"), 260);
  EXPECT_EQ(Stored("yMonatPos"), 180);
  EXPECT_EQ(Stored("wMonatPos"), 420);
  EXPECT_EQ(Stored("hMonatPos"), 440);

  SetWindowPos(window_, nullptr, 0, 0, 100, 90, SWP_NOMOVE | SWP_NOZORDER);
  SendMessageA(window_, WM_EXITSIZEMOVE, 0, 0);
  const RECT rect = WindowRect(window_);
  RECT minimum{}, client{};
  MonthCal_GetMinReqRect(calendar_, &minimum);
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, minimum.right);
  EXPECT_EQ(client.bottom, minimum.bottom);
  EXPECT_EQ(Stored("xMonatPos"), 260);
  EXPECT_EQ(Stored("wMonatPos"), rect.right - rect.left);
  EXPECT_EQ(Stored("hMonatPos"), rect.bottom - rect.top);
}

TEST_F(MonthWindowWinTest, TheCloseBoxStoresTheGeometryAndHidesTheWindow) {
  StoreGeometry(200, 150, 420, 440);
  Open();
  month_->Show(nullptr);
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_TRUE(month_->shown());
  SetWindowPos(window_, nullptr, 230, 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  RunPostedMessages();
  EXPECT_FALSE(month_->shown());
  EXPECT_FALSE(IsWindowVisible(window_));
  EXPECT_EQ(Stored("xMonatPos"), 230);
  EXPECT_EQ(Stored("yMonatPos"), 170);
}

TEST_F(MonthWindowWinTest, EscHidesWithoutStoringTheGeometry) {
  StoreGeometry(200, 150, 420, 440);
  Open();
  month_->Show(nullptr);
  SetWindowPos(window_, nullptr, 230, 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageA(calendar_, WM_KEYUP, VK_ESCAPE, 0);
  EXPECT_FALSE(month_->shown());
  EXPECT_FALSE(IsWindowVisible(window_));
  EXPECT_FALSE(Stored("xMonatPos"));
}

TEST_F(MonthWindowWinTest, HomeOrDollarGoesBackToTodayAndSelectsIt) {
  Open();
  const struct {
    UINT message;
    WPARAM code;
  } keys[] = {{WM_KEYUP, VK_HOME}, {WM_CHAR, '$'}};
  for (const auto& key : keys) {
    SYSTEMTIME elsewhere = Date(5, 3, 2027);
    ASSERT_TRUE(MonthCal_SetCurSel(calendar_, &elsewhere));
    SendMessageA(calendar_, key.message, key.code, 0);
    SYSTEMTIME selected{}, today{}, first_shown[2]{};
    MonthCal_GetCurSel(calendar_, &selected);
    MonthCal_GetToday(calendar_, &today);
    MonthCal_GetMonthRange(calendar_, GMR_VISIBLE, first_shown);
    EXPECT_EQ(DateNumber(selected), 20250617) << key.code;
    EXPECT_EQ(DateNumber(today), 20250617) << key.code;
    EXPECT_EQ(first_shown[0].wMonth, 6) << key.code;
  }
}

}  // namespace
