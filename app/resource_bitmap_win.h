// Window bitmaps made from the program's picture resources at a requested size (the main window's
// title picture).
#pragma once

#include <windows.h>

#include "common/owned_handles_win.h"

// The picture resource read with the general reader and scaled to cover width x height (the centred
// cut-out of that size is kept when the scaled picture is larger), as a bitmap for the display. Empty
// when the resource is missing or cannot be read.
OwnedBitmap LoadResourceBitmap(const char* name, const char* type, int width, int height);
