// GIF pictures through giflib, read from memory: the first frame, with its own colour table or the
// global one, interlaced or not, drawn at its place on the logical screen. The screen is filled with
// the background colour first, and transparent pixels of the frame let it show through.
#include <cstring>
#include <vector>

#include <gif_lib.h>

#include "imaging/format_readers.h"
#include "imaging/reader_support.h"

namespace {

constexpr PictureFormat kFormat = PictureFormat::kGif;

int OnRead(GifFileType* gif, GifByteType* out, int count) {
  if (count <= 0) return 0;
  return static_cast<int>(static_cast<MemorySource*>(gif->UserData)->Read(out, static_cast<std::uint64_t>(count)));
}

PictureReadResult LibraryFailure(int error) {
  const char* text = GifErrorString(error);
  return DamagedPicture(kFormat, text ? text : "unreadable");
}

Palette PaletteOf(const ColorMapObject* map) {
  if (!map) return GrayPalette(256);
  Palette palette;
  palette.size = map->ColorCount < 256 ? map->ColorCount : 256;
  for (int i = 0; i < palette.size; ++i) palette.Set(i, map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
  return palette;
}

// Skips the rest of an extension; the transparent colour index comes from a graphic control block.
bool ReadExtension(GifFileType* gif, int& transparent) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
    GraphicsControlBlock control;
    if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) transparent = control.TransparentColor;
  }
  while (block) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
  }
  return true;
}

PictureReadResult DecodeFrame(GifFileType* gif, int transparent) {
  const GifImageDesc& frame = gif->Image;
  PictureReadResult result = PictureOfFormat(kFormat);
  if (!CheckPictureSize(result, frame.Width, frame.Height)) return result;
  // A screen of no size takes the frame's.
  std::int64_t width = gif->SWidth > 0 ? gif->SWidth : std::int64_t{frame.Left} + frame.Width;
  std::int64_t height = gif->SHeight > 0 ? gif->SHeight : std::int64_t{frame.Top} + frame.Height;
  if (!AllocatePicture(result, width, height)) return result;
  RgbImage& image = result.image;

  Palette screen_palette = PaletteOf(gif->SColorMap);
  std::uint8_t background[3] = {0, 0, 0};
  if (gif->SColorMap) screen_palette.Put(gif->SBackGroundColor, background);
  // One row by pixels, the others copied from it: screens may be far larger than their frame.
  for (int x = 0; x < image.width; ++x) std::memcpy(image.row(0) + x * 3, background, 3);
  for (int y = 1; y < image.height; ++y) std::memcpy(image.row(y), image.row(0), image.row_bytes());

  Palette palette = frame.ColorMap ? PaletteOf(frame.ColorMap) : screen_palette;
  std::vector<GifPixelType> line(frame.Width);
  // Interlaced frames store every 8th row from 0, every 8th from 4, every 4th from 2, then every 2nd from 1.
  static constexpr int kPassStart[] = {0, 4, 2, 1};
  static constexpr int kPassStep[] = {8, 8, 4, 2};
  int passes = frame.Interlace ? 4 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    int step = frame.Interlace ? kPassStep[pass] : 1;
    for (int y = frame.Interlace ? kPassStart[pass] : 0; y < frame.Height; y += step) {
      if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) return LibraryFailure(gif->Error);
      std::int64_t out_y = std::int64_t{frame.Top} + y;
      if (out_y >= image.height) continue;
      for (int x = 0; x < frame.Width; ++x) {
        std::int64_t out_x = std::int64_t{frame.Left} + x;
        if (out_x >= image.width) break;
        if (line[x] != transparent) palette.Put(line[x], image.row(static_cast<int>(out_y)) + out_x * 3);
      }
    }
  }
  return result;
}

PictureReadResult Decode(GifFileType* gif) {
  int transparent = -1;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &record) == GIF_ERROR) return LibraryFailure(gif->Error);
    switch (record) {
      case EXTENSION_RECORD_TYPE:
        if (!ReadExtension(gif, transparent)) return LibraryFailure(gif->Error);
        break;
      case IMAGE_DESC_RECORD_TYPE:
        if (DGifGetImageDesc(gif) == GIF_ERROR) return LibraryFailure(gif->Error);
        return DecodeFrame(gif, transparent);
      default: return DamagedPicture(kFormat, "no picture in the file");
    }
  }
}

}  // namespace

PictureReadResult ReadGif(std::span<const std::uint8_t> data) {
  MemorySource source(data);
  int error = 0;
  GifFileType* gif = DGifOpen(&source, OnRead, &error);
  if (!gif) return LibraryFailure(error);
  PictureReadResult result = Decode(gif);
  DGifCloseFile(gif, &error);
  return result;
}
