// The resources of the Windows programs: any resource's bytes, and the built-in pictures among them
// (resources of type "KALENDER").
#pragma once

#include <cstdint>
#include <span>

#include "wallpaper/picture_render.h"

// The bytes of the resource of the program module, or an empty span when there is none. Resources
// stay loaded for the life of the process.
std::span<const std::uint8_t> ProgramResource(const char* name, const char* type);

// The pictures C01X ... of the running program's own resources.
class ResourcePictures final : public BuiltinPictures {
 public:
  std::span<const std::uint8_t> Find(const std::string& name) override;
};
