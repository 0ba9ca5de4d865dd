// Small picture files of every readable format, made here from two reference pictures, for the
// reader tests and as seeds for the reader fuzz targets. The library formats are encoded with the
// same libraries the readers use; the others are written byte by byte.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "imaging/image.h"

using Bytes = std::vector<std::uint8_t>;

// 5 x 3 pixels (an odd width, so that rows need padding), every pixel a different colour.
RgbImage SampleColours();

// 5 x 3 palette indexes below colour_count (2, 4, 16 or 256), and the palette.
struct IndexedPicture {
  int width = 5;
  int height = 3;
  std::vector<int> indexes;  // row by row, top row first
  std::vector<std::array<std::uint8_t, 3>> colours;

  int IndexAt(int x, int y) const { return indexes[y * width + x]; }
  RgbImage Rgb() const;
};
IndexedPicture SampleIndexed(int colour_count);

// Each channel reduced to `bits` bits and scaled back to 0..255, as a reader shows such pixels.
RgbImage Quantized(const RgbImage& image, int red_bits, int green_bits, int blue_bits);

// --- written byte by byte ---

// bits 1, 4, 8 (SampleIndexed), 16 (5-5-5, or 5-6-5 masks with compression 3), 24 and 32
// (SampleColours; compression 3 gives masks); compression 1 and 2 code the rows as runs.
// header_size 12 writes the OS/2 core header, 40, 108 and 124 the Windows ones.
Bytes BmpFile(int bits, std::uint32_t compression = 0, std::uint32_t header_size = 40, bool top_down = false);

// bits x planes: 1x1 (black and white), 1x4 and 4x1 (16 colours), 8x1 (256 colours), 8x3 (RGB).
Bytes PcxFile(int bits, int planes);

// Types 1, 2, 3 and their run-length forms 9, 10, 11; bits 8 for 1 and 3, 15, 16, 24 or 32 for 2.
// The descriptor's bit 5 asks for top-down rows, bit 4 for right-to-left columns.
Bytes TgaFile(int type, int bits, bool top_down = false, bool right_to_left = false);

// Modes 1 (grey), 2 (indexed, SampleIndexed(256)), 3 (RGB), 4 (CMYK, black ink only so that the
// expected picture is exact); depth 8 or 16; plain or PackBits.
Bytes PsdFile(int mode, int depth, bool packbits);
// The grey or CMYK picture PsdFile shows for mode 1 or 4.
RgbImage PsdExpected(int mode);

// Black and white: SampleIndexed(2).
Bytes WbmpFile();

// --- through the libraries ---

enum class JpegKind { kRgb, kGrey, kCmyk, kCmykAdobe };
// A flat-coloured width x height picture of colour (r, g, b) (for CMYK: the inks, c m y k).
Bytes JpegFile(int width, int height, JpegKind kind, std::array<std::uint8_t, 4> colour);
// SampleColours scaled up 8 times (40 x 24), high quality.
Bytes JpegOfSample();

// color_type and bit_depth as libpng names them; rows are packed as the file stores them.
struct PngLayout {
  int width = 5;
  int height = 3;
  int color_type = 2;
  int bit_depth = 8;
  bool interlaced = false;
  Bytes rows;
  std::vector<std::array<std::uint8_t, 3>> palette;
  Bytes transparency;  // tRNS entries for palette pictures
};
Bytes PngFile(const PngLayout& layout);
PngLayout PngOfSample();  // SampleColours, 8-bit RGB

// SampleColours, 8-bit RGB strips; LZW-compressed when asked.
Bytes TiffFile(bool lzw);

enum class J2kKind { kRgb, kGrey, kYccSubsampled };
// Lossless, with the given number of resolution levels; .jp2 or bare codestream. kRgb and kGrey
// show width x height of SampleColours' pattern repeated; precision applies to every component.
Bytes J2kFile(int width, int height, J2kKind kind, bool jp2, int resolutions = 3, int precision = 8);
// The picture J2kFile(kRgb or kGrey) holds at 8-bit precision.
RgbImage J2kExpected(int width, int height, J2kKind kind);

struct GifLayout {
  bool interlaced = false;
  int transparent = -1;  // palette index, -1 for none
  bool local_colours = false;
  int screen_width = 5;
  int screen_height = 3;
  int left = 0;
  int top = 0;
  int background = 0;
  int height = 3;  // frame height; rows repeat SampleIndexed's
};
// Frame of SampleIndexed(16), 5 pixels wide.
Bytes GifFile(const GifLayout& layout);
