// Windows metafiles through GDI: WMF (turned into an enhanced metafile first) and EMF are played
// into a 24-bit DIB section on white at the metafile's own size: the placeable header's bounding
// box for WMF, the frame rectangle for EMF, 800 x 600 when the file gives none.
#include <windows.h>

#include "common/byte_order.h"
#include "common/owned_handles_win.h"
#include "imaging/metafile.h"
#include "imaging/reader_support.h"

namespace {

constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;
constexpr std::size_t kPlaceableHeaderSize = 22;
constexpr std::size_t kWmfHeaderSize = 18;
constexpr std::size_t kEmfHeaderSize = 88;
// The resolution a placeable header's units per inch are turned into pixels with.
constexpr int kPixelsPerInch = 96;

struct Playable {
  OwnedEnhMetafile metafile;
  std::int64_t width = kDefaultWidth;
  std::int64_t height = kDefaultHeight;
  const char* problem = nullptr;
};

Playable Problem(const char* text) {
  Playable playable;
  playable.problem = text;
  return playable;
}

// WMF: an optional placeable header (key, handle, bounding box, units per inch, reserved,
// checksum), then the 18-byte metafile header whose size field counts 16-bit words.
Playable OpenWmf(std::span<const std::uint8_t> data) {
  Playable playable;
  METAFILEPICT picture{MM_ANISOTROPIC, 0, 0, nullptr};
  bool placeable = ReadU32LE(data.data()) == 0x9AC6CDD7;
  if (placeable) {
    if (data.size() < kPlaceableHeaderSize + kWmfHeaderSize) return Problem("header truncated");
    std::int64_t box_width =
        std::int64_t{static_cast<std::int16_t>(ReadU16LE(&data[10]))} - static_cast<std::int16_t>(ReadU16LE(&data[6]));
    std::int64_t box_height =
        std::int64_t{static_cast<std::int16_t>(ReadU16LE(&data[12]))} - static_cast<std::int16_t>(ReadU16LE(&data[8]));
    std::int64_t units_per_inch = ReadU16LE(&data[14]);
    if (units_per_inch == 0 || box_width <= 0 || box_height <= 0) return Problem("invalid bounding box");
    playable.width = (box_width * kPixelsPerInch + units_per_inch / 2) / units_per_inch;
    playable.height = (box_height * kPixelsPerInch + units_per_inch / 2) / units_per_inch;
    // The picture's extent in hundredths of a millimetre.
    picture.xExt = static_cast<LONG>(box_width * 2540 / units_per_inch);
    picture.yExt = static_cast<LONG>(box_height * 2540 / units_per_inch);
    data = data.subspan(kPlaceableHeaderSize);
  }
  if (data.size() < kWmfHeaderSize) return Problem("header truncated");
  std::uint64_t stated_size = std::uint64_t{ReadU32LE(&data[6])} * 2;
  if (stated_size < kWmfHeaderSize || stated_size > data.size()) return Problem("size field does not fit the file");
  playable.metafile.reset(
      SetWinMetaFileBits(static_cast<UINT>(stated_size), data.data(), nullptr, placeable ? &picture : nullptr));
  return playable;
}

// EMF: the header record gives the file's size, the frame in hundredths of a millimetre and the
// reference device's size in pixels and millimetres.
Playable OpenEmf(std::span<const std::uint8_t> data) {
  Playable playable;
  if (data.size() < kEmfHeaderSize) return Problem("header truncated");
  std::uint32_t stated_size = ReadU32LE(&data[48]);
  if (stated_size < kEmfHeaderSize || stated_size > data.size()) return Problem("size field does not fit the file");
  std::int64_t frame_width = std::int64_t{ReadI32LE(&data[32])} - ReadI32LE(&data[24]);
  std::int64_t frame_height = std::int64_t{ReadI32LE(&data[36])} - ReadI32LE(&data[28]);
  std::int64_t device_width = ReadI32LE(&data[72]);
  std::int64_t device_height = ReadI32LE(&data[76]);
  std::int64_t millimetres_wide = ReadI32LE(&data[80]);
  std::int64_t millimetres_high = ReadI32LE(&data[84]);
  if (frame_width > 0 && frame_height > 0 && device_width > 0 && device_height > 0 && millimetres_wide > 0 &&
      millimetres_high > 0) {
    playable.width = (frame_width * device_width + millimetres_wide * 50) / (millimetres_wide * 100);
    playable.height = (frame_height * device_height + millimetres_high * 50) / (millimetres_high * 100);
  }
  playable.metafile.reset(SetEnhMetaFileBits(stated_size, data.data()));
  return playable;
}

}  // namespace

PictureReadResult ReadMetafile(std::span<const std::uint8_t> data, PictureFormat format) {
  if (data.size() < 4) return DamagedPicture(format, "header truncated");
  Playable playable = format == PictureFormat::kEmf ? OpenEmf(data) : OpenWmf(data);
  if (playable.problem) return DamagedPicture(format, playable.problem);
  if (!playable.metafile) return DamagedPicture(format, "not a metafile GDI can play");
  PictureReadResult result = PictureOfFormat(format);
  if (!AllocatePicture(result, playable.width, playable.height)) return result;
  RgbImage& image = result.image;

  OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  OwnedBitmap bitmap(dc ? CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr);
  if (!bitmap || !bits) return ReadFailure(format, "not enough memory to draw the metafile");
  HGDIOBJ previous = SelectObject(dc.get(), bitmap.get());
  RECT area{0, 0, image.width, image.height};
  FillRect(dc.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  // A record GDI cannot play makes the call report failure; what it could draw is kept.
  PlayEnhMetaFile(dc.get(), playable.metafile.get(), &area);
  GdiFlush();
  SelectObject(dc.get(), previous);

  const std::size_t stride = (image.row_bytes() + 3) / 4 * 4;
  const auto* rows = static_cast<const std::uint8_t*>(bits);
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* in = rows + stride * y;
    std::uint8_t* out = image.row(y);
    for (int x = 0; x < image.width; ++x, in += 3, out += 3) out[0] = in[2], out[1] = in[1], out[2] = in[0];
  }
  return result;
}
