// The alarm sound on Windows, under Wine. A plain run has no sound device: nothing is available and no
// call waits. A run of tools/wine-run.sh --sound-capture FILE has one device whose output lands in FILE
// as raw 44100 Hz stereo 16-bit samples, named to the test by QUELLMOOR_SOUND_CAPTURE: a tone must be
// heard there at its pitch, then fade out over 500 ms and stop before its end.
#include "alarm/alarm_sound_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "alarm/tests/test_tones.h"
#include "common/byte_order.h"
#include "common/file_system.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

const char* CapturePath() { return std::getenv("QUELLMOOR_SOUND_CAPTURE"); }

// The played samples; Wine shows the Linux file system as drive Z:.
std::vector<std::int16_t> CapturedSamples(const std::string& linux_path) {
  std::string path = "Z:" + linux_path;
  std::replace(path.begin(), path.end(), '/', '\\');
  const auto bytes = ReadWholeFile(path, 64 << 20);
  std::vector<std::int16_t> samples;
  if (!bytes) return samples;
  for (std::size_t i = 0; i + 1 < bytes->size(); i += 2) {
    samples.push_back(static_cast<std::int16_t>(ReadU16LE(bytes->data() + i)));
  }
  return samples;
}

// Samples in 10 ms of stereo.
constexpr std::size_t kWindow = 441 * 2;

// The loudest left sample of every 10 ms.
std::vector<int> PeaksPer10Milliseconds(const std::vector<std::int16_t>& samples) {
  std::vector<int> peaks;
  for (std::size_t start = 0; start + kWindow <= samples.size(); start += kWindow) {
    int peak = 0;
    for (std::size_t i = start; i < start + kWindow; i += 2) peak = std::max(peak, std::abs(int{samples[i]}));
    peaks.push_back(peak);
  }
  return peaks;
}

TEST(AlarmSoundWinTest, WithoutADeviceNothingIsAvailableAndNothingWaits) {
  if (CapturePath() != nullptr) GTEST_SKIP() << "this run has a sound device";
  const auto start = Clock::now();
  AlarmSound sound;
  int device = 2;
  EXPECT_FALSE(sound.Load(device, 100));
  EXPECT_EQ(device, -1);
  EXPECT_FALSE(sound.available());
  sound.PlayFile(TestTonePath(kTestTones[0]));
  sound.FadeOut();
  char name[16] = "unchanged";
  EXPECT_FALSE(sound.DeviceName(1, name, sizeof name));
  EXPECT_STREQ(name, "unchanged");
  sound.Unload();
  sound.Unload();
  EXPECT_LT(Clock::now() - start, 500ms);
}

TEST(AlarmSoundWinTest, NamesTheOneDeviceBoundedByTheBuffer) {
  if (CapturePath() == nullptr) GTEST_SKIP() << "no sound device in this run";
  AlarmSound sound;
  char name[4] = "abc";
  EXPECT_TRUE(sound.DeviceName(1, name, -1));
  EXPECT_STREQ(name, "abc");
  EXPECT_TRUE(sound.DeviceName(1, name, sizeof name));
  EXPECT_EQ(std::strlen(name), 3u);
  EXPECT_FALSE(sound.DeviceName(0, name, sizeof name));
  EXPECT_FALSE(sound.DeviceName(2, name, sizeof name));
}

TEST(AlarmSoundWinTest, PlaysAToneAndFadesItOutBeforeItsEnd) {
  const char* capture = CapturePath();
  if (capture == nullptr) GTEST_SKIP() << "no sound device in this run";
  AlarmSound sound;
  int device = 5;
  ASSERT_TRUE(sound.Load(device, 100));
  EXPECT_EQ(device, -1) << "a device beyond the count becomes the default device";
  const auto start = Clock::now();
  sound.PlayFile(TestTonePath(kTestTones[0]));
  EXPECT_LT(Clock::now() - start, 20ms) << "decoding belongs to the playback thread";
  // The captured device takes samples as fast as they come, not in real time, so the fade is asked for
  // at once: the blocks queued before it arrives (200 ms at most) play in full, then the fade.
  sound.FadeOut();
  Sleep(1000);
  sound.Unload();

  const auto samples = CapturedSamples(capture);
  const auto peaks = PeaksPer10Milliseconds(samples);
  ASSERT_FALSE(peaks.empty()) << "nothing was played";
  const int loudest = *std::max_element(peaks.begin(), peaks.end());
  EXPECT_GT(loudest, 14000) << "the tone is at half of full scale";
  const auto heard = std::find_if(peaks.begin(), peaks.end(), [&](int peak) { return peak > loudest / 2; });
  const auto fading = std::find_if(heard, peaks.end(), [&](int peak) { return peak < loudest * 9 / 10; });
  const auto silent = std::find_if(fading, peaks.end(), [&](int peak) { return peak < loudest / 100; });
  EXPECT_LE(fading - heard, 25) << "the tone lasts 2 s; the fade must cut it short";
  EXPECT_NEAR(silent - fading, 45, 6) << "the fade takes 500 ms (the last 10% of it below the limit of silence)";
  for (auto peak = fading; peak + 1 < silent; ++peak) EXPECT_LE(peak[1], peak[0] + loudest / 50) << "the fade rises";
  EXPECT_TRUE(std::all_of(silent, peaks.end(), [&](int peak) { return peak < loudest / 100; }));
  const std::span audible(samples.data() + (heard - peaks.begin()) * kWindow, (silent - heard) * kWindow);
  EXPECT_NEAR(SignChanges(audible, 2, 0), 2 * kToneFrequency * (silent - heard) / 100.0, 10) << "played at its pitch";
}

}  // namespace
