// The alarm sound on Windows: the device, the playback thread and the commands posted to it.
#include "alarm/alarm_sound_win.h"

#include <cstring>
#include <string_view>
#include <system_error>

#include "alarm/mp3_decoder.h"
#include "alarm/sound_device.h"
#include "alarm/sound_mixer.h"
#include "alarm/wave_output_win.h"
#include "common/bounded_text.h"

bool AlarmSound::Load(int& device, int volume) {
  Unload();
  const UINT devices = waveOutGetNumDevs();
  device = CorrectedSoundDevice(device, static_cast<int>(devices) + 1);
  if (devices == 0) return false;
  wake_.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  if (!wake_) return false;
  const UINT id = device == kDefaultSoundDevice ? WAVE_MAPPER : static_cast<UINT>(device - 1);
  auto output = WaveOutput::Open(id, wake_.get());
  if (!output) return false;
  try {
    thread_ = std::thread(&AlarmSound::Run, this, std::move(output), volume);
  } catch (const std::system_error&) {
    return false;
  }
  available_ = true;
  return true;
}

void AlarmSound::Unload() {
  if (thread_.joinable()) {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    SetEvent(wake_.get());
    thread_.join();
  }
  posted_.clear();
  stopping_ = false;
  wake_.reset();
  available_ = false;
}

void AlarmSound::PlayFile(const std::string& path) { Post(path); }

void AlarmSound::FadeOut() { Post(std::nullopt); }

void AlarmSound::Post(Command command) {
  if (!available_) return;
  {
    std::lock_guard lock(mutex_);
    posted_.push_back(std::move(command));
  }
  SetEvent(wake_.get());
}

bool AlarmSound::TakeCommands(std::vector<Command>& commands) {
  std::lock_guard lock(mutex_);
  commands.clear();
  commands.swap(posted_);
  return !stopping_;
}

void AlarmSound::Run(std::unique_ptr<WaveOutput> output, int volume) noexcept {
  try {
    SoundMixer mixer;
    mixer.SetVolume(volume);
    std::vector<Command> commands;
    while (TakeCommands(commands)) {
      for (const Command& command : commands) {
        auto decoder = command ? Mp3Decoder::Open(*command) : nullptr;
        if (decoder) {
          mixer.Play(std::move(decoder));
        } else {
          mixer.FadeOut();
        }
      }
      output->QueueFreeBuffers(mixer);
      WaitForSingleObject(wake_.get(), INFINITE);
    }
  } catch (...) {
    // Nothing may leave the thread (memory that runs out while decoding): the sound falls silent.
  }
}

bool AlarmSound::DeviceName(int device, char* buffer, int size) const {
  if (device < 1 || device > static_cast<int>(waveOutGetNumDevs())) return false;
  WAVEOUTCAPSA caps{};
  if (waveOutGetDevCapsA(static_cast<UINT>(device - 1), &caps, sizeof caps) != MMSYSERR_NOERROR) return false;
  const std::string_view name(caps.szPname, strnlen(caps.szPname, sizeof caps.szPname));
  if (size > 0) CopyText(buffer, static_cast<std::size_t>(size), name);
  return name.size() > 2;
}
