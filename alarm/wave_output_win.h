// The sound device's side of the alarm sound: one waveOut device opened for the mixer's format
// (44100 Hz stereo 16-bit) with a few buffers that take turns, so that the device plays one block
// while the playback thread mixes the next.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "alarm/sound_mixer.h"
#include "common/owned_handles_win.h"

inline void CloseWaveOut(HWAVEOUT device) { waveOutClose(device); }
using OwnedWaveOut = std::unique_ptr<std::remove_pointer_t<HWAVEOUT>, HandleReleaser<HWAVEOUT, CloseWaveOut>>;

class WaveOutput {
 public:
  // device is a waveOut device number or WAVE_MAPPER; done_event is set whenever a buffer has played.
  // Nothing when the device cannot be opened.
  [[nodiscard]] static std::unique_ptr<WaveOutput> Open(UINT device, HANDLE done_event);
  // Stops at once and closes the device.
  ~WaveOutput();
  WaveOutput(const WaveOutput&) = delete;
  WaveOutput& operator=(const WaveOutput&) = delete;

  // While the mixer plays, fills every buffer the device is not playing with the mixer's next block
  // and queues it.
  void QueueFreeBuffers(SoundMixer& mixer);

 private:
  struct Buffer {
    std::vector<std::int16_t> samples;
    WAVEHDR header{};
  };
  // Four blocks of 50 ms: a fade or a new sound is heard at most 200 ms after it was asked for.
  static constexpr std::size_t kBufferCount = 4;
  static constexpr std::size_t kBufferFrames = kMixerRate / 20;

  explicit WaveOutput(OwnedWaveOut device) : device_(std::move(device)) {}

  OwnedWaveOut device_;
  std::array<Buffer, kBufferCount> buffers_;
};
