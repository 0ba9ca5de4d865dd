// The notice window of an appointment: its name as the title, the stored date and time, the remark,
// and Snooze or OK. Runs modally without an owner; the record is changed when it closes.
#pragma once

#include <windows.h>

#include "alarm/alarm_clock_win.h"

enum class NoticeAnswer { kSnooze, kOk };

// Shows the notice for the record at index and returns how the user answered it (Esc and the close
// box snooze, as does the program's end).
NoticeAnswer RunNoticeWindow(AlarmClock& alarm, int index);
