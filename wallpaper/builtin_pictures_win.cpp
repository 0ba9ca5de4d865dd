// The program's resources. A loaded resource stays mapped as long as the module is loaded, so its
// bytes are handed out without a copy.
#include "wallpaper/builtin_pictures_win.h"

#include <windows.h>

namespace {

class ResourcePictures : public BuiltinPictures {
 public:
  std::span<const std::uint8_t> Find(const std::string& name) override {
    return ProgramResource(name.c_str(), "KALENDER");
  }
};

}  // namespace

std::span<const std::uint8_t> ProgramResource(const char* name, const char* type) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name, type);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found)};
}

BuiltinPictures& ProgramResourcePictures() {
  static ResourcePictures pictures;
  return pictures;
}
