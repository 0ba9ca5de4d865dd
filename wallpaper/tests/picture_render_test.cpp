// Rendering for the screen: the two fit modes, the record's adjustments as the codec layer's
// operations with their fixed values, the 15-bit reduction, and the wallpaper file that is replaced
// only by a complete new one.
#include "wallpaper/picture_render.h"

#include <gtest/gtest.h>

#include "common/file_system.h"
#include "common/tests/temp_folder.h"
#include "imaging/bmp_writer.h"
#include "imaging/picture_reader.h"
#include "imaging/pixel_ops.h"
#include "imaging/tests/test_pictures.h"
#include "wallpaper/picture_fit.h"
#include "wallpaper/tests/fake_wallpaper_platform.h"
#include "wallpaper/wallpaper_compose.h"

namespace {

constexpr Colorref kGreen = 0x00FF00;

RenderRequest Screen(int width, int height, bool true_colour = true) {
  RenderRequest request;
  request.screen_width = width;
  request.screen_height = height;
  request.true_colour = true_colour;
  return request;
}

std::vector<std::uint8_t> BmpOf(const RgbImage& image) { return EncodeBmp24(image); }

RgbImage Noise(int width, int height) {
  return PictureOf(width, height,
                   [](int x, int y, int c) { return (x * 37 + y * 91 + c * 53 + x * y) % 256; });
}

bool AllBytesEqual(const RgbImage& image, int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g,
                   std::uint8_t b) {
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      if (Channel(image, x, y, 0) != r || Channel(image, x, y, 1) != g || Channel(image, x, y, 2) != b)
        return false;
    }
  }
  return true;
}

TEST(PictureFitTest, PlacementsOfALandscapePictureOnA54Screen) {
  ScaledPlacement cover = CoverPlacement(1600, 1200, 1280, 1024);
  EXPECT_EQ(cover.scaled_width, 1365);
  EXPECT_EQ(cover.scaled_height, 1024);
  EXPECT_EQ(cover.cut_out.left, 42);
  EXPECT_EQ(cover.cut_out.top, 0);
  EXPECT_EQ(cover.cut_out.width(), 1280);
  EXPECT_EQ(cover.cut_out.height(), 1024);

  ScaledPlacement fit = FitPlacement(1600, 1200, 1280, 1024);
  EXPECT_EQ(fit.scaled_width, 1280);
  EXPECT_EQ(fit.scaled_height, 960);
  EXPECT_EQ(fit.cut_out.width(), 1280);
  EXPECT_EQ(fit.cut_out.height(), 960);
}

TEST(PictureRenderTest, FillModeCropsTheCentre) {
  // Black up to source column 100, white after: scaled by 1024/1200 the edge lies at 85, and the
  // cut-out starts 42 columns in.
  RgbImage picture = PictureOf(1600, 1200, [](int x, int, int) { return x < 100 ? 0 : 255; });
  PictureRecord record = DefaultPictureRecord(1);
  auto screen = RenderPicture(BmpOf(picture), false, record, Screen(1280, 1024));
  ASSERT_TRUE(screen.has_value());
  EXPECT_EQ(screen->width, 1280);
  EXPECT_EQ(screen->height, 1024);
  EXPECT_EQ(Channel(*screen, 40, 500), 0);
  EXPECT_EQ(Channel(*screen, 46, 500), 255);
  EXPECT_EQ(Channel(*screen, 1279, 1023), 255);
}

TEST(PictureRenderTest, FitModePastesOnTheBackgroundColour) {
  RgbImage picture = GreyPicture(1600, 1200, 200);
  PictureRecord record = DefaultPictureRecord(1);
  record.fit_mode = 0;
  record.background = kGreen;
  auto screen = RenderPicture(BmpOf(picture), false, record, Screen(1280, 1024));
  ASSERT_TRUE(screen.has_value());
  ASSERT_EQ(screen->width, 1280);
  ASSERT_EQ(screen->height, 1024);
  EXPECT_TRUE(AllBytesEqual(*screen, 0, 0, 1280, 32, 0, 255, 0));
  EXPECT_TRUE(AllBytesEqual(*screen, 0, 32, 1280, 992, 200, 200, 200));
  EXPECT_TRUE(AllBytesEqual(*screen, 0, 992, 1280, 1024, 0, 255, 0));
}

TEST(PictureRenderTest, FitModeCentresAPortraitPictureHorizontally) {
  RgbImage picture = GreyPicture(300, 600, 90);
  PictureRecord record = DefaultPictureRecord(1);
  record.fit_mode = 0;
  auto screen = RenderPicture(BmpOf(picture), false, record, Screen(400, 300));
  ASSERT_TRUE(screen.has_value());
  // Scaled to 150 x 300, pasted at x = 125.
  EXPECT_TRUE(AllBytesEqual(*screen, 0, 0, 125, 300, 0, 0, 0));
  EXPECT_TRUE(AllBytesEqual(*screen, 125, 0, 275, 300, 90, 90, 90));
  EXPECT_TRUE(AllBytesEqual(*screen, 275, 0, 400, 300, 0, 0, 0));
}

TEST(PictureRenderTest, SixteenBitDisplayGetsFifteenBitColour) {
  PictureRecord record = DefaultPictureRecord(1);
  auto screen = RenderPicture(BmpOf(Noise(97, 61)), false, record, Screen(160, 90, false));
  ASSERT_TRUE(screen.has_value());
  const auto& bytes = screen->pixels;
  for (std::size_t i = 0; i + 3 < bytes.size(); ++i) ASSERT_EQ(bytes[i] & 7, 0) << i;

  auto true_colour = RenderPicture(BmpOf(Noise(97, 61)), false, record, Screen(160, 90, true));
  ASSERT_TRUE(true_colour.has_value());
  int low_bits = 0;
  for (std::uint8_t byte : true_colour->pixels) low_bits |= byte & 7;
  EXPECT_NE(low_bits, 0);
}

TEST(PictureRenderTest, UnreadablePictureOrScreenFails) {
  PictureRecord record = DefaultPictureRecord(1);
  std::vector<std::uint8_t> garbage(1000, 0x5A);
  EXPECT_FALSE(RenderPicture(garbage, false, record, Screen(64, 48)).has_value());
  EXPECT_FALSE(RenderPicture({}, false, record, Screen(64, 48)).has_value());
  EXPECT_FALSE(RenderPicture(BmpOf(Noise(8, 8)), false, record, Screen(0, 48)).has_value());
  // A picture read by the JPEG-2000 reader alone must be JPEG-2000.
  EXPECT_FALSE(RenderPicture(BmpOf(Noise(8, 8)), true, record, Screen(64, 48)).has_value());
}

// The one-monitor wallpaper of a picture, as the build composes it.
RenderResult ComposeOne(const std::string& name, bool builtin, const std::string& output, const PictureRecord& record,
                        const RenderRequest& screen, BuiltinPictures& pictures) {
  const Monitor monitor{.area = Rect{0, 0, screen.screen_width, screen.screen_height},
                        .work_area_bottom = screen.screen_height};
  const ShownPicture shown{name, builtin, record};
  return ComposeWallpaper(ComposeRequest{.monitors = {&monitor, 1}, .pictures = {&shown, 1}}, output, pictures);
}

class RenderFileTest : public ::testing::Test {
 protected:
  RenderFileTest() : folder_("render") {}
  RenderResult RenderPictureFile(const std::string& path, const std::string& output, const PictureRecord& record,
                                 const RenderRequest& screen) {
    return ComposeOne(path, false, output, record, screen, no_pictures_);
  }
  TempFolder folder_;
  FakeBuiltinPictures no_pictures_;
};

TEST_F(RenderFileTest, WritesTheScreenSizedBitmap) {
  std::string picture = folder_.PathOf("See.bmp");
  ASSERT_TRUE(WriteWholeFile(picture, BmpOf(Noise(40, 30))));
  std::string output = folder_.PathOf("wallpaper.bmp");
  ASSERT_TRUE(RenderPictureFile(picture, output, DefaultPictureRecord(1), Screen(64, 48)).written());
  auto written = ReadWholeFile(output, 1 << 20);
  ASSERT_TRUE(written.has_value());
  PictureReadResult read = ReadPicture(*written);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.format, PictureFormat::kBmp);
  EXPECT_EQ(read.image.width, 64);
  EXPECT_EQ(read.image.height, 48);
}

TEST_F(RenderFileTest, Jpeg2000ExtensionsUseOnlyThatReader) {
  // BMP data under a JPEG-2000 name is not a JPEG-2000 picture, whatever the case of the name.
  for (const char* name : {"bild.jp2", "bild.J2K", "bild.Jp2"}) {
    std::string picture = folder_.PathOf(name);
    ASSERT_TRUE(WriteWholeFile(picture, BmpOf(Noise(40, 30))));
    EXPECT_FALSE(
        RenderPictureFile(picture, folder_.PathOf("wallpaper.bmp"), DefaultPictureRecord(1), Screen(64, 48)).written())
        << name;
  }
  std::string other = folder_.PathOf("bild.jp2.png");
  ASSERT_TRUE(WriteWholeFile(other, BmpOf(Noise(40, 30))));
  EXPECT_TRUE(
      RenderPictureFile(other, folder_.PathOf("wallpaper.bmp"), DefaultPictureRecord(1), Screen(64, 48)).written());
}

TEST_F(RenderFileTest, FailedRenderLeavesTheOldWallpaper) {
  std::string output = folder_.PathOf("wallpaper.bmp");
  std::vector<std::uint8_t> old_wallpaper = BmpOf(Noise(8, 8));
  ASSERT_TRUE(WriteWholeFile(output, old_wallpaper));
  std::string broken = folder_.PathOf("kaputt.jpg");
  ASSERT_TRUE(WriteWholeFile(broken, std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F'}));

  EXPECT_FALSE(RenderPictureFile(broken, output, DefaultPictureRecord(1), Screen(64, 48)).written());
  EXPECT_FALSE(
      RenderPictureFile(folder_.PathOf("fehlt.jpg"), output, DefaultPictureRecord(1), Screen(64, 48)).written());
  EXPECT_EQ(ReadWholeFile(output, 1 << 20), old_wallpaper);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 2);  // no temporary left
}

TEST_F(RenderFileTest, BuiltinPictureComesFromItsSource) {
  FakeBuiltinPictures pictures;
  pictures.pictures["C01X"] = BmpOf(GreyPicture(20, 10, 77));
  std::string output = folder_.PathOf("wallpaper.bmp");
  EXPECT_FALSE(ComposeOne("C02X", true, output, DefaultPictureRecord(2), Screen(40, 20), pictures).written());
  EXPECT_FALSE(PathExists(output));
  ASSERT_TRUE(ComposeOne("C01X", true, output, DefaultPictureRecord(1), Screen(40, 20), pictures).written());
  PictureReadResult read = ReadPicture(*ReadWholeFile(output, 1 << 20));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(Channel(read.image, 39, 19), 77);
}

// Each record value and the codec operation it must come down to.
struct AdjustmentCase {
  const char* what;
  void (*set)(PictureRecord&);
  void (*expected)(RgbImage&);
};

void Unchanged(RgbImage&) {}

TEST(PictureAdjustmentsTest, RecordValuesBecomeTheCodecOperations) {
  const AdjustmentCase cases[] = {
      {"default record", [](PictureRecord&) {}, Unchanged},
      {"gamma 5", [](PictureRecord& r) { r.gamma_level = 5; }, Unchanged},
      {"gamma 11 is 1.0", [](PictureRecord& r) { r.gamma_level = 11; }, Unchanged},
      {"gamma 0", [](PictureRecord& r) { r.gamma_level = 0; }, [](RgbImage& i) { ApplyGamma(i, -0.0001); }},
      {"gamma 1", [](PictureRecord& r) { r.gamma_level = 1; }, [](RgbImage& i) { ApplyGamma(i, 0.1); }},
      {"gamma 2", [](PictureRecord& r) { r.gamma_level = 2; }, [](RgbImage& i) { ApplyGamma(i, 0.4); }},
      {"gamma 3", [](PictureRecord& r) { r.gamma_level = 3; }, [](RgbImage& i) { ApplyGamma(i, 0.7); }},
      {"gamma 4", [](PictureRecord& r) { r.gamma_level = 4; }, [](RgbImage& i) { ApplyGamma(i, 0.9); }},
      {"gamma 6", [](PictureRecord& r) { r.gamma_level = 6; }, [](RgbImage& i) { ApplyGamma(i, 1.1); }},
      {"gamma 7", [](PictureRecord& r) { r.gamma_level = 7; }, [](RgbImage& i) { ApplyGamma(i, 1.3); }},
      {"gamma 8", [](PictureRecord& r) { r.gamma_level = 8; }, [](RgbImage& i) { ApplyGamma(i, 1.6); }},
      {"gamma 9", [](PictureRecord& r) { r.gamma_level = 9; }, [](RgbImage& i) { ApplyGamma(i, 2.4); }},
      {"gamma 10", [](PictureRecord& r) { r.gamma_level = 10; }, [](RgbImage& i) { ApplyGamma(i, 4.0); }},
      {"brightness", [](PictureRecord& r) { r.brightness = 20; },
       [](RgbImage& i) { AdjustBrightnessContrast(i, 0.2, 0.0); }},
      {"contrast", [](PictureRecord& r) { r.contrast = -30; },
       [](RgbImage& i) { AdjustBrightnessContrast(i, 0.0, -0.3); }},
      {"brightness, then contrast, then gamma",
       [](PictureRecord& r) {
         r.brightness = -10;
         r.contrast = 40;
         r.gamma_level = 8;
       },
       [](RgbImage& i) {
         AdjustBrightnessContrast(i, -0.1, 0.0);
         AdjustBrightnessContrast(i, 0.0, 0.4);
         ApplyGamma(i, 1.6);
       }},
      {"sharpen 1", [](PictureRecord& r) { r.sharpness = 1; },
       [](RgbImage& i) { Sharpen(i, i, 200, 0.2, 2.0, 7); }},
      {"sharpen 2", [](PictureRecord& r) { r.sharpness = 2; },
       [](RgbImage& i) { Sharpen(i, i, 150, 0.4, 2.0, 7); }},
      {"sharpen 3", [](PictureRecord& r) { r.sharpness = 3; },
       [](RgbImage& i) { Sharpen(i, i, 50, 1.0, 2.0, 7); }},
      {"sharpen 9", [](PictureRecord& r) { r.sharpness = 9; },
       [](RgbImage& i) { Sharpen(i, i, 200, 0.2, 2.0, 7); }},
      {"soften -1", [](PictureRecord& r) { r.sharpness = -1; }, [](RgbImage& i) { Soften(i, i, 20, 7); }},
      {"soften -2", [](PictureRecord& r) { r.sharpness = -2; }, [](RgbImage& i) { Soften(i, i, 60, 7); }},
      {"soften -3", [](PictureRecord& r) { r.sharpness = -3; }, [](RgbImage& i) { Soften(i, i, 100, 7); }},
      {"soften -8", [](PictureRecord& r) { r.sharpness = -8; }, [](RgbImage& i) { Soften(i, i, 20, 7); }},
  };
  const RgbImage original = Noise(23, 17);
  for (const AdjustmentCase& c : cases) {
    PictureRecord record = DefaultPictureRecord(1);
    c.set(record);
    RgbImage actual = original;
    ApplyPictureAdjustments(actual, record);
    RgbImage expected = original;
    c.expected(expected);
    EXPECT_EQ(actual.pixels, expected.pixels) << c.what;
  }
  // Each operation above really changes the picture, so a mix-up of two values would show.
  RgbImage sharpened = original;
  Sharpen(sharpened, sharpened, 50, 1.0, 2.0, 7);
  RgbImage other = original;
  Sharpen(other, other, 200, 0.2, 2.0, 7);
  EXPECT_NE(sharpened.pixels, other.pixels);
}

struct DitherCase {
  int width;
  int height;
  std::vector<int> red_before;  // red channel, row by row; green and blue are 128 everywhere
  std::vector<int> red_after;
};

TEST(DitherTest, ErrorDiffusionByteByByte) {
  const DitherCase cases[] = {
      // The error of the first pixel runs along the row into the last pixel, which keeps it.
      {3, 2, {6, 128, 128, 128, 128, 128}, {0, 128, 128, 128, 128, 134}},
      {3, 3, {7, 128, 128, 128, 128, 128, 128, 128, 128}, {0, 128, 128, 128, 128, 128, 128, 128, 135}},
      // Half the error goes to the pixel below and is taken from the pixel after next (not below 0).
      {4, 2, {15, 0, 0, 0, 0, 0, 0, 0}, {8, 0, 0, 0, 0, 8, 0, 5}},
      {3, 3, {7, 2, 1, 0, 254, 3, 5, 6, 1}, {0, 8, 0, 0, 248, 8, 0, 8, 6}},
      // Sums are capped at 255; a single pixel is left alone.
      {2, 1, {255, 250}, {248, 255}},
      {1, 1, {77}, {77}},
  };
  for (const DitherCase& c : cases) {
    RgbImage image = PictureOf(c.width, c.height, [&](int x, int y, int channel) {
      return channel == 0 ? c.red_before[y * c.width + x] : 128;
    });
    DitherTo15Bit(image);
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        EXPECT_EQ(Channel(image, x, y, 0), c.red_after[y * c.width + x])
            << c.width << "x" << c.height << " " << x;
        EXPECT_EQ(Channel(image, x, y, 1), 128);
      }
    }
  }
}

}  // namespace
