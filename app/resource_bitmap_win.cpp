// Window bitmaps from picture resources.
#include "app/resource_bitmap_win.h"

#include "imaging/display_bitmap_win.h"
#include "imaging/picture_reader.h"
#include "imaging/pixel_ops.h"
#include "wallpaper/builtin_pictures_win.h"
#include "wallpaper/picture_fit.h"

namespace {

// The picture scaled to cover width x height and cut to that size.
RgbImage CoverExactly(const RgbImage& picture, int width, int height) {
  if (picture.width == width && picture.height == height) return picture;
  ScaledPlacement placement = CoverPlacement(picture.width, picture.height, width, height);
  RgbImage scaled = Resample(picture, placement.scaled_width, placement.scaled_height);
  if (scaled.width == width && scaled.height == height) return scaled;
  return CopyRectangle(scaled, placement.cut_out);
}

}  // namespace

OwnedBitmap LoadResourceBitmap(const char* name, const char* type, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  std::span<const std::uint8_t> bytes = ProgramResource(name, type);
  if (bytes.empty()) return nullptr;
  PictureReadResult read = ReadPicture(bytes, {width, height});
  if (!read.ok()) return nullptr;
  RgbImage picture = CoverExactly(read.image, width, height);
  if (picture.empty()) return nullptr;
  const OwnedMemoryDc display(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
  if (!display) return nullptr;
  return ImageToDisplayBitmap(picture, display.get());
}
