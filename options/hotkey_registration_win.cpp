// Hotkey registration through RegisterHotKey and UnregisterHotKey.
#include "options/hotkey_registration_win.h"

namespace {

// The top of the ids open to programs, far from the slots' 200-204.
constexpr int kProbeHotkeyId = 0xBFFF;

}  // namespace

void RegisterHotkeys(HWND window, const HotkeySlots& slots) {
  for (const HotkeySlot& slot : slots) {
    UnregisterHotKey(window, slot.id);
    if (slot.active != 0) RegisterHotKey(window, slot.id, HotkeyModifierFlags(slot), HotkeyVirtualKey(slot));
  }
}

void UnregisterHotkeys(HWND window, const HotkeySlots& slots) {
  for (const HotkeySlot& slot : slots) {
    if (slot.active != 0) UnregisterHotKey(window, slot.id);
  }
}

bool HotkeyCombinationTaken(HWND window, unsigned modifier_flags, unsigned virtual_key) {
  if (!RegisterHotKey(window, kProbeHotkeyId, modifier_flags, virtual_key)) return true;
  UnregisterHotKey(window, kProbeHotkeyId);
  return false;
}
