// The running program's process-wide state: the module instance, the clock, the settings with their
// registry store, the wallpaper build's context, the hotkey slots, the desktop icon captions, the
// alarm clock and the notes.
// Start-up fills them; the windows read and change them.
#pragma once

#include <windows.h>

#include "alarm/alarm_clock_win.h"
#include "app/desktop_icons_win.h"
#include "calendar/clock.h"
#include "notes/note_window_win.h"
#include "options/hotkeys.h"
#include "settings/settings.h"
#include "wallpaper/wallpaper_build.h"

// The module instance handle, for every window and resource of the program.
HINSTANCE ProgramInstance();
void SetProgramInstance(HINSTANCE instance);

// The clock every window reads: the system's, or the one a test sets (nullptr: the system's again).
const Clock& ProgramClock();
void SetProgramClock(const Clock* clock);

Settings& ProgramSettings();
// The registry below HKEY_CURRENT_USER.
SettingsStore& ProgramStore();
// Reads ProgramClock; start-up seeds its picture choice.
WallpaperBuildContext& ProgramBuildContext();
HotkeySlots& ProgramHotkeys();
// The desktop icon captions' colour, applied at start-up and by the main window's timer.
DesktopIconColour& ProgramDesktopIcons();
// Reads ProgramClock and ProgramSettings.
AlarmClock& ProgramAlarmClock();
// The note list with the clock and settings the note window reads.
NoteWindowContext& ProgramNoteContext();
