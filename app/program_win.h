// The running program's process-wide state: the module instance, the settings with their registry
// store and the hotkey slots. Start-up fills them; the windows read and change them.
#pragma once

#include <windows.h>

#include "options/hotkeys.h"
#include "settings/settings.h"

// The module instance handle, for every window and resource of the program.
HINSTANCE ProgramInstance();
void SetProgramInstance(HINSTANCE instance);

Settings& ProgramSettings();
// The registry below HKEY_CURRENT_USER.
SettingsStore& ProgramStore();
HotkeySlots& ProgramHotkeys();
