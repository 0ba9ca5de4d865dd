// The built-in pictures of the native programs. Linux programs carry no resources, so the assembler
// copies each picture file into the program's read-only data (.incbin) between two symbols. The
// build writes the list of pictures (builtin_pictures_list.inc: BUILTIN_PICTURE(name, path) per
// picture) from resources/pictures.rc.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string_view>

#include "resources/program_pictures.h"

// The picture's bytes, from quellmoor_picture_<name> up to quellmoor_picture_<name>_end.
#define BUILTIN_PICTURE(name, path)                                      \
  ".globl quellmoor_picture_" #name "\n"                                 \
  ".hidden quellmoor_picture_" #name "\n"                                \
  "quellmoor_picture_" #name ":\n"                                       \
  ".incbin \"" path "\"\n"                                               \
  ".globl quellmoor_picture_" #name "_end\n"                             \
  ".hidden quellmoor_picture_" #name "_end\n"                            \
  "quellmoor_picture_" #name "_end:\n"
asm(".pushsection .rodata.quellmoor_pictures, \"a\", @progbits\n"
#include "builtin_pictures_list.inc"
    ".popsection\n");
#undef BUILTIN_PICTURE

#define BUILTIN_PICTURE(name, path) \
  extern "C" const std::uint8_t quellmoor_picture_##name[], quellmoor_picture_##name##_end[];
#include "builtin_pictures_list.inc"
#undef BUILTIN_PICTURE

namespace {

struct EmbeddedPicture {
  std::string_view name;
  const std::uint8_t* begin;
  const std::uint8_t* end;
};

constexpr EmbeddedPicture kEmbeddedPictures[] = {
#define BUILTIN_PICTURE(name, path) {#name, quellmoor_picture_##name, quellmoor_picture_##name##_end},
#include "builtin_pictures_list.inc"
#undef BUILTIN_PICTURE
};

// Resource names compare without regard to case, as Windows finds its resources.
bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::span<const std::uint8_t> ProgramPictures::Find(const std::string& name) {
  for (const EmbeddedPicture& picture : kEmbeddedPictures) {
    if (SameName(picture.name, name)) return {picture.begin, picture.end};
  }
  return {};
}
