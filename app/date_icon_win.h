// Today's icons as Windows icons: the main window's 32 x 32 date icon on its calendar sheet, the
// tray's small date icon on a coloured square (both owned by the caller), and the moon phase icons.
#pragma once

#include <windows.h>

#include "common/owned_handles_win.h"
#include "imaging/image.h"

// The day on the sheet ICON_KAL, masked by ICON_MSK; empty when anything fails.
OwnedIcon MakeDateIcon(int day, Colorref colour);

// A width x height icon, fully opaque: the day on the background colour; empty when anything fails.
OwnedIcon MakeSmallDateIcon(int day, int width, int height, Colorref background, Colorref colour);

// The shared resource icon "MOND0" ... "MOND7" of the date's moon phase at size x size pixels; the
// system keeps it, nobody destroys it. Null when it cannot be loaded.
HICON MoonIcon(int day, int month, int year, int size);
