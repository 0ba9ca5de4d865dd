// The running program's process-wide state.
#include "app/program_win.h"

#include "settings/registry_store_win.h"

namespace {

HINSTANCE g_instance = nullptr;
Settings g_settings;
RegistrySettingsStore g_store;
HotkeySlots g_hotkeys{};

}  // namespace

HINSTANCE ProgramInstance() { return g_instance; }
void SetProgramInstance(HINSTANCE instance) { g_instance = instance; }
Settings& ProgramSettings() { return g_settings; }
SettingsStore& ProgramStore() { return g_store; }
HotkeySlots& ProgramHotkeys() { return g_hotkeys; }
