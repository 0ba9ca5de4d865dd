// The window position rule for windows that may sit on any monitor: a rectangle that no monitor
// shows any more is moved into the work area of the nearest one.
#pragma once

#include <windows.h>

RECT KeepOnAMonitor(const RECT& window);
