// The alarm sound's mixer against a capturing sink: volume, the 500 ms fade, a second sound fading the
// first with clipping, sounds ending by themselves, and every rate playing at its own speed.
#include "alarm/sound_mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "alarm/mp3_decoder.h"
#include "alarm/tests/test_tones.h"

namespace {

// A stereo sound of frames frames at 44100 Hz: value on the left, -value on the right.
class ConstantSound final : public PcmSource {
 public:
  ConstantSound(std::int16_t value, std::size_t frames) : value_(value), remaining_(frames) {}
  PcmFormat format() const override { return {kMixerRate, 2}; }
  std::size_t Read(std::span<std::int16_t> samples) override {
    const std::size_t frames = std::min(remaining_, samples.size() / 2);
    for (std::size_t frame = 0; frame < frames; ++frame) {
      samples[2 * frame] = value_;
      samples[2 * frame + 1] = static_cast<std::int16_t>(-value_);
    }
    remaining_ -= frames;
    return frames;
  }

 private:
  std::int16_t value_;
  std::size_t remaining_;
};

constexpr std::size_t kTenSeconds = 10 * kMixerRate;
// The sink asks for 10 ms at a time, as a sound device would.
constexpr std::size_t kBlockFrames = kMixerRate / 100;

// What the mixer plays over frames frames (rounded up to whole blocks), interleaved stereo.
std::vector<std::int16_t> Capture(SoundMixer& mixer, std::size_t frames) {
  std::vector<std::int16_t> played;
  std::vector<std::int16_t> block(kBlockFrames * kMixerChannels);
  while (played.size() < frames * kMixerChannels) {
    mixer.Mix(block);
    played.insert(played.end(), block.begin(), block.end());
  }
  return played;
}

std::vector<std::int16_t> Left(const std::vector<std::int16_t>& played) {
  std::vector<std::int16_t> left;
  for (std::size_t i = 0; i < played.size(); i += kMixerChannels) left.push_back(played[i]);
  return left;
}

TEST(SoundMixerTest, VolumeScalesLinearlyAndTheSoundEndsByItself) {
  const struct {
    int volume;
    std::int16_t expected;
  } cases[] = {{0, 0}, {50, 5000}, {100, 10000}};
  for (const auto& c : cases) {
    SoundMixer mixer;
    mixer.SetVolume(c.volume);
    mixer.Play(std::make_unique<ConstantSound>(10000, 1000));
    const auto played = Capture(mixer, 1500);
    for (std::size_t frame = 0; frame < 1500; ++frame) {
      const std::int16_t left = frame < 1000 ? c.expected : 0;
      ASSERT_EQ(played[2 * frame], left) << "volume " << c.volume << ", frame " << frame;
      ASSERT_EQ(played[2 * frame + 1], -left) << "volume " << c.volume << ", frame " << frame;
    }
    EXPECT_FALSE(mixer.playing());
  }
}

TEST(SoundMixerTest, FadeOutRampsToSilenceIn500MillisecondsAndStops) {
  SoundMixer mixer;
  mixer.Play(std::make_unique<ConstantSound>(20000, kTenSeconds));
  Capture(mixer, kBlockFrames);
  mixer.FadeOut();
  const auto left = Left(Capture(mixer, kFadeFrames + 10 * kBlockFrames));
  EXPECT_GT(left.front(), 19900);
  EXPECT_TRUE(std::is_sorted(left.rbegin(), left.rend())) << "the fade must never rise";
  const auto silent = std::find(left.begin(), left.end(), 0);
  EXPECT_NEAR(silent - left.begin(), kFadeFrames, kBlockFrames);
  EXPECT_TRUE(std::all_of(silent, left.end(), [](std::int16_t sample) { return sample == 0; }));
  EXPECT_FALSE(mixer.playing());
}

TEST(SoundMixerTest, ASecondSoundFadesTheFirstWhileBothAreMixedAndClipped) {
  const struct {
    std::int16_t first;
    std::int16_t second;
    std::int16_t left_start;  // the first mixed frame
    std::int16_t right_start;
  } cases[] = {{20000, 8000, 28000, -28000}, {30000, 30000, 32767, -32768}};
  for (const auto& c : cases) {
    SoundMixer mixer;
    mixer.Play(std::make_unique<ConstantSound>(c.first, kTenSeconds));
    Capture(mixer, kBlockFrames);
    mixer.Play(std::make_unique<ConstantSound>(c.second, kTenSeconds));
    const auto played = Capture(mixer, kFadeFrames + 10 * kBlockFrames);
    EXPECT_EQ(played[0], c.left_start);
    EXPECT_EQ(played[1], c.right_start);
    const auto left = Left(played);
    EXPECT_TRUE(std::is_sorted(left.rbegin(), left.rend()));
    EXPECT_TRUE(std::all_of(left.begin() + kFadeFrames, left.end(),
                            [&](std::int16_t sample) { return sample == c.second; }));
    EXPECT_TRUE(mixer.playing());
  }
}

TEST(SoundMixerTest, EveryRatePlaysAtItsOwnSpeed) {
  for (const TestTone& tone : kTestTones) {
    SoundMixer mixer;
    auto decoder = Mp3Decoder::Open(TestTonePath(tone));
    ASSERT_NE(decoder, nullptr);
    mixer.Play(std::move(decoder));
    std::vector<std::int16_t> played;
    while (mixer.playing()) {
      const auto block = Capture(mixer, kBlockFrames);
      played.insert(played.end(), block.begin(), block.end());
    }
    const auto tone_part = LoudPart(played, kMixerChannels);
    EXPECT_NEAR(static_cast<double>(tone_part.size()) / kMixerChannels / kMixerRate, tone.seconds, 0.02) << tone.rate;
    EXPECT_NEAR(SignChanges(tone_part, kMixerChannels, 0), 2 * kToneFrequency * tone.seconds, 4) << tone.rate;
    if (tone.channels == 1) {
      for (std::size_t i = 0; i < played.size(); i += 2) ASSERT_EQ(played[i], played[i + 1]) << "mono on both sides";
    }
  }
}

}  // namespace
