// Reading the pixels of icons and bitmaps in the Windows tests: the colour bitmap of an icon as
// red-green-blue rows, and the bits of its mask.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "imaging/image.h"

// The bitmap's pixels as a picture (top row first); empty when GDI cannot read it.
inline RgbImage BitmapPixels(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return {};
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = info.bmWidth;
  format.bmiHeader.biHeight = -info.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint8_t> bgra(static_cast<std::size_t>(info.bmWidth) * info.bmHeight * 4);
  HDC screen = GetDC(nullptr);
  int rows = GetDIBits(screen, bitmap, 0, info.bmHeight, bgra.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != info.bmHeight) return {};
  RgbImage image = MakeImage(info.bmWidth, info.bmHeight);
  for (std::size_t i = 0; i < image.pixels.size() / 3; ++i) {
    image.pixels[i * 3] = bgra[i * 4 + 2];
    image.pixels[i * 3 + 1] = bgra[i * 4 + 1];
    image.pixels[i * 3 + 2] = bgra[i * 4];
  }
  return image;
}

struct IconPixels {
  RgbImage colour;
  RgbImage mask;  // white where the screen shows through, black where the icon's colour is shown
};

inline IconPixels ReadIconPixels(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return {};
  IconPixels pixels{BitmapPixels(info.hbmColor), BitmapPixels(info.hbmMask)};
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return pixels;
}

// How many pixels inside rect are clearly red, and how many clearly dark.
struct DigitCount {
  int red = 0;
  int dark = 0;
};

inline DigitCount CountDigitPixels(const RgbImage& image, const Rect& rect) {
  DigitCount count;
  for (int y = rect.top; y < rect.bottom && y < image.height; ++y) {
    for (int x = rect.left; x < rect.right && x < image.width; ++x) {
      const std::uint8_t* p = image.row(y) + x * 3;
      if (p[0] > 180 && p[1] < 90 && p[2] < 90) ++count.red;
      if (p[0] + p[1] + p[2] < 200) ++count.dark;
    }
  }
  return count;
}
