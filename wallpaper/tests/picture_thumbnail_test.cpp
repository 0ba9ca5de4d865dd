// Thumbnails of the picture list's pictures: always of the thumbnail's size, the picture's own
// colours where it can be read, grey where it cannot, and no exception when memory runs out.
#include "wallpaper/picture_thumbnail.h"

#include <gtest/gtest.h>

#include <string>

#include "common/file_system.h"
#include "common/tests/temp_folder.h"
#include "imaging/tests/reader_samples.h"
#include "wallpaper/tests/fake_wallpaper_platform.h"

namespace {

std::array<std::uint8_t, 3> CentreOf(const RgbImage& image) {
  const std::uint8_t* pixel = image.row(image.height / 2) + (image.width / 2) * 3;
  return {pixel[0], pixel[1], pixel[2]};
}

TEST(PictureThumbnailTest, ThumbnailsShowThePictureOrGrey) {
  TempFolder folder("thumbnail");
  const std::string file = folder.PathOf("rot.jpg");
  ASSERT_TRUE(WriteWholeFile(file, JpegFile(640, 400, JpegKind::kRgb, {200, 0, 0, 0})));
  FakeBuiltinPictures pictures;
  pictures.pictures["C01X"] = JpegFile(64, 48, JpegKind::kRgb, {0, 0, 200, 0});

  const std::array<std::uint8_t, 3> grey{128, 128, 128};
  const struct {
    std::string name;
    int bad_alloc_finds;
    std::array<std::uint8_t, 3> centre;
  } cases[] = {
      {file, 0, {200, 0, 0}},
      {"C01X", 0, {0, 0, 200}},
      {"C02X", 0, grey},
      {folder.PathOf("fehlt.jpg"), 0, grey},
      {"C01X", 1, grey},
  };
  for (const auto& c : cases) {
    pictures.bad_alloc_finds = c.bad_alloc_finds;
    const RgbImage thumbnail = PictureThumbnail(c.name, pictures);
    ASSERT_TRUE(thumbnail.valid()) << c.name;
    EXPECT_EQ(thumbnail.width, kThumbnailWidth) << c.name;
    EXPECT_EQ(thumbnail.height, kThumbnailHeight) << c.name;
    const auto centre = CentreOf(thumbnail);
    for (int channel = 0; channel < 3; ++channel) EXPECT_NEAR(centre[channel], c.centre[channel], 3) << c.name;
  }
}

}  // namespace
