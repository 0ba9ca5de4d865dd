// The settings' font records as GDI fonts: the calendar font, the note font.
#pragma once

#include <windows.h>

#include "common/owned_handles_win.h"
#include "imaging/font.h"

OwnedFont MakeFontHandle(const LogFont& font);
