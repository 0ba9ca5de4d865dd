// The window position rule.
#include "settings/window_position.h"

#include <algorithm>
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

Rect MoveIntoWorkArea(const Rect& window, const Rect& work_area) {
  if (work_area.empty()) return window;
  const std::int64_t width = std::clamp<std::int64_t>(std::int64_t{window.right} - window.left, 0, work_area.width());
  const std::int64_t height =
      std::clamp<std::int64_t>(std::int64_t{window.bottom} - window.top, 0, work_area.height());
  const std::int64_t left = std::clamp<std::int64_t>(window.left, work_area.left, work_area.right - width);
  const std::int64_t top = std::clamp<std::int64_t>(window.top, work_area.top, work_area.bottom - height);
  return Rect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
              static_cast<int>(top + height)};
}
