// The sound device's side of the alarm sound: waveOut with event notification.
#include "alarm/wave_output_win.h"

std::unique_ptr<WaveOutput> WaveOutput::Open(UINT device, HANDLE done_event) {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = kMixerChannels;
  format.nSamplesPerSec = kMixerRate;
  format.wBitsPerSample = 16;
  format.nBlockAlign = kMixerChannels * sizeof(std::int16_t);
  format.nAvgBytesPerSec = kMixerRate * format.nBlockAlign;
  HWAVEOUT opened = nullptr;
  if (waveOutOpen(&opened, device, &format, reinterpret_cast<DWORD_PTR>(done_event), 0, CALLBACK_EVENT) !=
      MMSYSERR_NOERROR) {
    return nullptr;
  }
  std::unique_ptr<WaveOutput> output(new WaveOutput(OwnedWaveOut(opened)));
  for (Buffer& buffer : output->buffers_) {
    buffer.samples.resize(kBufferFrames * kMixerChannels);
    buffer.header.lpData = reinterpret_cast<LPSTR>(buffer.samples.data());
    buffer.header.dwBufferLength = static_cast<DWORD>(buffer.samples.size() * sizeof(std::int16_t));
    if (waveOutPrepareHeader(opened, &buffer.header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) return nullptr;
  }
  return output;
}

WaveOutput::~WaveOutput() {
  // The device gives every queued buffer back at the reset; only then may they be unprepared and freed.
  waveOutReset(device_.get());
  for (Buffer& buffer : buffers_) {
    if ((buffer.header.dwFlags & WHDR_PREPARED) != 0) {
      waveOutUnprepareHeader(device_.get(), &buffer.header, sizeof(WAVEHDR));
    }
  }
}

void WaveOutput::QueueFreeBuffers(SoundMixer& mixer) {
  for (Buffer& buffer : buffers_) {
    if (!mixer.playing()) return;
    if ((buffer.header.dwFlags & WHDR_INQUEUE) != 0) continue;
    mixer.Mix(buffer.samples);
    waveOutWrite(device_.get(), &buffer.header, sizeof(WAVEHDR));
  }
}
