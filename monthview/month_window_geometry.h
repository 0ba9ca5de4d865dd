// Where the month calendar opens and how small it may get: the stored outer rectangle
// (xMonatPos, yMonatPos, wMonatPos, hMonatPos hold left, top, width and height) and the smallest
// window in which the calendar control still shows a whole month.
#pragma once

#include <optional>

#include "imaging/image.h"
#include "settings/settings.h"

struct WindowSize {
  int width = 0;
  int height = 0;
};

// The stored rectangle when its position is positive and both sides are above 130 pixels; otherwise
// nothing, and the window keeps its template's place and size. A window left at x = 0 thus opens at
// the template's place. Sides too large for the screen's numbers end at the largest coordinate.
std::optional<Rect> StoredMonthWindowRect(const Settings& settings);

// The window rectangle with its width and height raised, at the same top-left corner, so that the
// control (the window less the frame allowance of caption and borders) is at least control_minimum.
Rect RaiseToMinimum(const Rect& window, WindowSize control_minimum, WindowSize frame_allowance);

// Takes the rectangle into the four stored values, ready for SaveMonthWindowGeometry.
void SetMonthWindowGeometry(Settings& settings, const Rect& window);
