// Wireless bitmaps, type 0: black and white, one bit per pixel (1 = white), rows padded to whole
// bytes. The header is the type and a fixed header byte (both 0) and the width and height as
// multi-byte integers (7 bits a byte, high bit set on all but the last). There is no signature, so
// detection also asks that the file holds all the rows.
#include <optional>

#include "imaging/format_readers.h"
#include "imaging/reader_support.h"

namespace {

constexpr PictureFormat kFormat = PictureFormat::kWbmp;

struct WbmpHeader {
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::size_t pixel_offset = 0;

  std::uint64_t row_bytes() const { return (static_cast<std::uint64_t>(width) + 7) / 8; }
};

// A multi-byte integer of at most four bytes (28 bits), or -1.
std::int64_t ReadMultiByte(ByteCursor& cursor) {
  std::int64_t value = 0;
  for (int i = 0; i < 4; ++i) {
    int byte = cursor.Next();
    if (byte < 0) return -1;
    value = (value << 7) | (byte & 0x7F);
    if ((byte & 0x80) == 0) return value;
  }
  return -1;
}

std::optional<WbmpHeader> ParseHeader(std::span<const std::uint8_t> data) {
  ByteCursor cursor(data);
  if (cursor.Next() != 0 || cursor.Next() != 0) return std::nullopt;
  WbmpHeader header;
  header.width = ReadMultiByte(cursor);
  header.height = ReadMultiByte(cursor);
  if (header.width <= 0 || header.height <= 0) return std::nullopt;
  header.pixel_offset = cursor.position();
  return header;
}

}  // namespace

bool LooksLikeWbmp(std::span<const std::uint8_t> data) {
  std::optional<WbmpHeader> header = ParseHeader(data);
  return header && PictureSizeAllowed(header->width, header->height) &&
         data.size() - header->pixel_offset >= header->row_bytes() * header->height;
}

PictureReadResult ReadWbmp(std::span<const std::uint8_t> data) {
  std::optional<WbmpHeader> header = ParseHeader(data);
  if (!header) return DamagedPicture(kFormat, "invalid header");
  PictureReadResult result = PictureOfFormat(kFormat);
  if (!CheckPictureSize(result, header->width, header->height)) return result;
  std::uint64_t row_bytes = header->row_bytes();
  if (data.size() - header->pixel_offset < row_bytes * header->height) {
    return DamagedPicture(kFormat, "pixel data truncated");
  }
  if (!AllocatePicture(result, header->width, header->height)) return result;
  RgbImage& image = result.image;
  const std::uint8_t* in = data.data() + header->pixel_offset;
  for (int y = 0; y < image.height; ++y, in += row_bytes) {
    std::uint8_t* out = image.row(y);
    for (int x = 0; x < image.width; ++x, out += 3) {
      out[0] = out[1] = out[2] = PackedIndex(in, x, 1) ? 255 : 0;
    }
  }
  return result;
}
