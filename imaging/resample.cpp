// Scaling pictures: the wallpaper's photograph to the screen, icons and the title picture to their
// window sizes.
#include <cstring>

#include "imaging/pixel_ops.h"
#include "imaging/separable_filter.h"

RgbImage Resample(const RgbImage& source, int new_width, int new_height) {
  if (!source.valid()) return {};
  RgbImage destination = MakeImage(new_width, new_height);
  if (destination.empty()) return destination;
  if (new_width == source.width && new_height == source.height) {
    destination.pixels = source.pixels;
    return destination;
  }
  const FilterTaps horizontal = ScalingTaps(source.width, new_width);
  const FilterTaps vertical = ScalingTaps(source.height, new_height);
  FilterRows(source, horizontal, vertical, [&destination](int y, const std::uint8_t* row) {
    std::memcpy(destination.row(y), row, destination.row_bytes());
  });
  return destination;
}
