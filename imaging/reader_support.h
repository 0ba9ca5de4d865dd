// Helpers shared by the picture readers: failure results with their texts, the size check made
// before any pixel memory is allocated, palettes, and a bounds-checked byte cursor for the
// run-length coded formats.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "imaging/image.h"
#include "imaging/picture_reader.h"

// Upper-case name of the format as the failure texts show it ("PNG", "JPEG-2000", ...).
const char* PictureFormatLabel(PictureFormat format);

// A failed read with the given text.
PictureReadResult ReadFailure(PictureFormat format, std::string error);

// A read that failed because the memory ran out, with the given text.
PictureReadResult OutOfMemory(PictureFormat format, std::string error);

// "damaged PNG file: <detail>".
PictureReadResult DamagedPicture(PictureFormat format, std::string_view detail);

// "picture too large: 70000 x 70000".
PictureReadResult PictureTooLarge(PictureFormat format, std::int64_t width, std::int64_t height);

// Whether a picture of width x height may be allocated; otherwise sets the failure text ("picture
// too large: 70000 x 70000", or the damaged-file text for sizes of zero or below) and returns
// false. Callers pass the sizes exactly as the file states them.
bool CheckPictureSize(PictureReadResult& result, std::int64_t width, std::int64_t height);

// CheckPictureSize, then allocates result.image (zero-filled). A reader that unpacks wider pixels in
// place asks for more bytes a pixel and shortens the buffer to 3 bytes a pixel when done.
bool AllocatePicture(PictureReadResult& result, std::int64_t width, std::int64_t height,
                     std::size_t bytes_per_pixel = 3);

// A successful read: the format is set and the error stays empty.
PictureReadResult PictureOfFormat(PictureFormat format);

// Up to 256 colours, red-green-blue; entries a file does not give stay black.
struct Palette {
  std::array<std::uint8_t, 256 * 3> rgb{};
  int size = 0;

  void Set(int index, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    rgb[index * 3] = red;
    rgb[index * 3 + 1] = green;
    rgb[index * 3 + 2] = blue;
  }
  // Copies the colour of index to out (3 bytes); indexes past the palette give black.
  void Put(int index, std::uint8_t* out) const;
};

// 0..255 gray levels.
Palette GrayPalette(int levels);

// Reads a picture's bytes front to back without ever passing the end.
class ByteCursor {
 public:
  explicit ByteCursor(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t position() const { return position_; }
  std::size_t remaining() const { return data_.size() - position_; }
  bool at_end() const { return position_ >= data_.size(); }

  // The next byte, or -1 at the end.
  int Next() { return at_end() ? -1 : data_[position_++]; }
  // The next count bytes, or an empty span (and nothing consumed) when fewer remain.
  std::span<const std::uint8_t> Take(std::size_t count);
  // Moves past count bytes; false (at the end) when fewer remain.
  bool Skip(std::size_t count);

 private:
  std::span<const std::uint8_t> data_;
  std::size_t position_ = 0;
};

// The whole file in memory, read front to back by the libraries' read callbacks.
struct MemorySource {
  const std::uint8_t* data = nullptr;
  std::uint64_t size = 0;
  std::uint64_t position = 0;

  explicit MemorySource(std::span<const std::uint8_t> bytes) : data(bytes.data()), size(bytes.size()) {}
  // Copies up to count bytes to out and moves past them; returns how many (0 at the end).
  std::size_t Read(void* out, std::uint64_t count);
};

// Scales a value of 0..max_value to 0..255 (max_value above zero).
inline std::uint8_t ScaleToByte(std::uint32_t value, std::uint32_t max_value) {
  if (value >= max_value) return 255;
  return static_cast<std::uint8_t>((static_cast<std::uint64_t>(value) * 255 + max_value / 2) / max_value);
}

// The palette index of pixel x in a row of 1-, 2-, 4- or 8-bit indexes, leftmost pixel in the
// high bits.
inline int PackedIndex(const std::uint8_t* row, int x, int bits) {
  std::size_t bit = static_cast<std::size_t>(x) * bits;
  int shift = 8 - bits - static_cast<int>(bit % 8);
  return (row[bit / 8] >> shift) & ((1 << bits) - 1);
}

// Inverted CMYK as Adobe writers store it (255 = no ink) to red, green and blue.
void InvertedCmykToRgb(std::uint8_t cyan, std::uint8_t magenta, std::uint8_t yellow, std::uint8_t black,
                       std::uint8_t* out);
