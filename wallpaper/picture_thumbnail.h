// Small pictures of the picture list, for the options' Pictures page: a thumbnail of every picture,
// and a preview of one as the wallpaper build renders it. Pictures are read at a reduced size where
// their format allows (JPEG DCT scaling, JPEG-2000 resolution levels).
#pragma once

#include <optional>
#include <string>

#include "imaging/image.h"
#include "wallpaper/picture_record.h"
#include "wallpaper/picture_render.h"

// The size of a thumbnail in pixels: the proportions of a 16:10 screen.
inline constexpr int kThumbnailWidth = 64;
inline constexpr int kThumbnailHeight = 40;

// The thumbnail of the named picture: the picture filling it without any adjustment, so that the
// pictures are told apart as they are; grey when the picture cannot be read.
RgbImage PictureThumbnail(const std::string& name, BuiltinPictures& pictures);

// The named picture read for a preview of width x height; empty when it cannot be had, also when it
// is too large for the memory at hand.
RgbImage ReadPictureForPreview(const std::string& name, BuiltinPictures& pictures, int width, int height);

// The picture as the wallpaper build renders it for a screen of width x height, without the
// calendar; nothing when it cannot be rendered.
std::optional<RgbImage> RenderPreview(RgbImage picture, const PictureRecord& record, int width, int height);
