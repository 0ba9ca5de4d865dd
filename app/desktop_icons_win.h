// Keeps the captions of the desktop icons readable on the composed wallpaper: the desktop's list
// view gets the chosen text colour and a transparent text background. The shell may reset them at
// any time, so the main window applies the colour four times a second while there is a desktop list
// view; without one (no shell yet, or none at all) its periodic check looks for one.
#pragma once

#include <windows.h>

#include <optional>

#include "imaging/image.h"

class DesktopIconColour {
 public:
  // Looks the desktop list view up again when the colour differs from the last one applied (the
  // first call always does) or the list view it found is gone (the shell restarted); applies colour
  // and transparency when the list view's text background is not transparent or the colour changed.
  // With nothing to change it sends two messages and redraws nothing. Without a desktop list view
  // nothing happens, and the next call looks again. A shell that does not answer in time makes the
  // call skip its update: the caller's thread is never held up by a hung shell. Whether there is a
  // desktop list view.
  bool Apply(Colorref colour);

 private:
  HWND list_view_ = nullptr;
  std::optional<Colorref> last_colour_;  // nothing until a colour has been applied
};
