// TGA pictures: colour-mapped (types 1 and 9), true colour (2 and 10) and grey (3 and 11), plain
// or run-length coded, at 8, 15, 16, 24 and 32 bits per pixel, in any of the four row and column
// orders. The format has no signature, so the header is checked strictly. Alpha is ignored: many
// writers leave it undefined.
#include <optional>
#include <string>

#include "common/byte_order.h"
#include "imaging/format_readers.h"
#include "imaging/reader_support.h"

namespace {

constexpr PictureFormat kFormat = PictureFormat::kTga;
constexpr std::size_t kHeaderSize = 18;

struct TgaHeader {
  int id_length = 0;
  int map_type = 0;
  int image_type = 0;
  int map_first = 0;
  int map_length = 0;
  int map_entry_bits = 0;
  int width = 0;
  int height = 0;
  int pixel_bits = 0;
  int descriptor = 0;

  bool colour_mapped() const { return image_type == 1 || image_type == 9; }
  bool grey() const { return image_type == 3 || image_type == 11; }
  bool run_length() const { return image_type >= 9; }
  bool top_down() const { return descriptor & 0x20; }
  bool right_to_left() const { return descriptor & 0x10; }
  std::size_t pixel_bytes() const { return (pixel_bits + 7) / 8; }
  std::size_t map_bytes() const {
    return map_type == 1 ? static_cast<std::size_t>(map_length) * ((map_entry_bits + 7) / 8) : 0;
  }
};

bool IsTrueColourDepth(int bits) { return bits == 15 || bits == 16 || bits == 24 || bits == 32; }

std::optional<TgaHeader> ParseHeader(std::span<const std::uint8_t> data) {
  if (data.size() < kHeaderSize) return std::nullopt;
  const std::uint8_t* p = data.data();
  TgaHeader header;
  header.id_length = p[0];
  header.map_type = p[1];
  header.image_type = p[2];
  header.map_first = ReadU16LE(p + 3);
  header.map_length = ReadU16LE(p + 5);
  header.map_entry_bits = p[7];
  header.width = ReadU16LE(p + 12);
  header.height = ReadU16LE(p + 14);
  header.pixel_bits = p[16];
  header.descriptor = p[17];

  bool valid_type = header.image_type == 1 || header.image_type == 2 || header.image_type == 3 ||
                    header.image_type == 9 || header.image_type == 10 || header.image_type == 11;
  bool valid_map =
      header.map_type == 0 ? header.map_length == 0 : header.map_type == 1 && IsTrueColourDepth(header.map_entry_bits);
  bool valid_depth = header.colour_mapped() ? header.map_type == 1 && header.pixel_bits == 8 && header.map_length > 0
                     : header.grey()        ? header.pixel_bits == 8 || header.pixel_bits == 16
                                            : IsTrueColourDepth(header.pixel_bits);
  bool valid_descriptor = (header.descriptor & 0xC0) == 0 && (header.descriptor & 0x0F) <= 8;
  if (!valid_type || !valid_map || !valid_depth || !valid_descriptor || header.width == 0 || header.height == 0) {
    return std::nullopt;
  }
  return header;
}

// 15/16-bit (x RRRRR GGGGG BBBBB, little-endian), 24-bit (BGR) or 32-bit (BGRA) colour.
void PutTrueColour(int bits, const std::uint8_t* in, std::uint8_t* out) {
  if (bits <= 16) {
    std::uint16_t value = ReadU16LE(in);
    out[0] = ScaleToByte((value >> 10) & 31, 31);
    out[1] = ScaleToByte((value >> 5) & 31, 31);
    out[2] = ScaleToByte(value & 31, 31);
    return;
  }
  out[0] = in[2], out[1] = in[1], out[2] = in[0];
}

class PixelWriter {
 public:
  PixelWriter(const TgaHeader& header, const Palette& palette, RgbImage& image)
      : header_(header), palette_(palette), image_(image) {}

  bool done() const { return written_ >= total(); }
  std::size_t left() const { return total() - written_; }

  void Put(const std::uint8_t* pixel) {
    int row = static_cast<int>(written_ / image_.width);
    int column = static_cast<int>(written_ % image_.width);
    if (!header_.top_down()) row = image_.height - 1 - row;
    if (header_.right_to_left()) column = image_.width - 1 - column;
    std::uint8_t* out = image_.row(row) + column * 3;
    if (header_.colour_mapped()) {
      palette_.Put(pixel[0] - header_.map_first, out);
    } else if (header_.grey()) {
      out[0] = out[1] = out[2] = pixel[0];
    } else {
      PutTrueColour(header_.pixel_bits, pixel, out);
    }
    ++written_;
  }

 private:
  std::size_t total() const { return static_cast<std::size_t>(image_.width) * image_.height; }

  const TgaHeader& header_;
  const Palette& palette_;
  RgbImage& image_;
  std::size_t written_ = 0;
};

// Packets: a count byte with the high bit set repeats the one pixel that follows (low 7 bits + 1)
// times; without it, that many pixels follow as they are. Packets may run on into the next row.
std::string DecodeRunLength(ByteCursor& cursor, std::size_t pixel_bytes, PixelWriter& writer) {
  while (!writer.done()) {
    int packet = cursor.Next();
    if (packet < 0) return "pixel data truncated";
    std::size_t count = (packet & 0x7F) + 1;
    if (count > writer.left()) return "run beyond the end of the picture";
    bool repeat = packet & 0x80;
    std::span<const std::uint8_t> pixels = cursor.Take(repeat ? pixel_bytes : count * pixel_bytes);
    if (pixels.empty()) return "pixel data truncated";
    for (std::size_t i = 0; i < count; ++i) writer.Put(pixels.data() + (repeat ? 0 : i * pixel_bytes));
  }
  return {};
}

}  // namespace

bool LooksLikeTga(std::span<const std::uint8_t> data) {
  std::optional<TgaHeader> header = ParseHeader(data);
  return header && data.size() - kHeaderSize >= header->id_length + header->map_bytes();
}

PictureReadResult ReadTga(std::span<const std::uint8_t> data) {
  std::optional<TgaHeader> header = ParseHeader(data);
  if (!header) return DamagedPicture(kFormat, "invalid header");
  ByteCursor cursor(data);
  cursor.Skip(kHeaderSize + header->id_length);
  std::span<const std::uint8_t> map = cursor.Take(header->map_bytes());
  if (map.size() != header->map_bytes()) return DamagedPicture(kFormat, "colour map truncated");

  PictureReadResult result = PictureOfFormat(kFormat);
  std::size_t pixel_bytes = header->pixel_bytes();
  std::size_t pixel_count = static_cast<std::size_t>(header->width) * header->height;
  if (!CheckPictureSize(result, header->width, header->height)) return result;
  // Plain pixels must all be there; a run packet covers at most 128 pixels.
  std::size_t least_bytes =
      header->run_length() ? (pixel_count + 127) / 128 * (1 + pixel_bytes) : pixel_count * pixel_bytes;
  if (cursor.remaining() < least_bytes) return DamagedPicture(kFormat, "pixel data truncated");
  if (!AllocatePicture(result, header->width, header->height)) return result;
  Palette palette;
  if (header->colour_mapped()) {
    std::size_t entry_bytes = (header->map_entry_bits + 7) / 8;
    palette.size = header->map_length < 256 ? header->map_length : 256;
    for (int i = 0; i < palette.size; ++i) {
      std::uint8_t rgb[3];
      PutTrueColour(header->map_entry_bits, map.data() + i * entry_bytes, rgb);
      palette.Set(i, rgb[0], rgb[1], rgb[2]);
    }
  }

  PixelWriter writer(*header, palette, result.image);
  if (header->run_length()) {
    std::string problem = DecodeRunLength(cursor, pixel_bytes, writer);
    if (!problem.empty()) return DamagedPicture(kFormat, problem);
    return result;
  }
  std::span<const std::uint8_t> pixels = cursor.Take(pixel_count * pixel_bytes);
  for (std::size_t offset = 0; !writer.done(); offset += pixel_bytes) writer.Put(pixels.data() + offset);
  return result;
}
