// The alarm editor, dialog 103: the user creates, changes, tests and deletes appointments. It works
// on the table directly; OK saves it to the appointments file, every other way out drops the
// changes, because the table is loaded from the file again when the editor closes.
#pragma once

#include <windows.h>

#include "alarm/alarm_clock_win.h"

// Runs the editor modally, owned by owner. True when it closed with OK (the file was saved).
bool RunAlarmEditor(AlarmClock& alarm, HWND owner);
