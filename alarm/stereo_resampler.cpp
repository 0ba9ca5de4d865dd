// One sound in the mixer's format: linear resampling and mono to stereo.
#include "alarm/stereo_resampler.h"

namespace {

// Source samples read at a time.
constexpr std::size_t kBufferSamples = 4096;

}  // namespace

StereoResampler::StereoResampler(std::unique_ptr<PcmSource> source)
    : source_(std::move(source)), format_(source_->format()), buffer_(kBufferSamples) {
  ended_ = format_.rate <= 0 || (format_.channels != 1 && format_.channels != 2) || !NextSourceFrame(previous_);
  has_next_ = !ended_ && NextSourceFrame(next_);
  if (!has_next_) next_ = previous_;
}

bool StereoResampler::NextSourceFrame(Frame& frame) {
  if (buffer_position_ == buffer_end_) {
    buffer_end_ = source_->Read(buffer_) * static_cast<std::size_t>(format_.channels);
    buffer_position_ = 0;
    if (buffer_end_ == 0) return false;
  }
  frame[0] = buffer_[buffer_position_++];
  frame[1] = format_.channels == 2 ? buffer_[buffer_position_++] : frame[0];
  return true;
}

std::size_t StereoResampler::Read(std::span<std::int16_t> out) {
  std::size_t frames = 0;
  for (; !ended_ && frames < out.size() / kMixerChannels; ++frames) {
    for (std::size_t channel = 0; channel < kMixerChannels; ++channel) {
      const std::int64_t step = next_[channel] - previous_[channel];
      out[frames * kMixerChannels + channel] =
          static_cast<std::int16_t>(previous_[channel] + step * position_ / kMixerRate);
    }
    // Moves on by one output frame, which is format_.rate / kMixerRate source frames.
    position_ += format_.rate;
    while (position_ >= kMixerRate && !ended_) {
      position_ -= kMixerRate;
      ended_ = !has_next_;
      previous_ = next_;
      has_next_ = NextSourceFrame(next_);
      if (!has_next_) next_ = previous_;
    }
  }
  return frames;
}
