// Writing pictures as uncompressed 24-bit Windows bitmaps (the wallpaper file).
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/image.h"

// The complete file: 14-byte file header, 40-byte info header (2835 pixels per metre, the image
// size filled in), then the rows bottom-up in blue-green-red order, each padded to a multiple of four
// bytes. Empty when the picture is empty or its buffer does not match its size.
std::vector<std::uint8_t> EncodeBmp24(const RgbImage& image);
