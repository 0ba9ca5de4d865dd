// Helpers shared by the picture readers.
#include "imaging/reader_support.h"

#include <cstring>
#include <iterator>
#include <new>
#include <utility>

namespace {

struct FormatNames {
  const char* name;
  const char* label;
};

// Indexed by PictureFormat.
constexpr FormatNames kFormatNames[] = {
    {"unknown", "picture"}, {"jpeg", "JPEG"}, {"png", "PNG"}, {"tiff", "TIFF"}, {"jpeg2000", "JPEG-2000"},
    {"gif", "GIF"},         {"bmp", "BMP"},   {"pcx", "PCX"}, {"tga", "TGA"},   {"psd", "PSD"},
    {"wbmp", "WBMP"},       {"wmf", "WMF"},   {"emf", "EMF"},
};
static_assert(std::size(kFormatNames) == static_cast<std::size_t>(PictureFormat::kEmf) + 1);

const FormatNames& NamesOf(PictureFormat format) {
  auto index = static_cast<std::size_t>(format);
  return kFormatNames[index < std::size(kFormatNames) ? index : 0];
}

}  // namespace

const char* PictureFormatName(PictureFormat format) { return NamesOf(format).name; }

const char* PictureFormatLabel(PictureFormat format) { return NamesOf(format).label; }

PictureReadResult ReadFailure(PictureFormat format, std::string error) {
  PictureReadResult result;
  result.format = format;
  result.error = std::move(error);
  return result;
}

PictureReadResult OutOfMemory(PictureFormat format, std::string error) {
  PictureReadResult result = ReadFailure(format, std::move(error));
  result.out_of_memory = true;
  return result;
}

PictureReadResult DamagedPicture(PictureFormat format, std::string_view detail) {
  std::string text = "damaged ";
  text += PictureFormatLabel(format);
  text += " file: ";
  text += detail;
  return ReadFailure(format, std::move(text));
}

namespace {

std::string SizeText(std::int64_t width, std::int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

PictureReadResult PictureTooLarge(PictureFormat format, std::int64_t width, std::int64_t height) {
  return ReadFailure(format, "picture too large: " + SizeText(width, height));
}

bool CheckPictureSize(PictureReadResult& result, std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) {
    result = DamagedPicture(result.format, "picture size " + SizeText(width, height));
    return false;
  }
  if (!PictureSizeAllowed(width, height)) {
    result = PictureTooLarge(result.format, width, height);
    return false;
  }
  return true;
}

bool AllocatePicture(PictureReadResult& result, std::int64_t width, std::int64_t height, std::size_t bytes_per_pixel) {
  if (!CheckPictureSize(result, width, height)) return false;
  try {
    result.image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * bytes_per_pixel, 0);
    result.image.width = static_cast<int>(width);
    result.image.height = static_cast<int>(height);
  } catch (const std::bad_alloc&) {
    result = OutOfMemory(result.format, "not enough memory for a picture of " + SizeText(width, height));
    return false;
  }
  return true;
}

PictureReadResult PictureOfFormat(PictureFormat format) {
  PictureReadResult result;
  result.format = format;
  return result;
}

void Palette::Put(int index, std::uint8_t* out) const {
  if (index < 0 || index >= size) {
    out[0] = out[1] = out[2] = 0;
    return;
  }
  out[0] = rgb[index * 3];
  out[1] = rgb[index * 3 + 1];
  out[2] = rgb[index * 3 + 2];
}

Palette GrayPalette(int levels) {
  Palette palette;
  palette.size = levels;
  for (int i = 0; i < levels; ++i) {
    std::uint8_t level = levels > 1 ? ScaleToByte(i, levels - 1) : 0;
    palette.Set(i, level, level, level);
  }
  return palette;
}

std::span<const std::uint8_t> ByteCursor::Take(std::size_t count) {
  if (count > remaining()) return {};
  std::span<const std::uint8_t> part = data_.subspan(position_, count);
  position_ += count;
  return part;
}

bool ByteCursor::Skip(std::size_t count) {
  if (count > remaining()) {
    position_ = data_.size();
    return false;
  }
  position_ += count;
  return true;
}

std::size_t MemorySource::Read(void* out, std::uint64_t count) {
  if (position >= size) return 0;
  std::uint64_t part = size - position < count ? size - position : count;
  std::memcpy(out, data + position, part);
  position += part;
  return static_cast<std::size_t>(part);
}

void InvertedCmykToRgb(std::uint8_t cyan, std::uint8_t magenta, std::uint8_t yellow, std::uint8_t black,
                       std::uint8_t* out) {
  out[0] = static_cast<std::uint8_t>((cyan * black + 127) / 255);
  out[1] = static_cast<std::uint8_t>((magenta * black + 127) / 255);
  out[2] = static_cast<std::uint8_t>((yellow * black + 127) / 255);
}
