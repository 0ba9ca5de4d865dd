// One sound in the mixer's format: a source of any rate, mono or stereo, turned into 44100 Hz stereo
// by linear interpolation between neighbouring frames, so that sounds of every rate play at their
// own speed. A source at 44100 Hz passes unchanged.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "alarm/pcm_source.h"

// The mixer's output: 44100 Hz, stereo, 16 bits.
inline constexpr int kMixerRate = 44100;
inline constexpr int kMixerChannels = 2;

class StereoResampler {
 public:
  explicit StereoResampler(std::unique_ptr<PcmSource> source);

  // Fills out with whole stereo frames and returns how many; fewer than fit only at the end of the
  // sound.
  std::size_t Read(std::span<std::int16_t> out);

 private:
  using Frame = std::array<std::int16_t, kMixerChannels>;
  // The source's next frame as stereo; false at its end.
  bool NextSourceFrame(Frame& frame);

  std::unique_ptr<PcmSource> source_;
  PcmFormat format_;
  std::vector<std::int16_t> buffer_;
  std::size_t buffer_position_ = 0;
  std::size_t buffer_end_ = 0;
  // The output lies between previous_ and next_, position_ / kMixerRate of the way.
  Frame previous_{};
  Frame next_{};
  int position_ = 0;
  bool has_next_ = false;
  bool ended_ = false;
};
