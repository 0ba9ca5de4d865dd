// Writes the seed files of the reader fuzz targets: small valid pictures of each format family,
// made by the same builders as the reader tests, into <folder>/<family>/.
//
// Usage: make_fuzz_seeds <folder>
#include <cstdio>
#include <string>
#include <vector>

#include "common/file_system.h"
#include "imaging/tests/reader_samples.h"

namespace {

struct Seed {
  const char* family;
  const char* name;
  Bytes file;
};

std::vector<Seed> Seeds() {
  GifLayout gif_interlaced;
  gif_interlaced.interlaced = true, gif_interlaced.height = gif_interlaced.screen_height = 12;
  gif_interlaced.transparent = 3;
  GifLayout gif_placed;
  gif_placed.screen_width = 9, gif_placed.screen_height = 6, gif_placed.left = 3, gif_placed.top = 2;
  gif_placed.local_colours = true;
  PngLayout png_interlaced = PngOfSample();
  png_interlaced.interlaced = true;
  PngLayout png_palette{4,       1, 3, 4, false, {0x01, 0x23}, {{1, 2, 3}, {40, 50, 60}, {70, 80, 90}, {200, 210, 220}},
                        {255, 0}};
  PngLayout png_grey_alpha{2, 1, 4, 8, false, {240, 255, 240, 64}, {}, {}};
  PngLayout png_grey16{2, 1, 0, 16, false, {0, 0x12, 0xFF, 0xFF}, {}, {}};
  return {
      {"jpeg", "sample.jpg", JpegOfSample()},
      {"jpeg", "grey.jpg", JpegFile(16, 16, JpegKind::kGrey, {90})},
      {"jpeg", "cmyk.jpg", JpegFile(16, 16, JpegKind::kCmykAdobe, {40, 100, 200, 30})},
      {"png", "sample.png", PngFile(PngOfSample())},
      {"png", "interlaced.png", PngFile(png_interlaced)},
      {"png", "palette.png", PngFile(png_palette)},
      {"png", "grey_alpha.png", PngFile(png_grey_alpha)},
      {"png", "grey16.png", PngFile(png_grey16)},
      {"tiff", "plain.tif", TiffFile(false)},
      {"tiff", "lzw.tif", TiffFile(true)},
      {"jpeg2000", "rgb.j2k", J2kFile(21, 18, J2kKind::kRgb, false)},
      {"jpeg2000", "grey12.jp2", J2kFile(21, 18, J2kKind::kGrey, true, 3, 12)},
      {"jpeg2000", "sycc.jp2", J2kFile(21, 18, J2kKind::kYccSubsampled, true)},
      {"gif", "plain.gif", GifFile(GifLayout{})},
      {"gif", "interlaced.gif", GifFile(gif_interlaced)},
      {"gif", "placed.gif", GifFile(gif_placed)},
      {"bmp", "1.bmp", BmpFile(1)},
      {"bmp", "4_core.bmp", BmpFile(4, 0, 12)},
      {"bmp", "16_masks.bmp", BmpFile(16, 3)},
      {"bmp", "24_top_down.bmp", BmpFile(24, 0, 40, true)},
      {"bmp", "32_v5.bmp", BmpFile(32, 3, 124)},
      {"bmp", "rle8.bmp", BmpFile(8, 1)},
      {"bmp", "rle4.bmp", BmpFile(4, 2)},
      {"pcx", "1x1.pcx", PcxFile(1, 1)},
      {"pcx", "1x4.pcx", PcxFile(1, 4)},
      {"pcx", "4x1.pcx", PcxFile(4, 1)},
      {"pcx", "8x1.pcx", PcxFile(8, 1)},
      {"pcx", "8x3.pcx", PcxFile(8, 3)},
      {"tga", "1.tga", TgaFile(1, 8)},
      {"tga", "2_16.tga", TgaFile(2, 16, true)},
      {"tga", "3.tga", TgaFile(3, 8)},
      {"tga", "9.tga", TgaFile(9, 8, false, true)},
      {"tga", "10_32.tga", TgaFile(10, 32, true, true)},
      {"tga", "11.tga", TgaFile(11, 8)},
      {"psd", "rgb.psd", PsdFile(3, 8, false)},
      {"psd", "rgb_packbits.psd", PsdFile(3, 8, true)},
      {"psd", "grey16.psd", PsdFile(1, 16, true)},
      {"psd", "indexed.psd", PsdFile(2, 8, false)},
      {"psd", "cmyk.psd", PsdFile(4, 8, true)},
      {"wbmp", "sample.wbmp", WbmpFile()},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  if (!MakeFolder(folder)) {
    std::fprintf(stderr, "cannot create %s\n", folder.c_str());
    return 1;
  }
  for (const Seed& seed : Seeds()) {
    const std::string family_folder = JoinPath(folder, seed.family);
    const std::string path = JoinPath(family_folder, seed.name);
    if (seed.file.empty() || !MakeFolder(family_folder) || !WriteWholeFile(path, seed.file)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
