// The program's icon in the notification area: today's date on a yellow square (or the moon
// phase), with the date as its tooltip or a wait text while the wallpaper is being built.
#pragma once

#include <windows.h>

// Adds the icon at the first call (and again after RemoveTrayIcon), modifies it at every later one.
// busy shows the wait tooltip MAIN / "WAIT". False when the shell refused the icon.
bool UpdateTrayIcon(HWND main_window, bool busy);

// Deletes the icon.
void RemoveTrayIcon(HWND main_window);
