// The alarm sound's mixer: voices, fades, volume and clipping.
#include "alarm/sound_mixer.h"

#include <algorithm>
#include <cmath>

void SoundMixer::SetVolume(int volume) { gain_ = static_cast<float>(std::clamp(volume, 0, 100)) / 100.0F; }

void SoundMixer::Play(std::unique_ptr<PcmSource> source) {
  FadeOut();
  voices_.push_back({StereoResampler(std::move(source)), kNotFading});
}

void SoundMixer::FadeOut() {
  for (Voice& voice : voices_) {
    if (voice.fade_remaining == kNotFading) voice.fade_remaining = kFadeFrames;
  }
}

bool SoundMixer::AddVoice(Voice& voice, std::size_t frames) {
  if (voice.fade_remaining != kNotFading) frames = std::min(frames, static_cast<std::size_t>(voice.fade_remaining));
  voice_block_.resize(frames * kMixerChannels);
  const std::size_t produced = voice.stream.Read(voice_block_);
  for (std::size_t frame = 0; frame < produced; ++frame) {
    float fade = 1.0F;
    if (voice.fade_remaining != kNotFading) fade = static_cast<float>(voice.fade_remaining--) / kFadeFrames;
    for (std::size_t channel = 0; channel < kMixerChannels; ++channel) {
      const std::size_t sample = frame * kMixerChannels + channel;
      sum_[sample] += fade * voice_block_[sample];
    }
  }
  return produced == frames && voice.fade_remaining != 0;
}

void SoundMixer::Mix(std::span<std::int16_t> block) {
  const std::size_t frames = block.size() / kMixerChannels;
  sum_.assign(frames * kMixerChannels, 0.0F);
  std::erase_if(voices_, [&](Voice& voice) { return !AddVoice(voice, frames); });
  for (std::size_t sample = 0; sample < sum_.size(); ++sample) {
    block[sample] = static_cast<std::int16_t>(std::lround(std::clamp(sum_[sample] * gain_, -32768.0F, 32767.0F)));
  }
}
