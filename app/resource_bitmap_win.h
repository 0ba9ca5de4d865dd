// Pictures among the program's resources: their bytes, and window bitmaps made from them at a
// requested size (the main window's title picture).
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "common/owned_handles_win.h"

// The bytes of the resource of the program module, or an empty span when there is none. Resources
// stay loaded for the life of the process.
std::span<const std::uint8_t> ProgramResource(const char* name, const char* type);

// The picture resource read with the general reader and scaled to cover width x height (the centred
// cut-out of that size is kept when the scaled picture is larger), as a bitmap for the display. Empty
// when the resource is missing or cannot be read.
OwnedBitmap LoadResourceBitmap(const char* name, const char* type, int width, int height);
