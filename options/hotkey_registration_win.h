// Registering the hotkey slots with the system for the main window.
#pragma once

#include <windows.h>

#include "options/hotkeys.h"

// For every slot in order: the slot's id is unregistered, then an active slot's hotkey is registered
// for the window. Windows documents that a combination registered earlier under the same id is kept
// beside a new one; unregistering first makes sure that a second Apply gives the old one up. A hotkey
// the system refuses (another program holds the combination) is silently unavailable.
void RegisterHotkeys(HWND window, const HotkeySlots& slots);

// Unregisters the id of every active slot.
void UnregisterHotkeys(HWND window, const HotkeySlots& slots);

// Whether another registration holds the combination: a registration of it under a spare id of the
// window is refused. One that succeeds is undone at once.
bool HotkeyCombinationTaken(HWND window, unsigned modifier_flags, unsigned virtual_key);
