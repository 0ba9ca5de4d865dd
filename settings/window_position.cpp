// The window position rule.
#include "settings/window_position.h"

#include <cstdint>

void CorrectWindowPosition(int& x, int& y, const MainWindowMetrics& metrics) {
  const bool unset = x < 1 && y < 1;
  const Rect& work = metrics.work_area;
  const bool outside = x < work.left || y < work.top ||
                       std::int64_t{x} + metrics.client_width > work.right ||
                       std::int64_t{y} + metrics.client_height > work.bottom;
  if (!unset && !outside) return;
  x = metrics.work_area.right - metrics.client_width - 50;
  y = metrics.work_area.bottom - metrics.client_height - metrics.frame_height;
}
