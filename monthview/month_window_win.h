// The month calendar window, dialog 125: the calendar control with week numbers, Saturdays, Sundays
// and the region's public holidays in bold and today marked. Its host window creates it hidden,
// shows and hides it, and destroys it at the program's end; the window keeps its place and size in
// the settings store.
#pragma once

#include <windows.h>

#include "calendar/clock.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

// What the calendar works with. All of it outlives the window.
struct MonthWindowContext {
  const Clock& clock;    // today, for the Home key
  Settings& settings;    // the holiday region, the first day of the week, the geometry
  SettingsStore& store;  // where the geometry is written
  HWND host;             // receives MSG_CALENDAR_HIDE from Esc and the close box
};

// Creates the window hidden, at the stored geometry (moved onto a monitor when none shows it any
// more, raised to the control's minimum size). Nothing when it cannot be created.
HWND CreateMonthCalendar(HINSTANCE instance, const MonthWindowContext& context);

// Shows the window at the top of the Z order without moving or sizing it. Its large icon becomes a
// copy of large_icon (when there is one), and the bold days are worked out afresh, for a holiday
// region or a year that has changed since.
void ShowMonthCalendar(HWND window, HICON large_icon);
