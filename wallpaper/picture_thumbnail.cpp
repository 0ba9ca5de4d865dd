// Thumbnails and previews of the picture list's pictures: read small, rendered as the wallpaper
// build renders them. A picture too large for the memory at hand has none, rather than ending the
// window that shows it.
#include "wallpaper/picture_thumbnail.h"

#include <new>
#include <utility>

#include "imaging/pixel_ops.h"

namespace {

constexpr Colorref kUnreadableGrey = 0x808080;

}  // namespace

RgbImage ReadPictureForPreview(const std::string& name, BuiltinPictures& pictures, int width, int height) {
  try {
    return ReadNamedPicture(name, IsBuiltinPictureName(name), pictures, ReadHint{width, height});
  } catch (const std::bad_alloc&) {
    return RgbImage{};
  }
}

std::optional<RgbImage> RenderPreview(RgbImage picture, const PictureRecord& record, int width, int height) {
  try {
    return RenderReadPicture(std::move(picture), record, RenderRequest{.screen_width = width, .screen_height = height});
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

RgbImage PictureThumbnail(const std::string& name, BuiltinPictures& pictures) {
  RgbImage picture = ReadPictureForPreview(name, pictures, kThumbnailWidth, kThumbnailHeight);
  std::optional<RgbImage> thumbnail =
      RenderPreview(std::move(picture), PictureRecord{}, kThumbnailWidth, kThumbnailHeight);
  if (thumbnail) return std::move(*thumbnail);
  RgbImage grey = MakeImage(kThumbnailWidth, kThumbnailHeight);
  FillRectangle(grey, PictureBounds(grey), kUnreadableGrey);
  return grey;
}
