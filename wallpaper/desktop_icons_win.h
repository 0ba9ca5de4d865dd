// Keeps the captions of the desktop icons readable on the composed wallpaper: the desktop's list
// view gets the chosen text colour and a transparent text background. The shell may reset them at
// any time, so the main window calls this four times a second.
#pragma once

#include "imaging/image.h"

// Looks the desktop list view up again when the colour differs from the last one applied (the
// first call always does); applies colour and transparency when the list view's text background is
// not transparent or the colour changed. With nothing to change it sends two messages and redraws
// nothing. Without a desktop list view nothing happens, and the next call looks again.
void ApplyDesktopIconColour(Colorref colour);
