// PCX pictures: run-length coded scan lines in one to four planes. Black-and-white (1 bit), 4 and
// 16 colours from the header palette (packed or in bit planes), 256 colours from the palette at the
// end of the file (grey levels when it is missing), and 24-bit colour in three planes (a fourth,
// alpha plane is ignored).
#include <cstring>
#include <string>
#include <vector>

#include "common/byte_order.h"
#include "imaging/format_readers.h"
#include "imaging/reader_support.h"

namespace {

constexpr PictureFormat kFormat = PictureFormat::kPcx;
constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kEndPaletteSize = 1 + 256 * 3;  // marker byte 12, then 256 colours

// The run-length coded bytes; a run may carry on from one scan line into the next.
class RunLengthStream {
 public:
  explicit RunLengthStream(std::span<const std::uint8_t> data) : cursor_(data) {}

  // Decodes count bytes into out; false when the data ends first.
  bool Fill(std::uint8_t* out, std::size_t count) {
    while (count > 0) {
      if (run_ > 0) {
        std::size_t part = run_ < count ? run_ : count;
        std::memset(out, value_, part);
        out += part, count -= part, run_ -= part;
        continue;
      }
      int byte = cursor_.Next();
      if (byte < 0) return false;
      if ((byte & 0xC0) != 0xC0) {
        *out++ = static_cast<std::uint8_t>(byte);
        --count;
        continue;
      }
      int value = cursor_.Next();
      if (value < 0) return false;
      run_ = byte & 0x3F;
      value_ = static_cast<std::uint8_t>(value);
    }
    return true;
  }

 private:
  ByteCursor cursor_;
  std::size_t run_ = 0;
  std::uint8_t value_ = 0;
};

enum class Layout { kPacked, kBitPlanes, kRgbPlanes };

}  // namespace

PictureReadResult ReadPcx(std::span<const std::uint8_t> data) {
  if (data.size() < kHeaderSize) return DamagedPicture(kFormat, "header truncated");
  const std::uint8_t* header = data.data();
  int bits = header[3];
  int planes = header[65];
  std::size_t line_bytes = ReadU16LE(header + 66);
  Layout layout;
  if (planes == 1 && (bits == 1 || bits == 2 || bits == 4 || bits == 8)) {
    layout = Layout::kPacked;
  } else if (bits == 1 && planes >= 2 && planes <= 4) {
    layout = Layout::kBitPlanes;
  } else if (bits == 8 && (planes == 3 || planes == 4)) {
    layout = Layout::kRgbPlanes;
  } else {
    return DamagedPicture(
        kFormat, "unsupported layout of " + std::to_string(planes) + " planes at " + std::to_string(bits) + " bits");
  }

  PictureReadResult result = PictureOfFormat(kFormat);
  std::int64_t width = std::int64_t{ReadU16LE(header + 8)} - ReadU16LE(header + 4) + 1;
  std::int64_t height = std::int64_t{ReadU16LE(header + 10)} - ReadU16LE(header + 6) + 1;
  if (!CheckPictureSize(result, width, height)) return result;
  if (static_cast<std::uint64_t>(width) * bits > line_bytes * 8) {
    return DamagedPicture(kFormat, "scan line shorter than the picture width");
  }
  // One coded byte pair gives at most 63 bytes.
  if (static_cast<std::uint64_t>(height) * planes * line_bytes / 63 > data.size()) {
    return DamagedPicture(kFormat, "pixel data truncated");
  }
  if (!AllocatePicture(result, width, height)) return result;

  std::span<const std::uint8_t> coded = data.subspan(kHeaderSize);
  Palette palette;
  if (layout == Layout::kPacked && bits == 8) {
    palette = GrayPalette(256);
    std::size_t marker = data.size() - kEndPaletteSize;
    if (data.size() >= kHeaderSize + kEndPaletteSize && data[marker] == 12) {
      for (int i = 0; i < 256; ++i)
        palette.Set(i, data[marker + 1 + 3 * i], data[marker + 2 + 3 * i], data[marker + 3 + 3 * i]);
      coded = data.subspan(kHeaderSize, marker - kHeaderSize);
    }
  } else if (layout != Layout::kRgbPlanes && bits * planes == 1) {
    palette.size = 2;
    palette.Set(1, 255, 255, 255);
  } else if (layout != Layout::kRgbPlanes) {
    palette.size = 16;
    for (int i = 0; i < 16; ++i) palette.Set(i, header[16 + 3 * i], header[17 + 3 * i], header[18 + 3 * i]);
  }

  RgbImage& image = result.image;
  std::vector<std::uint8_t> line(line_bytes * planes);
  RunLengthStream stream(coded);
  for (int y = 0; y < image.height; ++y) {
    if (!stream.Fill(line.data(), line.size())) return DamagedPicture(kFormat, "pixel data truncated");
    std::uint8_t* out = image.row(y);
    for (int x = 0; x < image.width; ++x, out += 3) {
      switch (layout) {
        case Layout::kRgbPlanes:
          for (int c = 0; c < 3; ++c) out[c] = line[c * line_bytes + x];
          break;
        case Layout::kBitPlanes: {
          int index = 0;
          for (int p = 0; p < planes; ++p) index |= ((line[p * line_bytes + x / 8] >> (7 - x % 8)) & 1) << p;
          palette.Put(index, out);
          break;
        }
        case Layout::kPacked: palette.Put(PackedIndex(line.data(), x, bits), out); break;
      }
    }
  }
  return result;
}
