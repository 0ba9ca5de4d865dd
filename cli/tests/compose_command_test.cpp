// The compose command end to end on small screens: the BMP file it writes, the month overlay drawn
// only in the bottom band, 15-bit colour for 16-bit displays, picture files fitted on the background
// colour, today's wallpaper without arguments, and failures that name their cause and keep the old
// file.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calendar/clock.h"
#include "cli/json_writer.h"
#include "cli/picture_commands.h"
#include "cli/tests/run_command.h"
#include "common/byte_order.h"
#include "common/file_system.h"
#include "common/tests/temp_folder.h"
#include "imaging/bmp_writer.h"
#include "imaging/picture_reader.h"

namespace {

constexpr std::size_t kBmpHeaderSize = 54;

// The number after "key": in a JSON line.
long long JsonNumber(const std::string& json, const std::string& key) {
  std::size_t at = json.find("\"" + key + "\":");
  if (at == std::string::npos) return -999999;
  return std::stoll(json.substr(at + key.size() + 3));
}

RgbImage FlatPicture(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  RgbImage image = MakeImage(width, height);
  for (std::size_t i = 0; i < image.pixels.size(); i += 3) {
    image.pixels[i] = red;
    image.pixels[i + 1] = green;
    image.pixels[i + 2] = blue;
  }
  return image;
}

class ComposeCommandTest : public ::testing::Test {
 protected:
  // Composes and reads the written BMP back; fails the test when either goes wrong.
  RgbImage ComposeAndRead(std::initializer_list<std::string_view> arguments) {
    CommandRun run = RunCommand(ComposeCommand, arguments);
    EXPECT_EQ(run.exit_code, kExitSuccess) << run.err;
    last_out_ = run.out;
    auto bytes = ReadWholeFile(out_path_, 64 << 20);
    if (!bytes) return {};
    PictureReadResult read = ReadPicture(*bytes);
    EXPECT_EQ(read.format, PictureFormat::kBmp);
    return read.image;
  }

  TempFolder folder_{"cli-compose"};
  std::string out_path_ = folder_.PathOf("w.bmp");
  std::string last_out_;
};

TEST_F(ComposeCommandTest, WritesAn24BitBmpOfTheScreenSize) {
  CommandRun run = RunCommand(ComposeCommand, {"--out", out_path_, "--size", "321x200", "--date", "2026-12-08",
                                               "--picture", "C07X"});
  ASSERT_EQ(run.exit_code, kExitSuccess) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("{\"out\":" + JsonString(out_path_) +
                              ",\"width\":321,\"height\":200,\"picture\":\"C07X\",\"font_height\":",
                          0),
            0u)
      << run.out;
  // 31 day numbers do not fit 321 pixels at the default height -64: the fit loop lowered it.
  long long font_height = JsonNumber(run.out, "font_height");
  EXPECT_LT(font_height, 0);
  EXPECT_GT(font_height, -64);
  EXPECT_GE(JsonNumber(run.out, "ms"), 0);

  auto bytes = ReadWholeFile(out_path_, 1 << 20);
  ASSERT_TRUE(bytes.has_value());
  const std::size_t row_size = (321 * 3 + 3) & ~3u;
  ASSERT_EQ(bytes->size(), kBmpHeaderSize + row_size * 200);
  const std::uint8_t* header = bytes->data();
  EXPECT_EQ(header[0], 'B');
  EXPECT_EQ(header[1], 'M');
  EXPECT_EQ(ReadU32LE(header + 2), bytes->size());
  EXPECT_EQ(ReadU32LE(header + 10), kBmpHeaderSize);
  EXPECT_EQ(ReadU32LE(header + 14), 40u);
  EXPECT_EQ(ReadI32LE(header + 18), 321);
  EXPECT_EQ(ReadI32LE(header + 22), 200);
  EXPECT_EQ(ReadU16LE(header + 28), 24);
  EXPECT_EQ(ReadU32LE(header + 30), 0u);
}

// The title and the day line sit in the band from |3.5 x height| above the work area's bottom down to
// it; the rest of the picture is the same with and without the calendar.
TEST_F(ComposeCommandTest, TheOverlayChangesOnlyTheBottomBand) {
  RgbImage plain = ComposeAndRead({"--out", out_path_, "--size", "320x200", "--date", "2007-07-07", "--picture",
                                   "C02X", "--no-calendar"});
  RgbImage with_month =
      ComposeAndRead({"--out", out_path_, "--size", "320x200", "--date", "2007-07-07", "--picture", "C02X"});
  ASSERT_TRUE(plain.valid());
  ASSERT_TRUE(with_month.valid());
  ASSERT_EQ(plain.width, with_month.width);
  ASSERT_EQ(plain.height, with_month.height);

  const int work_area_bottom = 200 - 40;
  const int band_top = work_area_bottom - static_cast<int>(3.5 * -JsonNumber(last_out_, "font_height"));
  int changed_rows = 0;
  for (int y = 0; y < plain.height; ++y) {
    bool same = std::equal(plain.row(y), plain.row(y) + plain.row_bytes(), with_month.row(y));
    if (y < band_top || y > work_area_bottom) {
      EXPECT_TRUE(same) << "row " << y << " outside the band " << band_top << "-" << work_area_bottom;
    } else if (!same) {
      ++changed_rows;
    }
  }
  EXPECT_GT(changed_rows, (work_area_bottom - band_top) / 2);
}

// On a 16-bit display every colour byte keeps only its top five bits, except the last pixel's.
TEST_F(ComposeCommandTest, Depth16ReducesTo15BitColour) {
  RgbImage image = ComposeAndRead(
      {"--out", out_path_, "--size", "96x64", "--picture", "C01X", "--depth", "16", "--no-calendar"});
  ASSERT_TRUE(image.valid());
  for (std::size_t i = 0; i + 3 < image.pixels.size(); ++i) {
    ASSERT_EQ(image.pixels[i] & 7, 0) << "byte " << i;
  }
  RgbImage true_colour = ComposeAndRead({"--out", out_path_, "--size", "96x64", "--picture", "C01X", "--no-calendar"});
  int low_bits = 0;
  for (std::uint8_t byte : true_colour.pixels) low_bits |= byte & 7;
  EXPECT_NE(low_bits, 0);
}

// A 64 x 48 picture fitted inside 320 x 200 is scaled to 266 x 200 and pasted at x = 27 on the
// background colour.
TEST_F(ComposeCommandTest, PictureFileFittedOnTheBackground) {
  const std::string picture_path = folder_.PathOf("green.bmp");
  ASSERT_TRUE(WriteWholeFile(picture_path, EncodeBmp24(FlatPicture(64, 48, 0, 200, 0))));
  RgbImage image = ComposeAndRead({"--out", out_path_, "--size", "320x200", "--picture", picture_path, "--fit", "0",
                                   "--background", "0x0000FF", "--no-calendar"});
  ASSERT_TRUE(image.valid());
  EXPECT_EQ(JsonNumber(last_out_, "width"), 320);
  EXPECT_NE(last_out_.find("\"picture\":" + JsonString(picture_path)), std::string::npos) << last_out_;
  auto pixel = [&](int x, int y) {
    const std::uint8_t* p = image.row(y) + x * 3;
    return std::vector<int>{p[0], p[1], p[2]};
  };
  const std::vector<int> red = {255, 0, 0};
  const std::vector<int> green = {0, 200, 0};
  EXPECT_EQ(pixel(0, 0), red);
  EXPECT_EQ(pixel(26, 199), red);
  EXPECT_EQ(pixel(27, 0), green);
  EXPECT_EQ(pixel(160, 100), green);
  EXPECT_EQ(pixel(292, 199), green);
  EXPECT_EQ(pixel(293, 100), red);
  EXPECT_EQ(pixel(319, 199), red);
}

// Without arguments: today's wallpaper from the first built-in picture, as wallpaper.bmp in the
// current folder, at the default screen size.
TEST_F(ComposeCommandTest, WithoutArgumentsWritesTodaysWallpaperHere) {
  const std::filesystem::path previous_folder = std::filesystem::current_path();
  std::filesystem::current_path(folder_.path());
  CommandRun run = RunCommand(ComposeCommand, {});
  std::filesystem::current_path(previous_folder);

  ASSERT_EQ(run.exit_code, kExitSuccess) << run.err;
  EXPECT_NE(run.out.find("\"out\":\"wallpaper.bmp\",\"width\":1920,\"height\":1080,\"picture\":\"C01X\""),
            std::string::npos)
      << run.out;
  EXPECT_EQ(FileSize(folder_.PathOf("wallpaper.bmp")), kBmpHeaderSize + 1920 * 3 * 1080);
}

TEST_F(ComposeCommandTest, FailuresNameTheirCauseAndKeepTheOldFile) {
  const std::string garbage_path = folder_.PathOf("garbage.jpg");
  ASSERT_TRUE(WriteWholeFile(garbage_path, std::vector<std::uint8_t>(1000, 0x5A)));
  const std::vector<std::uint8_t> old_wallpaper = {'o', 'l', 'd'};
  ASSERT_TRUE(WriteWholeFile(out_path_, old_wallpaper));

  struct Case {
    std::string picture;
    std::string out;
    std::string message;
  };
  const Case cases[] = {
      {folder_.PathOf("missing.jpg"), out_path_,
       "cannot read picture \"" + folder_.PathOf("missing.jpg") + "\": there is no such file"},
      {garbage_path, out_path_, "cannot read picture \"" + garbage_path + "\": "},
      {"C99X", out_path_, "there is no built-in picture \"C99X\""},
      {"c2", out_path_, "there is no built-in picture \"c2\""},  // no "." or ":": not a file
      {"c2.bmp", out_path_, "cannot read picture \"c2.bmp\""},
      {"C05X", folder_.PathOf("no-such-folder/w.bmp"),
       "cannot write \"" + folder_.PathOf("no-such-folder/w.bmp") + "\""},
  };
  for (const Case& c : cases) {
    CommandRun run =
        RunCommand(ComposeCommand, {"--out", c.out, "--size", "64x40", "--picture", c.picture, "--no-calendar"});
    EXPECT_EQ(run.exit_code, kExitFailure) << c.picture;
    EXPECT_EQ(run.out, "") << c.picture;
    EXPECT_NE(run.err.find("quellmoor-cli compose: " + c.message), std::string::npos) << run.err;
    EXPECT_EQ(ReadWholeFile(out_path_, 100), old_wallpaper) << c.picture;
  }
}

// A picture whose scaled size would be empty or beyond the codec layer's limit cannot be composed
// for that screen; the message says so instead of blaming the output file.
TEST_F(ComposeCommandTest, PictureThatCannotBeScaledForTheScreen) {
  const std::string picture_path = folder_.PathOf("wide.bmp");
  ASSERT_TRUE(WriteWholeFile(picture_path, EncodeBmp24(FlatPicture(64, 48, 1, 2, 3))));
  struct Case {
    const char* size;
    const char* fit;
    const char* scaled;
  };
  const Case cases[] = {{"16384x100", "1", "16384x12288"}, {"1x16384", "0", "1x0"}};
  for (const Case& c : cases) {
    CommandRun run = RunCommand(ComposeCommand, {"--out", out_path_, "--size", c.size, "--fit", c.fit, "--picture",
                                                 picture_path, "--no-calendar"});
    EXPECT_EQ(run.exit_code, kExitFailure) << c.size;
    EXPECT_EQ(run.err, "quellmoor-cli compose: picture \"" + picture_path + "\" cannot be scaled for a screen of " +
                           c.size + " (it would be " + c.scaled + ")\n");
    EXPECT_FALSE(PathExists(out_path_));
  }
}

// One monitor given as a layout is the same wallpaper as the screen size; two give the box they span.
TEST_F(ComposeCommandTest, MonitorLayoutComposesTheVirtualScreen) {
  ComposeAndRead({"--out", out_path_, "--size", "320x200", "--date", "2026-12-08", "--picture", "C07X"});
  const auto by_size = ReadWholeFile(out_path_, 1 << 20);
  ComposeAndRead({"--out", out_path_, "--monitors", "320x200+0+0/160", "--date", "2026-12-08", "--picture", "C07X"});
  EXPECT_EQ(ReadWholeFile(out_path_, 1 << 20), by_size);

  RgbImage image = ComposeAndRead(
      {"--out", out_path_, "--monitors", "320x200+0+0,200x320-250-60", "--date", "2026-12-08", "--picture", "C07X"});
  EXPECT_EQ(image.width, 570);
  EXPECT_EQ(image.height, 320);
  EXPECT_EQ(JsonNumber(last_out_, "monitors"), 2);
  const std::uint8_t* gap = image.row(0) + 210 * 3;  // above the primary, right of the other
  EXPECT_EQ(gap[0] + gap[1] + gap[2], 0);
}

}  // namespace
