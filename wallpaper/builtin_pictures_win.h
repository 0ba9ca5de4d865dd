// The built-in pictures of the Windows programs: resources of type "KALENDER" in the program file.
#pragma once

#include "wallpaper/picture_render.h"

// The pictures C01X ... of the running program's own resources.
BuiltinPictures& ProgramResourcePictures();
