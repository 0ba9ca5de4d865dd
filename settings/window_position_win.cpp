// Finds the monitors for the window position rule.
#include "settings/window_position_win.h"

#include "settings/window_position.h"

RECT KeepOnAMonitor(const RECT& window) {
  if (MonitorFromRect(&window, MONITOR_DEFAULTTONULL) != nullptr) return window;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &monitor)) return window;
  const Rect work{monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
  const Rect moved = MoveIntoWorkArea(Rect{window.left, window.top, window.right, window.bottom}, work);
  return RECT{moved.left, moved.top, moved.right, moved.bottom};
}
