// The sound device setting as the program numbers it: -1 is the system's default device, 1 to N the
// sound devices in the system's order; 0 is not a device, so that the numbering starts at 1.
#pragma once

// The system's default device.
inline constexpr int kDefaultSoundDevice = -1;

// device when it is one of 1 .. device_count - 1 (device_count counts the unused 0 too), otherwise the
// system's default device.
int CorrectedSoundDevice(int device, int device_count);
