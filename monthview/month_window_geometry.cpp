// The month calendar's geometry rules. Stored numbers may be anything another program wrote, so the
// sums are taken in 64 bits.
#include "monthview/month_window_geometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// The smallest side of a stored rectangle that is restored.
constexpr int kSmallestStoredSide = 130;

int FarEdge(int near_edge, std::int64_t length) {
  return static_cast<int>(std::min<std::int64_t>(near_edge + length, std::numeric_limits<int>::max()));
}

}  // namespace

std::optional<Rect> StoredMonthWindowRect(const Settings& settings) {
  if (settings.xMonatPos <= 0 || settings.yMonatPos <= 0) return std::nullopt;
  if (settings.wMonatPos <= kSmallestStoredSide || settings.hMonatPos <= kSmallestStoredSide) return std::nullopt;
  return Rect{settings.xMonatPos, settings.yMonatPos, FarEdge(settings.xMonatPos, settings.wMonatPos),
              FarEdge(settings.yMonatPos, settings.hMonatPos)};
}

Rect RaiseToMinimum(const Rect& window, WindowSize control_minimum, WindowSize frame_allowance) {
  const std::int64_t width =
      std::max<std::int64_t>(std::int64_t{window.right} - window.left,
                             std::int64_t{control_minimum.width} + frame_allowance.width);
  const std::int64_t height =
      std::max<std::int64_t>(std::int64_t{window.bottom} - window.top,
                             std::int64_t{control_minimum.height} + frame_allowance.height);
  return Rect{window.left, window.top, FarEdge(window.left, width), FarEdge(window.top, height)};
}

void SetMonthWindowGeometry(Settings& settings, const Rect& window) {
  settings.xMonatPos = window.left;
  settings.yMonatPos = window.top;
  settings.wMonatPos = window.width();
  settings.hMonatPos = window.height();
}
