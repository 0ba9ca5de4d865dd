// PictureRecord: one picture of the picture list, a packed 622-byte little-endian record on disk
// (format version 4), read and written field by field. Fields marked "carried" are not used by the
// program but kept and copied unchanged.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "imaging/image.h"

inline constexpr std::size_t kPictureRecordSize = 622;
inline constexpr std::size_t kPictureRecordSizeV3 = 596;

struct PictureRecord {
  std::uint8_t tag[2] = {'M', 0};
  std::uint32_t format_version = 4;
  std::uint32_t record_number = 0;
  std::uint16_t state = 2;           // takes part in the picture choice only when greater than 1
  std::uint16_t weekday_mask = 127;  // bit w = allowed on weekday w (0 = Sunday)
  std::uint16_t first_hour = 0;
  std::uint16_t last_hour = 24;
  std::uint16_t first_month = 1;
  std::uint16_t last_month = 12;
  std::uint16_t option = 1;  // carried
  std::uint16_t carried_24 = 0;
  std::uint16_t carried_26 = 0;
  std::int32_t text_height = 24;     // carried
  std::int32_t text_weight = 600;    // carried
  std::int32_t text_italic = 0;      // carried
  std::array<char, 32> text_face{};  // carried, "Courier New" in default records
  std::uint16_t fit_mode = 1;        // 0 = fit inside on the background colour, else fill and crop
  Colorref background = 0x000000;
  Colorref text_colour = 0x808080;  // carried
  std::int32_t sharpness = 0;       // -3..-1 soften, 0 none, 1..3 sharpen
  std::int32_t brightness = 0;      // percent
  std::int32_t contrast = 0;        // percent
  std::int32_t carried_94 = 0;
  std::int32_t gamma_level = 5;          // 0-10, 5 = unchanged
  std::array<char, 260> picture_name{};  // built-in resource name ("C01X") or a file path
  std::array<char, 260> second_name{};   // carried

  // The picture name as a text (up to its first zero byte).
  std::string PictureName() const;
};

// The default record of built-in picture n (1-based): record number n, picture name "C%02dX".
PictureRecord DefaultPictureRecord(int n);

// Whether a picture name names a built-in picture ("C01X") rather than a picture file: at most four
// characters and neither "." nor ":", one of which every picture file's path has.
bool IsBuiltinPictureName(std::string_view name);

std::array<std::uint8_t, kPictureRecordSize> EncodePictureRecord(const PictureRecord& record);
// The record in 622 bytes. Text fields are taken byte for byte (a name may lack its terminator);
// PictureName reads up to the first zero within the field.
PictureRecord DecodePictureRecord(std::span<const std::uint8_t, kPictureRecordSize> bytes);
