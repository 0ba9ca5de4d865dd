// The alarm sound's mixer: one current sound that plays once to its end, and the sounds it replaced,
// each fading to silence over 500 ms. Blocks of 44100 Hz stereo 16-bit samples are made on request,
// for the sound device on Windows and for a capturing test sink elsewhere. Not thread-safe: the
// playback thread owns it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "alarm/pcm_source.h"
#include "alarm/stereo_resampler.h"

// A fade to silence takes 500 ms.
inline constexpr int kFadeFrames = kMixerRate / 2;

class SoundMixer {
 public:
  // The volume, 0 (silence) to 100 (the sound unchanged), a linear gain; values outside are clamped.
  void SetVolume(int volume);

  // Makes source the current sound; whatever played until now fades out meanwhile.
  void Play(std::unique_ptr<PcmSource> source);

  // Fades every sound to silence over 500 ms, after which they end.
  void FadeOut();

  // Fills block with whole stereo frames of the sum of all sounds, clipped; silence where none plays.
  // Sounds that end are freed.
  void Mix(std::span<std::int16_t> block);

  bool playing() const { return !voices_.empty(); }

 private:
  struct Voice {
    StereoResampler stream;
    int fade_remaining;  // frames until silence, or kNotFading
  };
  static constexpr int kNotFading = -1;

  // Adds up to frames of voice into sum_ with the voice's fade; false when the voice has ended.
  bool AddVoice(Voice& voice, std::size_t frames);

  std::vector<Voice> voices_;
  std::vector<std::int16_t> voice_block_;
  std::vector<float> sum_;
  float gain_ = 1.0F;
};
