// The month calendar window, dialog 125: the calendar control with week numbers, Saturdays, Sundays
// and the region's public holidays in bold and today marked. The program makes it hidden at its
// start, shows and hides it, and destroys it at its end; the window keeps its place and size in the
// settings store.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "calendar/clock.h"
#include "common/dialog_window_win.h"
#include "common/owned_handles_win.h"
#include "monthview/month_window_geometry.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "texts/help_win.h"

// What the calendar works with. All of it outlives the window.
struct MonthWindowContext {
  const Clock& clock;    // today, for the Home key
  Settings& settings;    // the holiday region, the first day of the week, the geometry
  SettingsStore& store;  // where the geometry is written
  const HtmlHelp& help;
};

class MonthWindow final : public DialogWindow {
 public:
  // Makes the window hidden, at the stored geometry (moved onto a monitor when none shows it any
  // more, raised to the control's minimum size). Without a window (it could not be made) every
  // request does nothing.
  explicit MonthWindow(const MonthWindowContext& context);
  ~MonthWindow() override { DestroyWindowNow(); }

  // Shows the window at the top of the Z order without moving or sizing it. Its large icon becomes a
  // copy of large_icon (when there is one), and the bold days are worked out afresh, for a holiday
  // region or a year that has changed since.
  void Show(HICON large_icon);
  // Hides the window without moving it.
  void Hide();
  // Whether the user has the window open.
  bool shown() const { return shown_; }

 private:
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Initialise();
  MONTHDAYSTATE* FillDayStates(const SYSTEMTIME& first, int month_count);
  void RefreshDayStates();
  void KeepGeometry();
  static LRESULT CALLBACK KeyFilter(HWND calendar, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                    DWORD_PTR window);
  LRESULT FilterKey(HWND calendar, UINT message, WPARAM wparam, LPARAM lparam);

  MonthWindowContext context_;
  bool shown_ = false;
  WindowSize frame_allowance_;  // the window's size less its client area: caption and borders
  WindowSize control_minimum_;  // what the control needs to show one whole month
  // The masks handed to the control at its last request; the control reads them after the
  // notification has returned.
  std::vector<MONTHDAYSTATE> day_states_;
  OwnedIcon large_icon_;
};
