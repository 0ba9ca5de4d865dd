// The built-in pictures of the Windows programs are the resources of type "KALENDER" in the
// program file (linked from pictures.rc).
#include "resources/program_pictures.h"

#include "wallpaper/builtin_pictures_win.h"

std::span<const std::uint8_t> ProgramPictures::Find(const std::string& name) { return ResourcePictures().Find(name); }
