// Rendering one picture for the screen: read, scale and crop (or fit on the background colour),
// apply the record's adjustments and reduce to 15-bit colour on 16-bit displays.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "imaging/image.h"
#include "imaging/picture_reader.h"
#include "wallpaper/picture_record.h"

// Where the bytes of the built-in pictures (C01X ...) come from: the program's resources on
// Windows, the pictures built into the command-line tool on Linux.
class BuiltinPictures {
 public:
  virtual ~BuiltinPictures() = default;
  // The stored bytes of the named picture, or an empty span when there is none.
  virtual std::span<const std::uint8_t> Find(const std::string& name) = 0;
};

struct RenderRequest {
  int screen_width = 0;
  int screen_height = 0;
  bool true_colour = true;  // false on displays of 65536 colours or fewer
};

// Why a wallpaper was not written.
enum class RenderFailure {
  kPictureUnusable,  // missing, unreadable, or not to be scaled to the screen
  kOutOfMemory,
  kFileNotWritten,
};

struct [[nodiscard]] RenderResult {
  std::optional<RenderFailure> failure;    // nothing: the wallpaper file was written
  std::optional<int> calendar_font_height;  // the height the font was fitted to for the month drawn

  bool written() const { return !failure; }
};

// The screen picture from picture bytes (built-in: general reader, then JPEG-2000), without the
// calendar.
std::optional<RgbImage> RenderPicture(std::span<const std::uint8_t> picture, bool jpeg2000_only,
                                      const PictureRecord& record, const RenderRequest& request);

// The screen picture from a picture already read, without the calendar: scaled and cut out or
// fitted on the background colour, adjusted, and reduced to 15-bit colour unless true colour.
std::optional<RgbImage> RenderReadPicture(RgbImage picture, const PictureRecord& record,
                                          const RenderRequest& request);

// The picture a record names, read as the render reads it: a built-in picture from pictures, any
// other name as a file (".jp2" and ".j2k" files by the JPEG-2000 reader). The reader may decode at a
// reduced size that still covers the hint's. Empty when the picture cannot be had; std::bad_alloc
// when the memory ran out while reading it.
RgbImage ReadNamedPicture(const std::string& name, bool builtin, BuiltinPictures& pictures, const ReadHint& hint);

void ApplyPictureAdjustments(RgbImage& image, const PictureRecord& record);

// Error diffusion per colour byte, keeping the top 5 bits, for 16-bit displays.
void DitherTo15Bit(RgbImage& image);
