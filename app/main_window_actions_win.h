// The main window's work, shared by its dialog procedure, its periodic check and its commands.
#pragma once

#include <windows.h>

#include <cstddef>

#include "app/main_window_win.h"

// Reads the work area, the client size and the frame height, corrects the stored position, and
// parks the window off the screen at the bottom of the z-order until the first tick places it.
void TakeMetricsAndPark(MainWindowState& state);

// The date text into 1045 and the text about today into 1046, each bounded by capacity.
void SetDayTexts(HWND window, std::size_t capacity);

// TIMER_CHECK: placing the window at the first tick, a new day, the wallpaper build and the
// automatic exit.
void PeriodicCheck(MainWindowState& state);

// TIMER_DISPLAY: the wallpaper drawn again for the monitors as they are now, with the pictures shown;
// while the options or the alarm editor are open it waits for them.
void RedrawForDisplay(MainWindowState& state);

// A new picture now, from the button (the window is put away first) or from the hotkey.
void NewPicture(MainWindowState& state, bool from_button);

// The window's position is stored with all the settings, and the window hides.
void PutAway(MainWindowState& state);

// Fades out a playing alarm sound.
void Fade();

// Ends the main window and with it the program. Open notice windows close first (as their close box
// does), so that their check pass saves the appointments before the program ends.
void EndProgram(MainWindowState& state);

void OnCommand(MainWindowState& state, int id);
void OnHotkey(MainWindowState& state, int id);
void OnTrayNotify(MainWindowState& state, LPARAM mouse_message);
void OnShowRequest(MainWindowState& state);
