// The program's resources. A loaded resource stays mapped as long as the module is loaded, so its
// bytes are handed out without a copy.
#include "wallpaper/builtin_pictures_win.h"

#include <windows.h>

std::span<const std::uint8_t> ProgramResource(const char* name, const char* type) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name, type);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found)};
}

std::span<const std::uint8_t> ResourcePictures::Find(const std::string& name) {
  return ProgramResource(name.c_str(), "KALENDER");
}
