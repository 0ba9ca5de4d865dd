// The alarm sound on Windows: MP3 files played once on the chosen sound device, at the chosen volume,
// faded out on request. Decoding, mixing and feeding the device happen on a playback thread of its
// own; the calls here only post to it and return at once.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "common/owned_handles_win.h"

class WaveOutput;

class AlarmSound {
 public:
  AlarmSound() = default;
  ~AlarmSound() { Unload(); }
  AlarmSound(const AlarmSound&) = delete;
  AlarmSound& operator=(const AlarmSound&) = delete;

  // Opens the sound device numbered device as the settings number it (alarm/sound_device.h) and starts
  // the playback thread; device becomes -1 when it is not one of the devices. volume is 0 to 100.
  // True when sound is available; false, quietly, without a device or when it cannot be opened.
  bool Load(int& device, int volume);
  // Stops the sound, closes the device and ends the playback thread. Safe at any time.
  void Unload();

  // Fades out the current sound and plays the MP3 file at path once; a file that cannot be played
  // leaves silence.
  void PlayFile(const std::string& path);
  // Fades the current sound to silence over 500 ms, after which it stops.
  void FadeOut();

  // The name of sound device device (1 to N) in buffer, bounded by size. True when the device exists
  // and its name is longer than two characters.
  bool DeviceName(int device, char* buffer, int size) const;

  bool available() const { return available_; }

 private:
  // A file to play, or nothing for a fade-out.
  using Command = std::optional<std::string>;

  void Post(Command command);
  // Moves the commands posted since the last call into commands; false once Unload asks the thread to
  // end.
  bool TakeCommands(std::vector<Command>& commands);
  void Run(std::unique_ptr<WaveOutput> output, int volume) noexcept;

  std::mutex mutex_;
  std::vector<Command> posted_;  // guarded by mutex_
  bool stopping_ = false;        // guarded by mutex_
  // Wakes the playback thread: set by the device when a buffer has played and by every post.
  OwnedKernelHandle wake_;
  std::thread thread_;
  bool available_ = false;
};
