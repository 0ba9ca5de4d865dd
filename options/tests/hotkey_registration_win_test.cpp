// Hotkey registration with the system: an active slot holds its combination for the window until
// UnregisterHotkeys gives it back.
#include "options/hotkey_registration_win.h"

#include <gtest/gtest.h>

namespace {

class HotkeyRegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExA(0, "STATIC", "hotkeys", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { DestroyWindow(window_); }

  // Whether the combination is free: a test registration under another id succeeds (and is undone).
  bool CombinationIsFree(unsigned modifiers, unsigned virtual_key) {
    constexpr int kProbeId = 0x0BAD;
    if (!RegisterHotKey(window_, kProbeId, modifiers, virtual_key)) return false;
    UnregisterHotKey(window_, kProbeId);
    return true;
  }

  HWND window_ = nullptr;
};

TEST_F(HotkeyRegistrationTest, ActiveSlotsAreRegisteredUntilUnregistered) {
  HotkeySlots slots;
  for (int i = 0; i < kHotkeySlotCount; ++i) slots[i] = HotkeySlot{200 + i, 0, 0, 0};
  slots[2] = HotkeySlot{202, 2, 22, 1};  // Shift+Strg, num +
  const unsigned modifiers = MOD_SHIFT | MOD_CONTROL;
  ASSERT_TRUE(CombinationIsFree(modifiers, VK_ADD));

  RegisterHotkeys(window_, slots);
  EXPECT_FALSE(CombinationIsFree(modifiers, VK_ADD));
  EXPECT_TRUE(CombinationIsFree(MOD_ALT, VK_F1));  // inactive slots hold nothing

  UnregisterHotkeys(window_, slots);
  EXPECT_TRUE(CombinationIsFree(modifiers, VK_ADD));
}

// A slot registered a second time with another combination (Apply, then Apply again) holds the new
// combination only.
TEST_F(HotkeyRegistrationTest, RegisteringAgainGivesUpTheEarlierCombination) {
  HotkeySlots slots;
  for (int i = 0; i < kHotkeySlotCount; ++i) slots[i] = HotkeySlot{200 + i, 0, 0, 0};
  slots[1] = HotkeySlot{201, 1, 5, 1};  // Strg, F6
  RegisterHotkeys(window_, slots);
  slots[1].key = 6;  // F7
  RegisterHotkeys(window_, slots);
  EXPECT_TRUE(CombinationIsFree(MOD_CONTROL, VK_F6));
  EXPECT_FALSE(CombinationIsFree(MOD_CONTROL, VK_F7));
  slots[1].active = 0;
  RegisterHotkeys(window_, slots);
  EXPECT_TRUE(CombinationIsFree(MOD_CONTROL, VK_F7));
}

TEST_F(HotkeyRegistrationTest, ACombinationIsTakenWhileAnotherRegistrationHoldsIt) {
  HWND other = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  EXPECT_FALSE(HotkeyCombinationTaken(window_, MOD_ALT | MOD_CONTROL, 'Q'));
  EXPECT_FALSE(HotkeyCombinationTaken(window_, MOD_ALT | MOD_CONTROL, 'Q'));  // the probe was undone
  ASSERT_TRUE(RegisterHotKey(other, 7, MOD_ALT | MOD_CONTROL, 'Q'));
  EXPECT_TRUE(HotkeyCombinationTaken(window_, MOD_ALT | MOD_CONTROL, 'Q'));
  UnregisterHotKey(other, 7);
  DestroyWindow(other);
}

}  // namespace
