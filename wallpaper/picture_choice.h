// The pseudo-random generator with which the wallpaper build picks pictures, seeded once at start.
#pragma once

#include <cstdint>

#include "calendar/clock.h"

// (milliseconds + seconds + 3) * month + day of the local time.
std::uint32_t PictureChoiceSeed(const LocalTime& now);

class PictureChoiceGenerator {
 public:
  explicit PictureChoiceGenerator(std::uint32_t seed);
  // The next random number (0 ... 2^31 - 1); the build reduces it modulo the number of records.
  std::uint32_t Next();

 private:
  std::uint32_t state_;
};
