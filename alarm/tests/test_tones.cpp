// The test sounds beside the test program and the signal helpers of the sound tests.
#include "alarm/tests/test_tones.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "common/file_system.h"
#include "common/tests/program_folder.h"

std::string TestTonePath(const TestTone& tone) {
  return JoinPath(TestProgramFolder(),
                  "alarm-tone-" + std::to_string(tone.rate) + "-" + std::to_string(tone.channels) + ".mp3");
}

std::span<const std::int16_t> LoudPart(std::span<const std::int16_t> samples, int channels) {
  const auto loud = [](std::int16_t sample) { return std::abs(int{sample}) > 8192; };
  const auto first = std::find_if(samples.begin(), samples.end(), loud) - samples.begin();
  const auto end = samples.rend() - std::find_if(samples.rbegin(), samples.rend(), loud);
  if (first >= end) return {};
  const auto first_frame = static_cast<std::size_t>(first / channels);
  const auto end_frame = static_cast<std::size_t>((end + channels - 1) / channels);
  return samples.subspan(first_frame * channels, (end_frame - first_frame) * channels);
}

std::size_t SignChanges(std::span<const std::int16_t> samples, int channels, int channel) {
  std::size_t changes = 0;
  std::optional<bool> was_negative;
  for (std::size_t i = static_cast<std::size_t>(channel); i < samples.size(); i += static_cast<std::size_t>(channels)) {
    if (samples[i] == 0) continue;
    const bool negative = samples[i] < 0;
    if (was_negative && *was_negative != negative) ++changes;
    was_negative = negative;
  }
  return changes;
}
