// The picture choice generator: the "minimal standard" multiplicative congruential generator
// (multiplier 48271, modulus 2^31 - 1). Unlike a power-of-two modulus, its low bits are as random as
// its high ones, which matters because the build reduces each number modulo the number of pictures.
#include "wallpaper/picture_choice.h"

namespace {

constexpr std::uint64_t kModulus = 2147483647;  // 2^31 - 1, prime
constexpr std::uint64_t kMultiplier = 48271;

}  // namespace

std::uint32_t PictureChoiceSeed(const LocalTime& now) {
  return static_cast<std::uint32_t>((now.milliseconds + now.second + 3) * now.month + now.day);
}

// The state must lie in 1 ... 2^31 - 2; 0 (and the modulus itself) would stay 0 for ever.
PictureChoiceGenerator::PictureChoiceGenerator(std::uint32_t seed)
    : state_(static_cast<std::uint32_t>(seed % kModulus)) {
  if (state_ == 0) state_ = 1;
}

std::uint32_t PictureChoiceGenerator::Next() {
  state_ = static_cast<std::uint32_t>(state_ * kMultiplier % kModulus);
  return state_;
}
