// The running program's process-wide state.
#include "app/program_win.h"

#include "settings/registry_store_win.h"

namespace {

// The system clock, unless a test has set another.
class SwitchableClock : public Clock {
 public:
  LocalTime Now() const override { return clock_ != nullptr ? clock_->Now() : SystemClock().Now(); }
  void Use(const Clock* clock) { clock_ = clock; }

 private:
  const Clock* clock_ = nullptr;
};

HINSTANCE g_instance = nullptr;
SwitchableClock g_clock;
Settings g_settings;
RegistrySettingsStore g_store;
WallpaperBuildContext g_build_context{g_clock, PictureChoiceGenerator(1)};
HotkeySlots g_hotkeys{};
DesktopIconColour g_desktop_icons;
AlarmClock g_alarm_clock(g_clock, g_settings);
NoteList g_notes;
NoteWindowContext g_note_context{&g_clock, &g_settings, &g_store, &g_notes};

}  // namespace

HINSTANCE ProgramInstance() { return g_instance; }
void SetProgramInstance(HINSTANCE instance) { g_instance = instance; }
const Clock& ProgramClock() { return g_clock; }
void SetProgramClock(const Clock* clock) { g_clock.Use(clock); }
Settings& ProgramSettings() { return g_settings; }
SettingsStore& ProgramStore() { return g_store; }
WallpaperBuildContext& ProgramBuildContext() { return g_build_context; }
HotkeySlots& ProgramHotkeys() { return g_hotkeys; }
DesktopIconColour& ProgramDesktopIcons() { return g_desktop_icons; }
AlarmClock& ProgramAlarmClock() { return g_alarm_clock; }
NoteWindowContext& ProgramNoteContext() { return g_note_context; }
