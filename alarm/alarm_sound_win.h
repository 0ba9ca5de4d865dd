// Placeholder of the alarm sound's interface until the player arrives: no sound available.
#pragma once

#include <string>

class AlarmSound {
 public:
  bool Load(int& device, int) { device = -1; return false; }
  void Unload() {}
  void PlayFile(const std::string&) {}
  void FadeOut() {}
  bool DeviceName(int, char*, int) const { return false; }
  bool available() const { return false; }
};
