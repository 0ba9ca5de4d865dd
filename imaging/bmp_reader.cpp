// Windows and OS/2 bitmaps: 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up and top-down rows,
// uncompressed, run-length coded (8 and 4 bits) and with colour masks (16 and 32 bits), under the
// OS/2 core header and the Windows info headers up to version 5. Alpha is ignored: most writers
// leave it undefined.
#include <algorithm>
#include <bit>
#include <string>

#include "common/byte_order.h"
#include "imaging/format_readers.h"
#include "imaging/reader_support.h"

namespace {

constexpr PictureFormat kFormat = PictureFormat::kBmp;
constexpr std::size_t kFileHeaderSize = 14;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6 };

// One colour channel of a 16- or 32-bit pixel.
struct ChannelMask {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;

  explicit ChannelMask(std::uint32_t bits = 0) : mask(bits) {
    if (mask == 0) return;
    shift = std::countr_zero(mask);
    max = mask >> shift;
  }
  std::uint8_t Of(std::uint32_t pixel) const { return max ? ScaleToByte((pixel & mask) >> shift, max) : 0; }
};

struct BmpLayout {
  std::int64_t width = 0;
  std::int64_t height = 0;
  bool top_down = false;
  int bits = 0;
  std::uint32_t compression = kRgb;
  ChannelMask red, green, blue;
  Palette palette;
  std::size_t pixel_offset = 0;

  bool run_length() const { return compression == kRle8 || compression == kRle4; }
  // Bytes of one uncompressed row without and with its padding to a multiple of four.
  std::uint64_t used_row_bytes() const { return (static_cast<std::uint64_t>(width) * bits + 7) / 8; }
  std::uint64_t stride() const { return (used_row_bytes() + 3) / 4 * 4; }
};

bool DepthFitsCompression(int bits, std::uint32_t compression) {
  switch (compression) {
    case kRgb: return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8: return bits == 8;
    case kRle4: return bits == 4;
    case kBitfields:
    case kAlphaBitfields: return bits == 16 || bits == 32;
    default: return false;
  }
}

// Reads the headers, masks and palette; returns the failure text, empty on success.
std::string ParseLayout(std::span<const std::uint8_t> data, BmpLayout& layout) {
  if (data.size() < kFileHeaderSize + 16) return "header truncated";
  const std::uint8_t* info = data.data() + kFileHeaderSize;
  std::uint32_t header_size = ReadU32LE(info);
  if (header_size > data.size() - kFileHeaderSize) return "header truncated";
  if (header_size != 12 && header_size < 16) return "unknown header size " + std::to_string(header_size);
  bool core = header_size == 12;
  // OS/2 2.x headers give compression values 3 and 4 other meanings (Huffman, 24-bit runs).
  bool os2 = !core && header_size != 40 && header_size != 52 && header_size != 56 && header_size < 108;
  std::uint32_t colours_used = 0;
  if (core) {
    layout.width = ReadU16LE(info + 4);
    layout.height = ReadU16LE(info + 6);
    layout.bits = ReadU16LE(info + 10);
  } else {
    layout.width = ReadI32LE(info + 4);
    layout.height = ReadI32LE(info + 8);
    layout.bits = ReadU16LE(info + 14);
    if (header_size >= 20) layout.compression = ReadU32LE(info + 16);
    if (header_size >= 36) colours_used = ReadU32LE(info + 32);
  }
  if (layout.height < 0) {
    layout.top_down = true;
    layout.height = -layout.height;
  }
  if ((os2 && layout.compression >= kBitfields) || !DepthFitsCompression(layout.bits, layout.compression)) {
    return "unsupported compression " + std::to_string(layout.compression) + " at " + std::to_string(layout.bits) +
           " bits per pixel";
  }

  std::size_t table_offset = kFileHeaderSize + header_size;
  std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
  if (layout.bits == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  if (layout.compression == kBitfields || layout.compression == kAlphaBitfields) {
    const std::uint8_t* mask_bytes = info + 40;
    if (header_size < 52) {
      std::size_t mask_size = layout.compression == kAlphaBitfields ? 16 : 12;
      if (data.size() - table_offset < mask_size) return "colour masks truncated";
      mask_bytes = data.data() + table_offset;
      table_offset += mask_size;
    }
    for (int i = 0; i < 3; ++i) masks[i] = ReadU32LE(mask_bytes + 4 * i);
  }
  layout.red = ChannelMask(masks[0]);
  layout.green = ChannelMask(masks[1]);
  layout.blue = ChannelMask(masks[2]);

  std::uint32_t stated_offset = ReadU32LE(data.data() + 10);
  std::size_t entry_size = core ? 3 : 4;
  std::size_t entries = 0;
  if (layout.bits <= 8) {
    entries = std::size_t{1} << layout.bits;
    if (colours_used != 0 && colours_used < entries) entries = colours_used;
  }
  // The palette ends where the pixels start, or where the file ends.
  std::size_t table_end = data.size();
  if (stated_offset > table_offset && stated_offset < table_end) table_end = stated_offset;
  std::size_t present = (table_end - table_offset) / entry_size;
  layout.palette.size = static_cast<int>(entries < present ? entries : present);
  for (int i = 0; i < layout.palette.size; ++i) {
    const std::uint8_t* entry = data.data() + table_offset + i * entry_size;
    layout.palette.Set(i, entry[2], entry[1], entry[0]);
  }
  // Files that give no pixel offset have the pixels right after the palette.
  layout.pixel_offset = stated_offset != 0 ? stated_offset : table_offset + entries * entry_size;
  if (layout.pixel_offset >= data.size()) return "no pixel data";
  return {};
}

void DecodeRow(const BmpLayout& layout, const std::uint8_t* in, std::uint8_t* out) {
  int width = static_cast<int>(layout.width);
  for (int x = 0; x < width; ++x, out += 3) {
    switch (layout.bits) {
      case 16: {
        std::uint32_t pixel = ReadU16LE(in + 2 * x);
        out[0] = layout.red.Of(pixel), out[1] = layout.green.Of(pixel), out[2] = layout.blue.Of(pixel);
        break;
      }
      case 24: out[0] = in[3 * x + 2], out[1] = in[3 * x + 1], out[2] = in[3 * x]; break;
      case 32: {
        std::uint32_t pixel = ReadU32LE(in + 4 * x);
        out[0] = layout.red.Of(pixel), out[1] = layout.green.Of(pixel), out[2] = layout.blue.Of(pixel);
        break;
      }
      default: layout.palette.Put(PackedIndex(in, x, layout.bits), out);  // 1, 4 or 8 bits
    }
  }
}

void DecodeUncompressed(std::span<const std::uint8_t> pixels, const BmpLayout& layout, RgbImage& image) {
  for (int y = 0; y < image.height; ++y) {
    int out_y = layout.top_down ? y : image.height - 1 - y;
    DecodeRow(layout, pixels.data() + layout.stride() * y, image.row(out_y));
  }
}

// Run-length coded 8- or 4-bit pixels: pairs of (count, value) runs and escapes (0 = end of row,
// 1 = end of picture, 2 = move right and down, 3 and more = that many literal pixels, padded to a
// 16-bit boundary). Pixels that the runs skip stay black. Some writers code every row to a multiple
// of four pixels, so runs and moves are cut at the end of the row (the pixels past it are dropped)
// and whatever follows the last row is ignored: nothing is written outside the picture.
std::string DecodeRunLength(std::span<const std::uint8_t> pixels, const BmpLayout& layout, RgbImage& image) {
  bool four_bit = layout.compression == kRle4;
  ByteCursor cursor(pixels);
  std::int64_t x = 0;  // never past the end of the row
  std::int64_t y = 0;
  // Puts the pixels of a run of count that lie inside the row; index_of(i) is the i-th one's index.
  auto put_run = [&](int count, auto index_of) {
    std::uint8_t* row = image.row(static_cast<int>(layout.top_down ? y : image.height - 1 - y));
    int inside = static_cast<int>(std::min<std::int64_t>(count, image.width - x));
    for (int i = 0; i < inside; ++i) layout.palette.Put(index_of(i), row + (x + i) * 3);
    x += inside;
  };
  while (y < image.height) {
    int count = cursor.Next();
    int value = cursor.Next();
    if (value < 0) return "compressed data ends early";
    if (count == 0 && value == 0) {
      x = 0, ++y;
      continue;
    }
    if (count == 0 && value == 1) return {};
    if (count == 0 && value == 2) {
      int right = cursor.Next();
      int down = cursor.Next();
      if (down < 0) return "compressed data ends early";
      x = std::min<std::int64_t>(x + right, image.width), y += down;
      continue;
    }
    if (count != 0) {
      put_run(count, [&](int i) { return four_bit ? (i % 2 ? value & 15 : value >> 4) : value; });
      continue;
    }
    // The literal bytes past the row end are read all the same, so that the next code is found.
    std::size_t bytes = four_bit ? (value + 1) / 2 : value;
    std::span<const std::uint8_t> literal = cursor.Take(bytes);
    if (literal.size() != bytes) return "compressed data ends early";
    put_run(value, [&](int i) { return four_bit ? (i % 2 ? literal[i / 2] & 15 : literal[i / 2] >> 4) : literal[i]; });
    if (bytes % 2) cursor.Skip(1);
  }
  return {};
}

}  // namespace

PictureReadResult ReadBmp(std::span<const std::uint8_t> data) {
  BmpLayout layout;
  std::string problem = ParseLayout(data, layout);
  if (!problem.empty()) return DamagedPicture(kFormat, problem);
  PictureReadResult result = PictureOfFormat(kFormat);
  if (!CheckPictureSize(result, layout.width, layout.height)) return result;
  std::span<const std::uint8_t> pixels = data.subspan(layout.pixel_offset);
  // The last row may lack its padding.
  bool complete = layout.stride() * (layout.height - 1) + layout.used_row_bytes() <= pixels.size();
  if (!layout.run_length() && !complete) return DamagedPicture(kFormat, "pixel data truncated");
  if (!AllocatePicture(result, layout.width, layout.height)) return result;
  if (!layout.run_length()) {
    DecodeUncompressed(pixels, layout, result.image);
    return result;
  }
  problem = DecodeRunLength(pixels, layout, result.image);
  if (!problem.empty()) return DamagedPicture(kFormat, problem);
  return result;
}
