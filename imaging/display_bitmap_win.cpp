// Pixel buffers to display bitmaps, through GDI's 24-bit device-independent bitmap rows.
#include "imaging/display_bitmap_win.h"

#include <vector>

std::size_t DibRowBytes(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

BITMAPINFO TopDownDibInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: the top row comes first, as in our buffers
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

void CopyToDibRows(const RgbImage& image, const Rect& area, std::uint8_t* rows) {
  const std::size_t stride = DibRowBytes(area.width());
  for (int y = area.top; y < area.bottom; ++y) {
    CopySwappingRedBlue(image.row(y) + static_cast<std::size_t>(area.left) * 3, rows + (y - area.top) * stride,
                        area.width());
  }
}

void CopyFromDibRows(const std::uint8_t* rows, RgbImage& image, const Rect& area) {
  const std::size_t stride = DibRowBytes(area.width());
  for (int y = area.top; y < area.bottom; ++y) {
    CopySwappingRedBlue(rows + (y - area.top) * stride, image.row(y) + static_cast<std::size_t>(area.left) * 3,
                        area.width());
  }
}

OwnedBitmap ImageToDisplayBitmap(const RgbImage& image, HDC device_context) {
  if (!image.valid() || device_context == nullptr) return nullptr;
  std::vector<std::uint8_t> rows(DibRowBytes(image.width) * static_cast<std::size_t>(image.height));
  CopyToDibRows(image, PictureBounds(image), rows.data());
  const BITMAPINFO info = TopDownDibInfo(image.width, image.height);
  OwnedBitmap bitmap(CreateCompatibleBitmap(device_context, image.width, image.height));
  if (!bitmap) return nullptr;
  if (SetDIBits(device_context, bitmap.get(), 0, image.height, rows.data(), &info, DIB_RGB_COLORS) != image.height) {
    return nullptr;
  }
  return bitmap;
}
