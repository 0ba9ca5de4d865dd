// The decode command: a picture file read and written back as a 24-bit BMP with its size and format,
// and the refusals of unreadable files and bad arguments.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/picture_commands.h"
#include "cli/tests/run_command.h"
#include "common/file_system.h"
#include "common/tests/temp_folder.h"
#include "imaging/bmp_writer.h"
#include "imaging/picture_reader.h"

namespace {

// Every pixel a different colour, so that a turned or shifted picture shows.
RgbImage Pattern(int width, int height) {
  RgbImage image = MakeImage(width, height);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = static_cast<std::uint8_t>(i * 7 + i / 3);
  return image;
}

class DecodeCommandTest : public ::testing::Test {
 protected:
  TempFolder folder_{"cli-decode"};
  std::string out_path_ = folder_.PathOf("out.bmp");
};

TEST_F(DecodeCommandTest, WritesThePictureItRead) {
  const RgbImage picture = Pattern(7, 5);
  const std::string path = folder_.PathOf("in.bmp");
  ASSERT_TRUE(WriteWholeFile(path, EncodeBmp24(picture)));

  CommandRun run = RunCommand(DecodeCommand, {path, "--out", out_path_});
  ASSERT_EQ(run.exit_code, kExitSuccess) << run.err;
  EXPECT_EQ(run.out, "{\"width\":7,\"height\":5,\"format\":\"bmp\"}\n");
  auto written = ReadWholeFile(out_path_, 1 << 20);
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written, EncodeBmp24(picture));
}

TEST_F(DecodeCommandTest, UnreadableFilesFailAndWriteNothing) {
  const std::string garbage = folder_.PathOf("garbage.png");
  ASSERT_TRUE(WriteWholeFile(garbage, std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', 1, 2, 3}));
  for (const std::string& path : {garbage, folder_.PathOf("missing.png"), folder_.path()}) {
    CommandRun run = RunCommand(DecodeCommand, {path, "--out", out_path_});
    EXPECT_EQ(run.exit_code, kExitFailure) << path;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("quellmoor-cli decode: cannot read picture \"" + path + "\": ", 0), 0u) << run.err;
    EXPECT_FALSE(PathExists(out_path_));
  }
}

TEST_F(DecodeCommandTest, RefusesBadArguments) {
  struct Case {
    std::initializer_list<std::string_view> arguments;
    const char* named;
  };
  const Case cases[] = {
      {{"in.bmp"}, "--out"},
      {{"--out", "x.bmp"}, "PICTURE"},
      {{"in.bmp", "--out", ""}, "--out"},
      {{"in.bmp", "--out", "x.bmp", "extra"}, "\"extra\""},
  };
  for (const Case& c : cases) {
    CommandRun run = RunCommand(DecodeCommand, c.arguments);
    EXPECT_EQ(run.exit_code, kExitBadArguments) << c.named;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
  }
}

}  // namespace
