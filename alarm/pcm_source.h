// A source of sound for the alarm mixer: interleaved 16-bit samples at the source's own rate and
// channel count, handed out piece by piece. The MP3 decoder is one; tests use plain signals.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

struct PcmFormat {
  int rate = 0;      // frames per second
  int channels = 0;  // 1 or 2
};

class PcmSource {
 public:
  virtual ~PcmSource() = default;
  virtual PcmFormat format() const = 0;
  // Fills samples with whole frames and returns how many frames it wrote; fewer than fit only at the
  // end of the sound, after which every call returns 0.
  virtual std::size_t Read(std::span<std::int16_t> samples) = 0;
};
