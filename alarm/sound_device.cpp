// The sound device setting as the program numbers it.
#include "alarm/sound_device.h"

int CorrectedSoundDevice(int device, int device_count) {
  return device < 1 || device >= device_count ? kDefaultSoundDevice : device;
}
