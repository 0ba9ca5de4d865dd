// Registering the hotkey slots with the system for the main window.
#pragma once

#include <windows.h>

#include "options/hotkeys.h"

// For every slot in order: an active slot's hotkey is registered for the window, an inactive slot's
// id is unregistered. A hotkey the system refuses (another program holds the combination) is
// silently unavailable.
void RegisterHotkeys(HWND window, const HotkeySlots& slots);

// Unregisters the id of every active slot.
void UnregisterHotkeys(HWND window, const HotkeySlots& slots);
