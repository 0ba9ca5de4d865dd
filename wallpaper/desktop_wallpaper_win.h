// Composing the desktop wallpaper on Windows: the change policy, the render for the screen and
// setting the file as the desktop wallpaper.
#pragma once

#include "settings/settings.h"
#include "wallpaper/wallpaper_build.h"

// BuildWallpaper on the Windows desktop, with the built-in pictures given: true when nothing had to
// be done or a wallpaper was set, false when every attempt failed.
[[nodiscard]] bool BuildDesktopWallpaper(WallpaperRequest request, WallpaperBuildContext& context, Settings& settings,
                                         SettingsStore& store, BuiltinPictures& pictures);

// Whether the screen shows more than 65536 colours; a 16-bit display (exactly 65536) does not, and
// its wallpaper is reduced to 15-bit colour.
bool DisplayIsTrueColour();
