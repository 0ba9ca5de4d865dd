// The built-in pictures the program carries: C01X ... C16X in month order, fifteen JPEG-2000
// codestreams and one JPEG, each a readable landscape picture of 2560 x 1600's proportions; names
// are found without regard to case, as Windows finds resources.
#include <string>

#include <gtest/gtest.h>

#include "common/bounded_text.h"
#include "imaging/picture_reader.h"
#include "resources/program_pictures.h"

namespace {

std::string BuiltinName(int number) {
  char name[8];
  FormatText(name, sizeof name, "C%02dX", number);
  return name;
}

TEST(ProgramPicturesTest, SixteenReadablePicturesInMonthOrder) {
  int jpeg2000 = 0;
  int jpeg = 0;
  for (int number = 1; number <= 16; ++number) {
    const std::string name = BuiltinName(number);
    std::span<const std::uint8_t> bytes = ProgramPictures().Find(name);
    ASSERT_FALSE(bytes.empty()) << name;
    // The smallest hint lets the readers decode at their smallest size, which keeps this test fast.
    PictureReadResult read = ReadPicture(bytes, ReadHint{1, 1});
    ASSERT_TRUE(read.ok()) << name << ": " << read.error;
    EXPECT_EQ(read.image.width * 10 / read.image.height, 16) << name;
    jpeg2000 += read.format == PictureFormat::kJpeg2000;
    jpeg += read.format == PictureFormat::kJpeg;
  }
  EXPECT_EQ(jpeg2000, 15);
  EXPECT_EQ(jpeg, 1);
}

TEST(ProgramPicturesTest, NamesAreFoundWithoutRegardToCase) {
  std::span<const std::uint8_t> upper = ProgramPictures().Find("C07X");
  std::span<const std::uint8_t> lower = ProgramPictures().Find("c07x");
  ASSERT_FALSE(upper.empty());
  EXPECT_EQ(upper.data(), lower.data());
  EXPECT_EQ(upper.size(), lower.size());
}

TEST(ProgramPicturesTest, OtherNamesAreNotFound) {
  for (const char* name : {"C17X", "C00", "C07", "C07XX", "", "TITEL"}) {
    EXPECT_TRUE(ProgramPictures().Find(name).empty()) << name;
  }
}

}  // namespace
