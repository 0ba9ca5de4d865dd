// The wallpaper file's format: an uncompressed 24-bit Windows bitmap, written field by field.
#include "imaging/bmp_writer.h"

#include "common/byte_order.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize;
// 72 dots per inch, as Windows writes it.
constexpr std::uint32_t kPixelsPerMetre = 2835;

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const RgbImage& image) {
  if (!image.valid()) return {};
  // Every row padded to a multiple of four bytes. The largest allowed picture stays far below 4 GB.
  const std::size_t row_size = (image.row_bytes() + 3) & ~std::size_t{3};
  const std::size_t image_size = row_size * static_cast<std::size_t>(image.height);
  // The file is appended to row by row rather than zero-filled first: one pass over its bytes.
  std::vector<std::uint8_t> file(kPixelOffset);
  file.reserve(kPixelOffset + image_size);

  std::uint8_t* header = file.data();
  header[0] = 'B';
  header[1] = 'M';
  WriteU32LE(header + 2, static_cast<std::uint32_t>(kPixelOffset + image_size));
  WriteU32LE(header + 6, 0);  // two reserved words
  WriteU32LE(header + 10, kPixelOffset);

  std::uint8_t* info = file.data() + kFileHeaderSize;
  WriteU32LE(info, kInfoHeaderSize);
  WriteI32LE(info + 4, image.width);
  WriteI32LE(info + 8, image.height);  // positive: the bottom row comes first
  WriteU16LE(info + 12, 1);            // planes
  WriteU16LE(info + 14, 24);           // bits per pixel
  WriteU32LE(info + 16, 0);            // no compression
  WriteU32LE(info + 20, static_cast<std::uint32_t>(image_size));
  WriteI32LE(info + 24, kPixelsPerMetre);
  WriteI32LE(info + 28, kPixelsPerMetre);
  WriteU32LE(info + 32, 0);  // no colour table
  WriteU32LE(info + 36, 0);  // all colours important

  std::vector<std::uint8_t> row(row_size, 0);  // the padding bytes stay zero
  for (int y = image.height - 1; y >= 0; --y) {
    CopySwappingRedBlue(image.row(y), row.data(), image.width);
    file.insert(file.end(), row.begin(), row.end());
  }
  return file;
}
