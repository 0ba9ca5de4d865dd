// A font description in the form of a Windows logical font record (the calendar font and the note
// font are stored this way in the settings).
#pragma once

#include <cstdint>

struct LogFont {
  std::int32_t height = 0;  // logical units; negative = character height, positive = cell height
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;  // 400 normal, 600 semibold, 700 bold; 0 = normal
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strike_out = 0;
  std::uint8_t char_set = 0;
  std::uint8_t out_precision = 0;
  std::uint8_t clip_precision = 0;
  std::uint8_t quality = 0;  // 4 = antialiased
  std::uint8_t pitch_and_family = 0;
  char face_name[32] = {};  // code page 1252, zero-terminated
};
