// Where a window goes: its stored position, unless that is unset or would put the window partly
// outside the work area (on any side: a monitor left of or above the primary one may be gone), in
// which case the window goes to the bottom right corner of the work area, 50 pixels from its right
// edge. The main window follows this rule; the month calendar and the note window do too.
#pragma once

#include "imaging/image.h"

struct MainWindowMetrics {
  Rect work_area;
  int client_width = 0;
  int client_height = 0;
  int frame_height = 0;  // caption height + 2 x sizing frame height
};

// Replaces x, y by the default position when both are below 1, or when the window's client area
// would not lie wholly inside the work area. Any stored numbers are safe: the sums are taken in 64
// bits.
void CorrectWindowPosition(int& x, int& y, const MainWindowMetrics& metrics);

// A window rectangle that no monitor shows any more (a monitor was removed, the resolution lowered)
// moved into the work area of the monitor nearest to it: its size kept where it fits, its position
// shifted as little as it must. The month calendar and the note window follow this rule.
Rect MoveIntoWorkArea(const Rect& window, const Rect& work_area);
