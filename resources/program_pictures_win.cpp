// The built-in pictures of the Windows programs are the resources of type "KALENDER" in the
// program file (linked from pictures.rc).
#include "resources/program_pictures.h"

#include "wallpaper/builtin_pictures_win.h"

BuiltinPictures& ProgramPictures() { return ProgramResourcePictures(); }
