// The sound device numbering: 1 to N are devices, anything else is the system's default device.
#include "alarm/sound_device.h"

#include <gtest/gtest.h>

namespace {

TEST(SoundDeviceTest, DevicesOutsideTheCountBecomeTheDefaultDevice) {
  const struct {
    int device;
    int count;  // the devices plus the unused 0
    int expected;
  } cases[] = {{-1, 3, -1}, {0, 3, -1}, {1, 3, 1}, {2, 3, 2}, {3, 3, -1}, {-7, 3, -1}, {1, 1, -1}, {1, 0, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(CorrectedSoundDevice(c.device, c.count), c.expected) << c.device << " of " << c.count;
  }
}

}  // namespace
