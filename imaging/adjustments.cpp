// Brightness, contrast and gamma: per-byte curves, applied through a 256-entry lookup table.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "imaging/pixel_ops.h"

namespace {

using ByteCurve = std::array<std::uint8_t, 256>;

void ApplyCurve(RgbImage& image, const ByteCurve& curve) {
  if (!image.valid()) return;
  for (std::uint8_t& byte : image.pixels) byte = curve[byte];
}

// NaN becomes 0; everything else is limited to [low, high].
double Limited(double value, double low, double high) {
  if (std::isnan(value)) return 0.0;
  return std::clamp(value, low, high);
}

}  // namespace

void AdjustBrightnessContrast(RgbImage& image, double brightness, double contrast) {
  const double gain = 1.0 + Limited(brightness, -1.0, 255.0);
  const double limited_contrast = Limited(contrast, -0.99, 0.99);
  const double stretch = (1.0 + limited_contrast) / (1.0 - limited_contrast);
  ByteCurve curve;
  for (int value = 0; value < 256; ++value) {
    const double brightened = std::min(value * gain, 255.0);
    curve[value] = RoundToByte(127.5 + (brightened - 127.5) * stretch);
  }
  ApplyCurve(image, curve);
}

void ApplyGamma(RgbImage& image, double gamma) {
  if (std::isnan(gamma)) return;
  ByteCurve curve;
  for (int value = 0; value < 256; ++value) {
    if (value == 0 || value == 255) {
      curve[value] = static_cast<std::uint8_t>(value);
    } else if (gamma <= 0.0) {
      curve[value] = 0;
    } else {
      // The power of a fraction below one stays in [0, 1] for every exponent, infinite ones too.
      curve[value] = RoundToByte(255.0 * std::pow(value / 255.0, 1.0 / gamma));
    }
  }
  ApplyCurve(image, curve);
}
