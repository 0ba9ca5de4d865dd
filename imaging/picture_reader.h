// Reading pictures into 24-bit buffers. The format is detected from the data, never from a name.
// Every reader treats its input as hostile: damaged, truncated or lying files and absurd sizes give
// a failure with a reason, never a crash, and sizes are checked before pixel memory is allocated.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "imaging/image.h"

enum class PictureFormat { kUnknown, kJpeg, kPng, kTiff, kJpeg2000, kGif, kBmp, kPcx, kTga, kPsd, kWbmp, kWmf, kEmf };

// Lower-case name of the format ("jpeg", "png", "tiff", "jpeg2000", "gif", "bmp", "pcx", "tga", "psd",
// "wbmp", "wmf", "emf", "unknown").
const char* PictureFormatName(PictureFormat format);

PictureFormat DetectPictureFormat(std::span<const std::uint8_t> data);

// The size the caller will scale the picture to cover. A reader may then decode at a reduced
// resolution (JPEG DCT scaling, JPEG-2000 resolution levels) as long as the result still covers
// this size in both directions. 0 x 0 asks for the full size.
struct ReadHint {
  int cover_width = 0;
  int cover_height = 0;
};

// Failure texts: "unsupported picture format" (no known signature), "picture too large: W x H"
// (refused before any pixel memory is allocated), "damaged PNG file: <what>" and the like for
// every other fault, and "WMF pictures: not supported on this platform" for metafiles on Linux.
struct PictureReadResult {
  RgbImage image;  // empty on failure
  PictureFormat format = PictureFormat::kUnknown;  // as detected, also on failure
  std::string error;  // why reading failed, for the user; empty on success
  bool out_of_memory = false;  // the failure is the memory's, not the file's: the same file may read later

  bool ok() const { return error.empty() && !image.empty(); }
};

// The general reader: JPEG, PNG, TIFF, JPEG-2000 (codestream or .jp2 file), GIF (first frame), BMP,
// PCX, TGA, PSD (the flattened composite), WBMP and, on Windows, WMF and EMF (played on white).
// Transparency: PNG and TIFF pictures are laid over black; transparent GIF pixels show the GIF's
// background colour; the alpha channels of BMP, TGA and PSD files are ignored.
PictureReadResult ReadPicture(std::span<const std::uint8_t> data, const ReadHint& hint = {});

// The JPEG-2000 reader alone (codestream or .jp2 file).
PictureReadResult ReadJpeg2000(std::span<const std::uint8_t> data, const ReadHint& hint = {});
