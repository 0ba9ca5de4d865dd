// PictureRecord layout: every field at its fixed offset, little-endian, 622 bytes; the default
// record of a built-in picture.
#include "wallpaper/picture_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/byte_order.h"

namespace {

PictureRecord RecordWithDistinctFields() {
  PictureRecord r;
  r.tag[0] = 'M';
  r.tag[1] = 0x7E;
  r.format_version = 0x04030201;
  r.record_number = 0x14131211;
  r.state = 0x2221;
  r.weekday_mask = 0x2423;
  r.first_hour = 0x2625;
  r.last_hour = 0x2827;
  r.first_month = 0x2A29;
  r.last_month = 0x2C2B;
  r.option = 0x2E2D;
  r.carried_24 = 0x302F;
  r.carried_26 = 0x3231;
  r.text_height = -24;
  r.text_weight = 0x36353433;
  r.text_italic = 0x3A393837;
  std::strcpy(r.text_face.data(), "Face");
  r.fit_mode = 0x3C3B;
  r.background = 0x00403F3E;
  r.text_colour = 0x00444342;
  r.sharpness = -3;
  r.brightness = -45;
  r.contrast = 55;
  r.carried_94 = 0x4C4B4A49;
  r.gamma_level = 9;
  std::strcpy(r.picture_name.data(), "D:\\Bilder\\See.jpg");
  std::strcpy(r.second_name.data(), "second");
  return r;
}

TEST(PictureRecordTest, EveryFieldSitsAtItsOffset) {
  auto bytes = EncodePictureRecord(RecordWithDistinctFields());
  const std::uint8_t* p = bytes.data();
  ASSERT_EQ(bytes.size(), 622u);
  EXPECT_EQ(p[0], 'M');
  EXPECT_EQ(p[1], 0x7E);
  EXPECT_EQ(ReadU32LE(p + 2), 0x04030201u);
  EXPECT_EQ(p[2], 0x01);  // little-endian
  EXPECT_EQ(ReadU32LE(p + 6), 0x14131211u);
  EXPECT_EQ(ReadU16LE(p + 10), 0x2221);
  EXPECT_EQ(ReadU16LE(p + 12), 0x2423);
  EXPECT_EQ(ReadU16LE(p + 14), 0x2625);
  EXPECT_EQ(ReadU16LE(p + 16), 0x2827);
  EXPECT_EQ(ReadU16LE(p + 18), 0x2A29);
  EXPECT_EQ(ReadU16LE(p + 20), 0x2C2B);
  EXPECT_EQ(ReadU16LE(p + 22), 0x2E2D);
  EXPECT_EQ(ReadU16LE(p + 24), 0x302F);
  EXPECT_EQ(ReadU16LE(p + 26), 0x3231);
  EXPECT_EQ(ReadI32LE(p + 28), -24);
  EXPECT_EQ(ReadU32LE(p + 32), 0x36353433u);
  EXPECT_EQ(ReadU32LE(p + 36), 0x3A393837u);
  EXPECT_STREQ(reinterpret_cast<const char*>(p + 40), "Face");
  EXPECT_EQ(ReadU16LE(p + 72), 0x3C3B);
  EXPECT_EQ(ReadU32LE(p + 74), 0x00403F3Eu);
  EXPECT_EQ(ReadU32LE(p + 78), 0x00444342u);
  EXPECT_EQ(ReadI32LE(p + 82), -3);
  EXPECT_EQ(ReadI32LE(p + 86), -45);
  EXPECT_EQ(ReadI32LE(p + 90), 55);
  EXPECT_EQ(ReadU32LE(p + 94), 0x4C4B4A49u);
  EXPECT_EQ(ReadI32LE(p + 98), 9);
  EXPECT_STREQ(reinterpret_cast<const char*>(p + 102), "D:\\Bilder\\See.jpg");
  EXPECT_STREQ(reinterpret_cast<const char*>(p + 362), "second");
}

TEST(PictureRecordTest, DecodeGivesBackEveryByte) {
  auto bytes = EncodePictureRecord(RecordWithDistinctFields());
  // Carried bytes behind a terminator survive too.
  bytes[102 + 200] = 0x55;
  bytes[40 + 31] = 0x66;
  PictureRecord decoded = DecodePictureRecord(bytes);
  EXPECT_EQ(EncodePictureRecord(decoded), bytes);
  EXPECT_EQ(decoded.PictureName(), "D:\\Bilder\\See.jpg");
}

TEST(PictureRecordTest, DefaultRecordOfBuiltinPicture) {
  auto bytes = EncodePictureRecord(DefaultPictureRecord(7));
  std::array<std::uint8_t, 622> expected{};
  std::uint8_t* e = expected.data();
  e[0] = 0x4D;
  WriteU32LE(e + 2, 4);
  WriteU32LE(e + 6, 7);
  WriteU16LE(e + 10, 2);
  WriteU16LE(e + 12, 127);
  WriteU16LE(e + 14, 0);
  WriteU16LE(e + 16, 24);
  WriteU16LE(e + 18, 1);
  WriteU16LE(e + 20, 12);
  WriteU16LE(e + 22, 1);
  WriteI32LE(e + 28, 24);
  WriteI32LE(e + 32, 600);
  std::memcpy(e + 40, "Courier New", 11);
  WriteU16LE(e + 72, 1);
  WriteU32LE(e + 78, 0x808080);
  WriteI32LE(e + 98, 5);
  std::memcpy(e + 102, "C07X", 4);
  std::memcpy(e + 362, "C07X", 4);
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(DefaultPictureRecord(16).PictureName(), "C16X");
}

TEST(PictureRecordTest, NameWithoutTerminatorEndsAtItsField) {
  std::array<std::uint8_t, 622> bytes{};
  std::memset(bytes.data() + 102, 'A', 520);  // both names full, no terminator anywhere
  PictureRecord record = DecodePictureRecord(bytes);
  EXPECT_EQ(record.PictureName(), std::string(260, 'A'));
}

}  // namespace
