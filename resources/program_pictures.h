// The built-in pictures (C01X ...) that the running program carries: its resources on Windows,
// embedded in the program file on Linux. Programs get them by linking quellmoor_builtin_pictures.
#pragma once

#include "wallpaper/picture_render.h"

class ProgramPictures final : public BuiltinPictures {
 public:
  std::span<const std::uint8_t> Find(const std::string& name) override;
};
