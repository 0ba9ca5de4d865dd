// PictureRecord on disk: the 622-byte little-endian layout, read and written field by field, and the
// default record of a built-in picture.
#include "wallpaper/picture_record.h"

#include <algorithm>
#include <cstring>

#include "common/bounded_text.h"
#include "common/byte_order.h"

namespace {

// Field offsets of the version-4 layout.
constexpr std::size_t kTagOffset = 0;
constexpr std::size_t kVersionOffset = 2;
constexpr std::size_t kNumberOffset = 6;
constexpr std::size_t kStateOffset = 10;
constexpr std::size_t kWeekdayMaskOffset = 12;
constexpr std::size_t kFirstHourOffset = 14;
constexpr std::size_t kLastHourOffset = 16;
constexpr std::size_t kFirstMonthOffset = 18;
constexpr std::size_t kLastMonthOffset = 20;
constexpr std::size_t kOptionOffset = 22;
constexpr std::size_t kCarried24Offset = 24;
constexpr std::size_t kCarried26Offset = 26;
constexpr std::size_t kTextHeightOffset = 28;
constexpr std::size_t kTextWeightOffset = 32;
constexpr std::size_t kTextItalicOffset = 36;
constexpr std::size_t kTextFaceOffset = 40;
constexpr std::size_t kFitModeOffset = 72;
constexpr std::size_t kBackgroundOffset = 74;
constexpr std::size_t kTextColourOffset = 78;
constexpr std::size_t kSharpnessOffset = 82;
constexpr std::size_t kBrightnessOffset = 86;
constexpr std::size_t kContrastOffset = 90;
constexpr std::size_t kCarried94Offset = 94;
constexpr std::size_t kGammaOffset = 98;
constexpr std::size_t kPictureNameOffset = 102;
constexpr std::size_t kSecondNameOffset = 362;

static_assert(kSecondNameOffset + 260 == kPictureRecordSize);

// Text fields are copied byte for byte, so that carried bytes behind the terminator stay as they were.
template <std::size_t N>
void CopyField(std::array<char, N>& field, const std::uint8_t* source) {
  std::memcpy(field.data(), source, N);
}

template <std::size_t N>
void StoreField(std::uint8_t* destination, const std::array<char, N>& field) {
  std::memcpy(destination, field.data(), N);
}

}  // namespace

std::string PictureRecord::PictureName() const {
  auto end = std::find(picture_name.begin(), picture_name.end(), '\0');
  return std::string(picture_name.begin(), end);
}

PictureRecord DefaultPictureRecord(int n) {
  PictureRecord record;
  record.record_number = static_cast<std::uint32_t>(n);
  CopyText(record.text_face.data(), record.text_face.size(), "Courier New");
  FormatText(record.picture_name.data(), record.picture_name.size(), "C%02dX", n);
  record.second_name = record.picture_name;
  return record;
}

bool IsBuiltinPictureName(std::string_view name) {
  return name.size() <= 4 && name.find_first_of(".:") == std::string_view::npos;
}

std::array<std::uint8_t, kPictureRecordSize> EncodePictureRecord(const PictureRecord& record) {
  std::array<std::uint8_t, kPictureRecordSize> bytes{};
  std::uint8_t* p = bytes.data();
  p[kTagOffset] = record.tag[0];
  p[kTagOffset + 1] = record.tag[1];
  WriteU32LE(p + kVersionOffset, record.format_version);
  WriteU32LE(p + kNumberOffset, record.record_number);
  WriteU16LE(p + kStateOffset, record.state);
  WriteU16LE(p + kWeekdayMaskOffset, record.weekday_mask);
  WriteU16LE(p + kFirstHourOffset, record.first_hour);
  WriteU16LE(p + kLastHourOffset, record.last_hour);
  WriteU16LE(p + kFirstMonthOffset, record.first_month);
  WriteU16LE(p + kLastMonthOffset, record.last_month);
  WriteU16LE(p + kOptionOffset, record.option);
  WriteU16LE(p + kCarried24Offset, record.carried_24);
  WriteU16LE(p + kCarried26Offset, record.carried_26);
  WriteI32LE(p + kTextHeightOffset, record.text_height);
  WriteI32LE(p + kTextWeightOffset, record.text_weight);
  WriteI32LE(p + kTextItalicOffset, record.text_italic);
  StoreField(p + kTextFaceOffset, record.text_face);
  WriteU16LE(p + kFitModeOffset, record.fit_mode);
  WriteU32LE(p + kBackgroundOffset, record.background);
  WriteU32LE(p + kTextColourOffset, record.text_colour);
  WriteI32LE(p + kSharpnessOffset, record.sharpness);
  WriteI32LE(p + kBrightnessOffset, record.brightness);
  WriteI32LE(p + kContrastOffset, record.contrast);
  WriteI32LE(p + kCarried94Offset, record.carried_94);
  WriteI32LE(p + kGammaOffset, record.gamma_level);
  StoreField(p + kPictureNameOffset, record.picture_name);
  StoreField(p + kSecondNameOffset, record.second_name);
  return bytes;
}

PictureRecord DecodePictureRecord(std::span<const std::uint8_t, kPictureRecordSize> bytes) {
  const std::uint8_t* p = bytes.data();
  PictureRecord record;
  record.tag[0] = p[kTagOffset];
  record.tag[1] = p[kTagOffset + 1];
  record.format_version = ReadU32LE(p + kVersionOffset);
  record.record_number = ReadU32LE(p + kNumberOffset);
  record.state = ReadU16LE(p + kStateOffset);
  record.weekday_mask = ReadU16LE(p + kWeekdayMaskOffset);
  record.first_hour = ReadU16LE(p + kFirstHourOffset);
  record.last_hour = ReadU16LE(p + kLastHourOffset);
  record.first_month = ReadU16LE(p + kFirstMonthOffset);
  record.last_month = ReadU16LE(p + kLastMonthOffset);
  record.option = ReadU16LE(p + kOptionOffset);
  record.carried_24 = ReadU16LE(p + kCarried24Offset);
  record.carried_26 = ReadU16LE(p + kCarried26Offset);
  record.text_height = ReadI32LE(p + kTextHeightOffset);
  record.text_weight = ReadI32LE(p + kTextWeightOffset);
  record.text_italic = ReadI32LE(p + kTextItalicOffset);
  CopyField(record.text_face, p + kTextFaceOffset);
  record.fit_mode = ReadU16LE(p + kFitModeOffset);
  record.background = ReadU32LE(p + kBackgroundOffset);
  record.text_colour = ReadU32LE(p + kTextColourOffset);
  record.sharpness = ReadI32LE(p + kSharpnessOffset);
  record.brightness = ReadI32LE(p + kBrightnessOffset);
  record.contrast = ReadI32LE(p + kContrastOffset);
  record.carried_94 = ReadI32LE(p + kCarried94Offset);
  record.gamma_level = ReadI32LE(p + kGammaOffset);
  CopyField(record.picture_name, p + kPictureNameOffset);
  CopyField(record.second_name, p + kSecondNameOffset);
  return record;
}
