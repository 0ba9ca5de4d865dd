// The test sounds the build encodes beside the test program (alarm/CMakeLists.txt): a 440 Hz sine at
// half of full scale, and the signal helpers the sound tests share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

inline constexpr int kToneFrequency = 440;

struct TestTone {
  int rate;
  int channels;
  double seconds;
};
inline constexpr TestTone kTestTones[] = {{44100, 2, 2.0}, {22050, 1, 1.0}, {48000, 2, 1.0}};

std::string TestTonePath(const TestTone& tone);

// The part of interleaved samples from the first to the last loud sample (a quarter of full scale):
// without the encoder's lead-in and tail, which not every decoder removes.
std::span<const std::int16_t> LoudPart(std::span<const std::int16_t> samples, int channels);

// How often the channel of interleaved samples (of channels) changes sign: twice per period.
std::size_t SignChanges(std::span<const std::int16_t> samples, int channels, int channel);
