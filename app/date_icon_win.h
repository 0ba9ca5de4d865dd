// Today's icons as Windows icons: the main window's 32 x 32 date icon on its calendar sheet, the
// tray's small date icon on a coloured square (the caller owns both and destroys them with
// DestroyIcon), and the moon phase icons.
#pragma once

#include <windows.h>

#include "imaging/image.h"

// The day on the sheet ICON_KAL, masked by ICON_MSK; null when anything fails.
HICON MakeDateIcon(int day, Colorref colour);

// A width x height icon, fully opaque: the day on the background colour; null when anything fails.
HICON MakeSmallDateIcon(int day, int width, int height, Colorref background, Colorref colour);

// The shared resource icon "MOND0" ... "MOND7" of the date's moon phase at size x size pixels; the
// system keeps it, nobody destroys it. Null when it cannot be loaded.
HICON MoonIcon(int day, int month, int year, int size);
