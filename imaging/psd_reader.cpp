// PSD pictures: the flattened composite in the image data section at the end of the file, plain or
// PackBits coded, 8 or 16 bits per channel (16 reduced to the high byte), in grey (and duotone, shown
// as its grey levels), indexed, RGB and CMYK modes. The colour mode data, image resources and layer
// sections are skipped by their lengths; layers themselves are not read. Alpha channels are ignored.
#include <cstring>
#include <string>
#include <vector>

#include "common/byte_order.h"
#include "imaging/format_readers.h"
#include "imaging/reader_support.h"

namespace {

constexpr PictureFormat kFormat = PictureFormat::kPsd;
constexpr std::size_t kHeaderSize = 26;

enum ColourMode { kGrey = 1, kIndexed = 2, kRgb = 3, kCmyk = 4, kDuotone = 8 };

int ChannelsNeeded(int mode) {
  switch (mode) {
    case kGrey:
    case kDuotone:
    case kIndexed: return 1;
    case kRgb: return 3;
    case kCmyk: return 4;
    default: return 0;
  }
}

// Skips a section that starts with its 32-bit big-endian length; its content is returned.
std::span<const std::uint8_t> TakeSection(ByteCursor& cursor, bool& ok) {
  std::span<const std::uint8_t> length = cursor.Take(4);
  if (length.empty()) {
    ok = false;
    return {};
  }
  std::uint32_t size = ReadU32BE(length.data());
  std::span<const std::uint8_t> content = cursor.Take(size);
  ok = content.size() == size;
  return content;
}

// One PackBits coded row: a signed count n, then n + 1 literal bytes (n >= 0) or one byte repeated
// 1 - n times (n from -1 to -127); -128 is skipped.
std::string UnpackRow(std::span<const std::uint8_t> coded, std::uint8_t* out, std::size_t row_bytes) {
  ByteCursor cursor(coded);
  std::size_t filled = 0;
  while (filled < row_bytes) {
    int count = cursor.Next();
    if (count < 0) return "row data ends early";
    if (count == 128) continue;
    bool repeat = count > 128;
    std::size_t length = repeat ? 257 - count : count + 1;
    if (length > row_bytes - filled) return "run beyond the end of a row";
    std::span<const std::uint8_t> bytes = cursor.Take(repeat ? 1 : length);
    if (bytes.empty()) return "row data ends early";
    if (repeat) {
      std::memset(out + filled, bytes[0], length);
    } else {
      std::memcpy(out + filled, bytes.data(), length);
    }
    filled += length;
  }
  return {};
}

// Puts one decoded row of channel `channel` into the picture row.
void PlaceRow(int mode, int channel, const std::uint8_t* samples, int sample_bytes, const Palette& palette, int width,
              std::uint8_t* out) {
  for (int x = 0; x < width; ++x, out += 3) {
    std::uint8_t sample = samples[x * sample_bytes];  // 16-bit samples are big-endian: high byte first
    switch (mode) {
      case kIndexed: palette.Put(sample, out); break;
      case kGrey:
      case kDuotone: out[0] = out[1] = out[2] = sample; break;
      default:
        if (channel < 3) {
          out[channel] = sample;
        } else {
          InvertedCmykToRgb(out[0], out[1], out[2], sample, out);
        }
    }
  }
}

}  // namespace

PictureReadResult ReadPsd(std::span<const std::uint8_t> data) {
  if (data.size() < kHeaderSize) return DamagedPicture(kFormat, "header truncated");
  const std::uint8_t* header = data.data();
  if (std::memcmp(header, "8BPS", 4) != 0 || ReadU16BE(header + 4) != 1) {
    return DamagedPicture(kFormat, "not a version 1 PSD file");
  }
  int channels = ReadU16BE(header + 12);
  std::int64_t height = ReadU32BE(header + 14);
  std::int64_t width = ReadU32BE(header + 18);
  int depth = ReadU16BE(header + 22);
  int mode = ReadU16BE(header + 24);
  int needed = ChannelsNeeded(mode);
  if (needed == 0 || (depth != 8 && depth != 16) || (mode == kIndexed && depth != 8)) {
    return DamagedPicture(kFormat,
                          "unsupported colour mode " + std::to_string(mode) + " at " + std::to_string(depth) + " bits");
  }
  if (channels < needed) return DamagedPicture(kFormat, "too few channels");

  ByteCursor cursor(data);
  cursor.Skip(kHeaderSize);
  bool ok = true;
  std::span<const std::uint8_t> colour_data = TakeSection(cursor, ok);
  if (ok) TakeSection(cursor, ok);  // image resources
  if (ok) TakeSection(cursor, ok);  // layers and masks
  std::span<const std::uint8_t> compression_field = ok ? cursor.Take(2) : std::span<const std::uint8_t>();
  if (compression_field.empty()) return DamagedPicture(kFormat, "sections truncated");
  int compression = ReadU16BE(compression_field.data());
  if (compression > 1) return DamagedPicture(kFormat, "unsupported compression " + std::to_string(compression));
  Palette palette;
  if (mode == kIndexed) {
    if (colour_data.size() < 768) return DamagedPicture(kFormat, "colour table missing");
    palette.size = 256;
    for (int i = 0; i < 256; ++i) palette.Set(i, colour_data[i], colour_data[256 + i], colour_data[512 + i]);
  }

  PictureReadResult result = PictureOfFormat(kFormat);
  if (!CheckPictureSize(result, width, height)) return result;
  int sample_bytes = depth / 8;
  std::size_t row_bytes = static_cast<std::size_t>(width) * sample_bytes;
  // Run-length coded data starts with the coded size of every row of every channel; plain data
  // must hold every row of the channels used.
  // A PackBits pair gives at most 128 bytes.
  std::span<const std::uint8_t> row_sizes;
  std::size_t least_row_bytes = row_bytes;
  if (compression == 1) {
    row_sizes = cursor.Take(static_cast<std::size_t>(height) * channels * 2);
    if (row_sizes.empty()) return DamagedPicture(kFormat, "row size table truncated");
    least_row_bytes = (row_bytes + 127) / 128 * 2;
  }
  if (cursor.remaining() / least_row_bytes < static_cast<std::size_t>(height) * needed) {
    return DamagedPicture(kFormat, "pixel data truncated");
  }
  if (!AllocatePicture(result, width, height)) return result;
  RgbImage& image = result.image;
  std::vector<std::uint8_t> samples(row_bytes);
  for (int channel = 0; channel < needed; ++channel) {
    for (int y = 0; y < image.height; ++y) {
      if (compression == 0) {
        std::span<const std::uint8_t> raw = cursor.Take(row_bytes);
        if (raw.empty()) return DamagedPicture(kFormat, "pixel data truncated");
        std::memcpy(samples.data(), raw.data(), row_bytes);
      } else {
        std::size_t index = static_cast<std::size_t>(channel) * image.height + y;
        std::span<const std::uint8_t> coded = cursor.Take(ReadU16BE(row_sizes.data() + index * 2));
        if (coded.empty()) return DamagedPicture(kFormat, "pixel data truncated");
        std::string problem = UnpackRow(coded, samples.data(), row_bytes);
        if (!problem.empty()) return DamagedPicture(kFormat, problem);
      }
      PlaceRow(mode, channel, samples.data(), sample_bytes, palette, image.width, image.row(y));
    }
  }
  return result;
}
