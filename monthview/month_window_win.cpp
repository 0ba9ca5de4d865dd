// The month calendar's window: opening it at its geometry, the bold days the control asks for, the
// key filter on the control, resizing with the minimum size, and closing it into its host.
#include "monthview/month_window_win.h"

#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "common/owned_handles_win.h"
#include "monthview/day_states.h"
#include "monthview/month_messages.h"
#include "monthview/month_window_geometry.h"
#include "resources/resource_ids.h"
#include "settings/window_position_win.h"
#include "texts/help_win.h"

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

struct MonthWindowState {
  explicit MonthWindowState(const MonthWindowContext& context) : context(context) {}

  MonthWindowContext context;
  WindowSize frame_allowance;  // the window's size less its client area: caption and borders
  WindowSize control_minimum;  // what the control needs to show one whole month
  // The masks handed to the control at its last request; the control reads them after the
  // notification has returned.
  std::vector<MONTHDAYSTATE> day_states;
  OwnedIcon large_icon;
};

MonthWindowState* StateOf(HWND window) {
  return reinterpret_cast<MonthWindowState*>(GetWindowLongPtrA(window, DWLP_USER));
}

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

MONTHDAYSTATE* FillDayStates(MonthWindowState& state, const SYSTEMTIME& first, int month_count) {
  const std::vector<std::uint32_t> masks =
      DayStateMasks(first.wDay, first.wMonth, first.wYear, month_count, state.context.settings.Feiertage);
  state.day_states.assign(masks.begin(), masks.end());
  return state.day_states.data();
}

// The masks for every month the control shows now, whole or in part.
void RefreshDayStates(HWND window, MonthWindowState& state) {
  HWND calendar = CalendarOf(window);
  SYSTEMTIME range[2] = {};
  const int month_count = static_cast<int>(MonthCal_GetMonthRange(calendar, GMR_DAYSTATE, range));
  if (month_count < 1) return;
  MonthCal_SetDayState(calendar, month_count, FillDayStates(state, range[0], month_count));
}

// The control takes up the whole client area.
void FitCalendar(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MoveWindow(CalendarOf(window), 0, 0, client.right, client.bottom, TRUE);
}

// After a move or resize by the user and at the close box: the window's rectangle, raised to the
// minimum, becomes the stored geometry.
void KeepGeometry(HWND window, MonthWindowState& state) {
  const Rect current = WindowRect(window);
  const Rect kept = RaiseToMinimum(current, state.control_minimum, state.frame_allowance);
  SetMonthWindowGeometry(state.context.settings, kept);
  SaveMonthWindowGeometry(state.context.settings, state.context.store);
  if (kept.width() != current.width() || kept.height() != current.height()) PlaceWindow(window, kept);
}

LRESULT CALLBACK KeyFilter(HWND calendar, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(calendar, KeyFilter, 0);
  if (message != WM_KEYUP && message != WM_CHAR) return DefSubclassProc(calendar, message, wparam, lparam);
  const MonthWindowContext& context = reinterpret_cast<MonthWindowState*>(data)->context;
  switch (wparam) {
    case kTab:
      return 0;
    case kEscape:
      SendMessageA(context.host, MSG_CALENDAR_HIDE, 0, 0);
      return 0;
    case kHomeOrDollar:
      MarkToday(calendar, context.clock.Now());
      return 0;
    default:
      return DefSubclassProc(calendar, message, wparam, lparam);
  }
}

void Initialise(HWND window, MonthWindowState& state) {
  SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
  HWND calendar = CalendarOf(window);
  RECT outer{}, client{}, minimum{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  state.frame_allowance = {outer.right - outer.left - client.right, outer.bottom - outer.top - client.bottom};
  MonthCal_GetMinReqRect(calendar, &minimum);
  state.control_minimum = {minimum.right, minimum.bottom};
  SetWindowSubclass(calendar, KeyFilter, 0, reinterpret_cast<DWORD_PTR>(&state));

  PlaceWindow(window, RaiseToMinimum(OpeningRect(window, state.context.settings), state.control_minimum,
                                     state.frame_allowance));
  FitCalendar(window);
  MonthCal_SetFirstDayOfWeek(calendar, state.context.settings.regional.first_day_of_week);
  MonthCal_SetColor(calendar, MCSC_BACKGROUND, kWhite);
  MonthCal_SetColor(calendar, MCSC_MONTHBK, kWhite);
  MonthCal_SetColor(calendar, MCSC_TITLEBK, kTitleBlue);
  MonthCal_SetColor(calendar, MCSC_TRAILINGTEXT, kGrey);
  RefreshDayStates(window, state);
}

INT_PTR OnNotify(MonthWindowState& state, LPARAM lparam) {
  auto* request = reinterpret_cast<NMDAYSTATE*>(lparam);
  if (request->nmhdr.code != kGetDayState) return FALSE;
  request->prgDayState = FillDayStates(state, request->stStart, request->cDayState);
  return TRUE;
}

INT_PTR CALLBACK MonthWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    Initialise(window, *reinterpret_cast<MonthWindowState*>(lparam));
    return FALSE;
  }
  MonthWindowState* state = StateOf(window);
  // The control asks for its bold days once while it is made, before the window is initialised;
  // the initialisation hands them over then.
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_NOTIFY:
      return OnNotify(*state, lparam);
    case WM_SIZE:
      FitCalendar(window);
      return TRUE;
    case WM_EXITSIZEMOVE:
      KeepGeometry(window, *state);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) != IDCANCEL) return FALSE;
      KeepGeometry(window, *state);
      SendMessageA(state->context.host, MSG_CALENDAR_HIDE, 0, 0);
      return TRUE;
    case WM_HELP:
      ShowHelp(window, kHelpMonthCalendar);
      return TRUE;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, DWLP_USER, 0);
      delete state;
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

HWND CreateMonthCalendar(HINSTANCE instance, const MonthWindowContext& context) {
  auto state = std::make_unique<MonthWindowState>(context);
  HWND window = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MONTH_CALENDAR), nullptr, MonthWindowProc,
                                   reinterpret_cast<LPARAM>(state.get()));
  // From here on the window owns its state and releases it when it is destroyed.
  if (window != nullptr) state.release();
  return window;
}

void ShowMonthCalendar(HWND window, HICON large_icon) {
  MonthWindowState* state = StateOf(window);
  if (state == nullptr) return;
  if (large_icon != nullptr) {
    // A copy, since the main window replaces its date icon each day; the old copy goes once the new
    // one is set.
    OwnedIcon copy(CopyIcon(large_icon));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(copy.get()));
    state->large_icon = std::move(copy);
  }
  RefreshDayStates(window, *state);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}
