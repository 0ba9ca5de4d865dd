// Composing the desktop wallpaper on Windows: the change policy, the render for the screen and
// setting the file as the desktop wallpaper.
#pragma once

#include "settings/settings.h"

// 1 when nothing had to be done or the last render succeeded, 0 when every attempt failed.
int BuildDesktopWallpaper(Settings& settings, SettingsStore& store, bool rebuild);

// Whether the screen shows more than 65536 colours; a 16-bit display (exactly 65536) does not, and
// its wallpaper is reduced to 15-bit colour.
bool DisplayIsTrueColour();
