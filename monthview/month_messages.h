// The two messages that show and hide the month calendar. Both go to the calendar's host window: the
// main window sends them from its button and hotkey, the calendar itself sends the hide message on
// Esc and at its close box. Their numbers are WM_APP (32768) plus an offset.
#pragma once

inline constexpr unsigned MSG_CALENDAR_HIDE = 0x8000 + 0x4B0;
inline constexpr unsigned MSG_CALENDAR_SHOW = 0x8000 + 0x4B1;

static_assert(MSG_CALENDAR_HIDE == 33968 && MSG_CALENDAR_SHOW == 33969);
