// Small pictures made from a rule, for the imaging tests.
#pragma once

#include <cstdint>

#include "imaging/image.h"

// A picture whose channel c of pixel (x, y) is value(x, y, c).
template <typename Rule>
RgbImage PictureOf(int width, int height, Rule value) {
  RgbImage image = MakeImage(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < 3; ++c) image.row(y)[x * 3 + c] = static_cast<std::uint8_t>(value(x, y, c));
    }
  }
  return image;
}

inline RgbImage GreyPicture(int width, int height, int grey) {
  return PictureOf(width, height, [grey](int, int, int) { return grey; });
}

inline int Channel(const RgbImage& image, int x, int y, int c = 0) { return image.row(y)[x * 3 + c]; }
