// Pixel buffers on the Windows display: device-dependent bitmaps for icons and windows, and the
// row layout of GDI's 24-bit device-independent bitmaps that the conversions go through.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "common/owned_handles_win.h"
#include "imaging/image.h"

// Bytes of one row of a 24-bit device-independent bitmap: blue-green-red, padded to four bytes.
std::size_t DibRowBytes(int width);

// The header of a top-down 24-bit device-independent bitmap of the given size.
BITMAPINFO TopDownDibInfo(int width, int height);

// Copies area of image (which must lie inside it) into top-down 24-bit DIB rows of area's width.
void CopyToDibRows(const RgbImage& image, const Rect& area, std::uint8_t* rows);

// Copies top-down 24-bit DIB rows of area's width back into area of image.
void CopyFromDibRows(const std::uint8_t* rows, RgbImage& image, const Rect& area);

// A device-dependent bitmap compatible with device_context (a screen or window DC; a fresh memory DC
// would give a monochrome bitmap) showing image. Empty for an empty picture or when GDI fails.
OwnedBitmap ImageToDisplayBitmap(const RgbImage& image, HDC device_context);
