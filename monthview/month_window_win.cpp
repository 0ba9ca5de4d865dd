// The month calendar's window: opening it at its geometry, the bold days the control asks for, the
// key filter on the control, resizing with the minimum size, and hiding it.
#include "monthview/month_window_win.h"

#include <commctrl.h>

#include <cstdint>
#include <utility>

#include "monthview/day_states.h"
#include "resources/resource_ids.h"
#include "settings/window_position_win.h"

namespace {

// The calendar's colours: white backgrounds, a blue title bar, grey days of the neighbouring months.
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kTitleBlue = 0xC08000;
constexpr COLORREF kGrey = 0x808080;

// The codes the key filter acts on, both as key-up and as character codes: Tab, Esc, and Home as a
// key or "$" as a character.
constexpr WPARAM kTab = 9;
constexpr WPARAM kEscape = 27;
constexpr WPARAM kHomeOrDollar = 36;

// The control's request for its bold days. The cross-compiler's commctrl.h gives MCN_GETDAYSTATE
// as -743; Windows (and Wine) send -747.
constexpr UINT kGetDayState = 0U - 747U;

// F1 opens the help's page about the month calendar.
constexpr int kHelpMonthCalendar = 15;

HWND CalendarOf(HWND window) { return GetDlgItem(window, IDC_MONTH_CALENDAR); }

Rect WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

void PlaceWindow(HWND window, const Rect& rect) {
  MoveWindow(window, rect.left, rect.top, rect.width(), rect.height(), TRUE);
}

Rect OpeningRect(HWND window, const Settings& settings) {
  const std::optional<Rect> stored = StoredMonthWindowRect(settings);
  if (!stored) return WindowRect(window);
  const RECT kept = KeepOnAMonitor(RECT{stored->left, stored->top, stored->right, stored->bottom});
  return Rect{kept.left, kept.top, kept.right, kept.bottom};
}

void MarkToday(HWND calendar, const LocalTime& now) {
  SYSTEMTIME today{};
  today.wYear = static_cast<WORD>(now.year);
  today.wMonth = static_cast<WORD>(now.month);
  today.wDay = static_cast<WORD>(now.day);
  today.wDayOfWeek = static_cast<WORD>(now.weekday);
  MonthCal_SetToday(calendar, &today);
  MonthCal_SetCurSel(calendar, &today);
}

// The control takes up the whole client area.
void FitCalendar(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MoveWindow(CalendarOf(window), 0, 0, client.right, client.bottom, TRUE);
}

}  // namespace

MonthWindow::MonthWindow(const MonthWindowContext& context) : context_(context) {
  CreateModeless(IDD_MONTH_CALENDAR, nullptr);
}

MONTHDAYSTATE* MonthWindow::FillDayStates(const SYSTEMTIME& first, int month_count) {
  const std::vector<std::uint32_t> masks =
      DayStateMasks(first.wDay, first.wMonth, first.wYear, month_count, context_.settings.Feiertage);
  day_states_.assign(masks.begin(), masks.end());
  return day_states_.data();
}

// The masks for every month the control shows now, whole or in part.
void MonthWindow::RefreshDayStates() {
  HWND calendar = CalendarOf(window());
  SYSTEMTIME range[2] = {};
  const int month_count = static_cast<int>(MonthCal_GetMonthRange(calendar, GMR_DAYSTATE, range));
  if (month_count < 1) return;
  MonthCal_SetDayState(calendar, month_count, FillDayStates(range[0], month_count));
}

// After a move or resize by the user and at the close box: the window's rectangle, raised to the
// minimum, becomes the stored geometry.
void MonthWindow::KeepGeometry() {
  const Rect current = WindowRect(window());
  const Rect kept = RaiseToMinimum(current, control_minimum_, frame_allowance_);
  SetMonthWindowGeometry(context_.settings, kept);
  SaveMonthWindowGeometry(context_.settings, context_.store);
  if (kept.width() != current.width() || kept.height() != current.height()) PlaceWindow(window(), kept);
}

LRESULT CALLBACK MonthWindow::KeyFilter(HWND calendar, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                        DWORD_PTR window) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(calendar, KeyFilter, 0);
  return AtWindowEdge(calendar, message, 0, [&] {
    return reinterpret_cast<MonthWindow*>(window)->FilterKey(calendar, message, wparam, lparam);
  });
}

LRESULT MonthWindow::FilterKey(HWND calendar, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_KEYUP && message != WM_CHAR) return DefSubclassProc(calendar, message, wparam, lparam);
  switch (wparam) {
    case kTab:
      return 0;
    case kEscape:
      Hide();
      return 0;
    case kHomeOrDollar:
      MarkToday(calendar, context_.clock.Now());
      return 0;
    default:
      return DefSubclassProc(calendar, message, wparam, lparam);
  }
}

void MonthWindow::Initialise() {
  HWND calendar = CalendarOf(window());
  RECT outer{}, client{}, minimum{};
  GetWindowRect(window(), &outer);
  GetClientRect(window(), &client);
  frame_allowance_ = {outer.right - outer.left - client.right, outer.bottom - outer.top - client.bottom};
  MonthCal_GetMinReqRect(calendar, &minimum);
  control_minimum_ = {minimum.right, minimum.bottom};
  SetWindowSubclass(calendar, KeyFilter, 0, reinterpret_cast<DWORD_PTR>(this));

  PlaceWindow(window(), RaiseToMinimum(OpeningRect(window(), context_.settings), control_minimum_, frame_allowance_));
  FitCalendar(window());
  MonthCal_SetFirstDayOfWeek(calendar, context_.settings.regional.first_day_of_week);
  MonthCal_SetColor(calendar, MCSC_BACKGROUND, kWhite);
  MonthCal_SetColor(calendar, MCSC_MONTHBK, kWhite);
  MonthCal_SetColor(calendar, MCSC_TITLEBK, kTitleBlue);
  MonthCal_SetColor(calendar, MCSC_TRAILINGTEXT, kGrey);
  RefreshDayStates();
}

// The control asks for its bold days once while it is made, before the window is initialised; the
// initialisation hands them over then.
std::optional<INT_PTR> MonthWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      Initialise();
      return FALSE;
    case WM_NOTIFY: {
      auto* request = reinterpret_cast<NMDAYSTATE*>(lparam);
      if (request->nmhdr.code != kGetDayState) return FALSE;
      request->prgDayState = FillDayStates(request->stStart, request->cDayState);
      return TRUE;
    }
    case WM_SIZE:
      FitCalendar(window());
      return TRUE;
    case WM_EXITSIZEMOVE:
      KeepGeometry();
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) != IDCANCEL) return FALSE;
      KeepGeometry();
      Hide();
      return TRUE;
    case WM_HELP:
      context_.help.Show(window(), kHelpMonthCalendar);
      return TRUE;
    default:
      return std::nullopt;
  }
}

void MonthWindow::Show(HICON large_icon) {
  if (window() == nullptr) return;
  shown_ = true;
  if (large_icon != nullptr) {
    // A copy, since the main window replaces its date icon each day; the old copy goes once the new
    // one is set.
    OwnedIcon copy(CopyIcon(large_icon));
    SendMessageA(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(copy.get()));
    large_icon_ = std::move(copy);
  }
  RefreshDayStates();
  SetWindowPos(window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void MonthWindow::Hide() {
  shown_ = false;
  if (window() != nullptr) ShowWindow(window(), SW_HIDE);
}
