// Scaled sizes of the two fit modes. The arithmetic is single-precision with truncation, so that a
// picture gets exactly the size the wallpaper always had for it.
#include "wallpaper/picture_fit.h"

namespace {

// The centred cut-out; halving with a right shift rounds down.
Rect CentredCutOut(int scaled_width, int scaled_height, int cut_width, int cut_height) {
  int left = (scaled_width - cut_width) >> 1;
  int top = (scaled_height - cut_height) >> 1;
  return Rect{left, top, left + cut_width, top + cut_height};
}

}  // namespace

ScaledPlacement CoverPlacement(int picture_width, int picture_height, int width, int height) {
  float w = static_cast<float>(picture_width);
  float h = static_cast<float>(picture_height);
  int scaled_width = width;
  int scaled_height = static_cast<int>(static_cast<float>(width) * (h / w));
  if (scaled_height < height) {
    scaled_height = height;
    scaled_width = static_cast<int>(static_cast<float>(height) * (w / h));
  }
  return {scaled_width, scaled_height, CentredCutOut(scaled_width, scaled_height, width, height)};
}

ScaledPlacement FitPlacement(int picture_width, int picture_height, int width, int height) {
  float w = static_cast<float>(picture_width);
  float h = static_cast<float>(picture_height);
  int scaled_width = width;
  int scaled_height = static_cast<int>(static_cast<float>(width) * (h / w));
  if (scaled_height > height) {
    scaled_height = height;
    scaled_width = static_cast<int>(static_cast<float>(height) * (w / h));
  }
  return {scaled_width, scaled_height, Rect{0, 0, scaled_width, scaled_height}};
}
