// Hotkey registration through RegisterHotKey and UnregisterHotKey.
#include "options/hotkey_registration_win.h"

void RegisterHotkeys(HWND window, const HotkeySlots& slots) {
  for (const HotkeySlot& slot : slots) {
    if (slot.active != 0) {
      RegisterHotKey(window, slot.id, HotkeyModifierFlags(slot), HotkeyVirtualKey(slot));
    } else {
      UnregisterHotKey(window, slot.id);
    }
  }
}

void UnregisterHotkeys(HWND window, const HotkeySlots& slots) {
  for (const HotkeySlot& slot : slots) {
    if (slot.active != 0) UnregisterHotKey(window, slot.id);
  }
}
