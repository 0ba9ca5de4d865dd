// The reader of each picture format. ReadPicture chooses one by the detected format; the fuzz
// targets call them directly. Each takes the whole file, treats it as hostile, and returns the
// picture or a failure text; none of them looks at the data's format signature again beyond what
// its own header parsing needs.
#pragma once

#include <cstdint>
#include <span>

#include "imaging/picture_reader.h"

PictureReadResult ReadJpeg(std::span<const std::uint8_t> data, const ReadHint& hint);
PictureReadResult ReadPng(std::span<const std::uint8_t> data);
PictureReadResult ReadTiff(std::span<const std::uint8_t> data);
PictureReadResult ReadGif(std::span<const std::uint8_t> data);
PictureReadResult ReadBmp(std::span<const std::uint8_t> data);
PictureReadResult ReadPcx(std::span<const std::uint8_t> data);
PictureReadResult ReadTga(std::span<const std::uint8_t> data);
PictureReadResult ReadPsd(std::span<const std::uint8_t> data);
PictureReadResult ReadWbmp(std::span<const std::uint8_t> data);
// ReadJpeg2000 is declared in picture_reader.h.

// TGA and WBMP files carry no signature: these check their headers strictly enough that other data
// is not taken for them. Detection tries them last.
bool LooksLikeTga(std::span<const std::uint8_t> data);
bool LooksLikeWbmp(std::span<const std::uint8_t> data);
