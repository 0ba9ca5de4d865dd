// The pixel buffer and its rectangles.
#include "imaging/image.h"

#include <algorithm>
#include <cmath>

bool PictureSizeAllowed(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) <= kMaxPicturePixels;
}

RgbImage MakeImage(int width, int height) {
  RgbImage image;
  if (!PictureSizeAllowed(width, height)) return image;
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<std::size_t>(width) * height * 3, 0);
  return image;
}

std::uint8_t RoundToByte(double value) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

void CopySwappingRedBlue(const std::uint8_t* from, std::uint8_t* to, int pixels) {
  for (int i = 0; i < pixels; ++i, from += 3, to += 3) {
    to[0] = from[2];
    to[1] = from[1];
    to[2] = from[0];
  }
}

Rect IntersectRects(const Rect& a, const Rect& b) {
  const Rect result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                    std::min(a.bottom, b.bottom)};
  if (result.empty()) return {};
  return result;
}
