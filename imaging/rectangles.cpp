// Rectangles of pixels: cutting out, filling and pasting, each clipped to the pictures involved.
#include <algorithm>
#include <cstring>

#include "imaging/pixel_ops.h"

RgbImage CopyRectangle(const RgbImage& source, const Rect& rect) {
  if (!source.valid()) return {};
  const Rect area = IntersectRects(rect, PictureBounds(source));
  RgbImage copy = MakeImage(area.width(), area.height());
  for (int y = 0; y < copy.height; ++y) {
    std::memcpy(copy.row(y), source.row(area.top + y) + static_cast<std::size_t>(area.left) * 3, copy.row_bytes());
  }
  return copy;
}

void FillRectangle(RgbImage& image, const Rect& rect, Colorref colour) {
  if (!image.valid()) return;
  const Rect area = IntersectRects(rect, PictureBounds(image));
  for (int y = area.top; y < area.bottom; ++y) {
    std::uint8_t* pixel = image.row(y) + static_cast<std::size_t>(area.left) * 3;
    for (int x = area.left; x < area.right; ++x, pixel += 3) {
      pixel[0] = RedOf(colour);
      pixel[1] = GreenOf(colour);
      pixel[2] = BlueOf(colour);
    }
  }
}

void Paste(RgbImage& destination, const RgbImage& source, int left, int top) {
  if (!destination.valid() || !source.valid()) return;
  // Positions are widened so that a picture placed near the ends of the int range cannot overflow.
  const auto clip = [](std::int64_t value, int limit) { return static_cast<int>(std::clamp<std::int64_t>(value, 0, limit)); };
  const int x0 = clip(left, destination.width);
  const int y0 = clip(top, destination.height);
  const int x1 = clip(std::int64_t{left} + source.width, destination.width);
  const int y1 = clip(std::int64_t{top} + source.height, destination.height);
  if (x1 <= x0 || y1 <= y0) return;
  const std::size_t bytes = static_cast<std::size_t>(x1 - x0) * 3;
  for (int y = y0; y < y1; ++y) {
    const std::uint8_t* from = source.row(y - top) + static_cast<std::size_t>(x0 - left) * 3;
    std::memcpy(destination.row(y) + static_cast<std::size_t>(x0) * 3, from, bytes);
  }
}
