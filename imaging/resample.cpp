// Scaling pictures: the wallpaper's photograph to the screen, icons and the title picture to their
// window sizes.
#include <cstring>

#include "imaging/pixel_ops.h"
#include "imaging/separable_filter.h"

RgbImage Resample(const RgbImage& source, int new_width, int new_height) {
  return ResampleCutOut(source, new_width, new_height, Rect{0, 0, new_width, new_height});
}

RgbImage ResampleCutOut(const RgbImage& source, int scaled_width, int scaled_height, const Rect& cut_out) {
  if (!source.valid() || !PictureSizeAllowed(scaled_width, scaled_height)) return {};
  const Rect area = IntersectRects(cut_out, Rect{0, 0, scaled_width, scaled_height});
  if (scaled_width == source.width && scaled_height == source.height) return CopyRectangle(source, area);
  RgbImage destination = MakeImage(area.width(), area.height());
  if (destination.empty()) return destination;
  // Each output pixel depends on its own taps alone, so the cut-out's taps give its pixels exactly.
  const FilterTaps horizontal = TapsBetween(ScalingTaps(source.width, scaled_width), area.left, area.right);
  const FilterTaps vertical = TapsBetween(ScalingTaps(source.height, scaled_height), area.top, area.bottom);
  FilterRows(source, horizontal, vertical, [&destination](int y, const std::uint8_t* row) {
    std::memcpy(destination.row(y), row, destination.row_bytes());
  });
  return destination;
}
