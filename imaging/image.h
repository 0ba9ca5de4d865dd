// The pixel buffer of the image codec layer: 24 bits per pixel, bytes in the order red, green, blue,
// rows of width * 3 bytes without padding, top row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 3 bytes

  bool empty() const { return width <= 0 || height <= 0; }
  // Not empty, and the buffer holds exactly width * height pixels.
  bool valid() const { return !empty() && pixels.size() == row_bytes() * static_cast<std::size_t>(height); }
  std::size_t row_bytes() const { return static_cast<std::size_t>(width) * 3; }
  std::uint8_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * row_bytes(); }
  const std::uint8_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * row_bytes(); }
};

// A zero-filled picture of the given size.
RgbImage MakeImage(int width, int height);

// Copies a run of pixels, exchanging red and blue: the order GDI and BMP files keep pixels in.
void CopySwappingRedBlue(const std::uint8_t* from, std::uint8_t* to, int pixels);

// A computed channel value rounded to the nearest byte, cut to 0 ... 255.
std::uint8_t RoundToByte(double value);

// A Windows colour value 0x00BBGGRR.
using Colorref = std::uint32_t;

constexpr std::uint8_t RedOf(Colorref colour) { return static_cast<std::uint8_t>(colour); }
constexpr std::uint8_t GreenOf(Colorref colour) { return static_cast<std::uint8_t>(colour >> 8); }
constexpr std::uint8_t BlueOf(Colorref colour) { return static_cast<std::uint8_t>(colour >> 16); }
constexpr Colorref MakeColorref(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return red | (green << 8) | (static_cast<Colorref>(blue) << 16);
}

// A rectangle as Windows gives it: left and top inside, right and bottom just outside.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
};

// The part of a that lies inside b; all zero when they do not overlap.
Rect IntersectRects(const Rect& a, const Rect& b);

// The whole picture as a rectangle.
inline Rect PictureBounds(const RgbImage& image) { return {0, 0, image.width, image.height}; }

// Pictures larger than this are refused before any pixel memory is allocated: 120 megapixels
// (360 MB of pixels) is far above any photograph a wallpaper is made from.
constexpr std::uint64_t kMaxPicturePixels = 120'000'000;
constexpr int kMaxPictureSide = 65535;

// Whether a picture of this size may be allocated.
bool PictureSizeAllowed(std::int64_t width, std::int64_t height);
