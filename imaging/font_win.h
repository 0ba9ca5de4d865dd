// The settings' font records as GDI fonts and GDI font records: the calendar font, the note font.
#pragma once

#include <windows.h>

#include "common/owned_handles_win.h"
#include "imaging/font.h"

// The record field by field; the face name is cut to fit with its terminator.
LOGFONTA ToLogFontRecord(const LogFont& font);
LogFont FromLogFontRecord(const LOGFONTA& record);

OwnedFont MakeFontHandle(const LogFont& font);
