// Sharpening (unsharp masking) and softening: both blur the picture with a Gaussian and then set
// each byte from its own value and its blurred value, through a 256 x 256 lookup table.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "imaging/pixel_ops.h"
#include "imaging/separable_filter.h"

namespace {

// Entry original * 256 + blurred is the new byte.
using BlurMix = std::vector<std::uint8_t>;

bool NeighbourhoodAllowed(int option) { return option >= 3 && option <= 15 && option % 2 == 1; }

void MixWithBlur(const RgbImage& source, RgbImage& destination, double sigma, int radius, const BlurMix& mix) {
  RgbImage result = MakeImage(source.width, source.height);
  const FilterTaps horizontal = GaussianTaps(source.width, sigma, radius);
  const FilterTaps vertical = GaussianTaps(source.height, sigma, radius);
  FilterRows(source, horizontal, vertical, [&](int y, const std::uint8_t* blurred) {
    const std::uint8_t* original = source.row(y);
    std::uint8_t* output = result.row(y);
    for (std::size_t i = 0; i < source.row_bytes(); ++i) output[i] = mix[original[i] * 256 + blurred[i]];
  });
  destination = std::move(result);
}

}  // namespace

bool Sharpen(const RgbImage& source, RgbImage& destination, int strength, double factor, double threshold,
             int option) {
  const bool allowed = source.valid() && strength >= 0 && strength <= 1000 && factor > 0.0 && factor <= 100.0 &&
                       threshold >= 0.0 && threshold <= 255.0 && NeighbourhoodAllowed(option);
  if (!allowed) return false;
  const double amount = strength / 100.0;
  BlurMix mix(256 * 256);
  for (int original = 0; original < 256; ++original) {
    for (int blurred = 0; blurred < 256; ++blurred) {
      const int difference = original - blurred;
      mix[original * 256 + blurred] =
          std::abs(difference) < threshold ? static_cast<std::uint8_t>(original) : RoundToByte(original + amount * difference);
    }
  }
  const int radius = option / 2;
  MixWithBlur(source, destination, factor * radius, radius, mix);
  return true;
}

bool Soften(const RgbImage& source, RgbImage& destination, int strength, int option) {
  if (!source.valid() || strength < 0 || strength > 100 || !NeighbourhoodAllowed(option)) return false;
  const double share = strength / 100.0;
  BlurMix mix(256 * 256);
  for (int original = 0; original < 256; ++original) {
    for (int blurred = 0; blurred < 256; ++blurred) {
      mix[original * 256 + blurred] = RoundToByte(original + share * (blurred - original));
    }
  }
  const int radius = option / 2;
  MixWithBlur(source, destination, radius / 2.0, radius, mix);
  return true;
}
