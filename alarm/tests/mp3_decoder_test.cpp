// The alarm sound's decoder: the test tones decode whole, in their own rate and channels, through code
// page 1252 paths too; files that hold no MPEG audio fail cleanly. Their pitch is checked after the
// mixer (sound_mixer_test.cpp).
#include "alarm/mp3_decoder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "alarm/tests/test_tones.h"
#include "common/file_system.h"
#include "common/tests/temp_folder.h"

namespace {

TEST(Mp3DecoderTest, DecodesEachToneWholeInItsFormat) {
  for (const TestTone& tone : kTestTones) {
    auto decoder = Mp3Decoder::Open(TestTonePath(tone));
    ASSERT_NE(decoder, nullptr) << tone.rate;
    EXPECT_EQ(decoder->format().rate, tone.rate);
    EXPECT_EQ(decoder->format().channels, tone.channels);
    // An odd block size: the decoder must hand out whole frames all the same.
    std::vector<std::int16_t> block(999);
    std::vector<std::int16_t> samples;
    while (std::size_t frames = decoder->Read(block)) {
      samples.insert(samples.end(), block.begin(), block.begin() + static_cast<long>(frames) * tone.channels);
    }
    EXPECT_EQ(decoder->Read(block), 0u);
    const auto tone_part = LoudPart(samples, tone.channels);
    EXPECT_NEAR(static_cast<double>(tone_part.size()) / tone.channels / tone.rate, tone.seconds, 0.02) << tone.rate;
  }
}

TEST(Mp3DecoderTest, ReadsAPathInCodePage1252) {
  TempFolder folder("mp3");
  const std::string path = folder.PathOf("Wecker \xE4\xDF.mp3");
  ASSERT_TRUE(CopyFileReplacing(TestTonePath(kTestTones[1]), path));
  EXPECT_NE(Mp3Decoder::Open(path), nullptr);
}

TEST(Mp3DecoderTest, FilesWithoutMpegAudioFail) {
  TempFolder folder("mp3");
  std::string noise;
  std::minstd_rand random(7);
  for (int i = 0; i < 64 * 1024; ++i) noise += static_cast<char>(random());
  const struct {
    const char* name;
    std::string contents;
  } cases[] = {
      {"empty.mp3", ""},
      {"text.mp3", std::string(5000, 'x')},
      {"id3-only.mp3", std::string("ID3\x03\x00\x00\x00\x00\x00\x10", 10) + std::string(16, '\0')},
      {"noise.mp3", noise},
  };
  for (const auto& file : cases) {
    EXPECT_EQ(Mp3Decoder::Open(folder.Write(file.name, file.contents)), nullptr) << file.name;
  }
  EXPECT_EQ(Mp3Decoder::Open(folder.PathOf("missing.mp3")), nullptr);
  EXPECT_EQ(Mp3Decoder::Open(folder.path()), nullptr);
}

}  // namespace
