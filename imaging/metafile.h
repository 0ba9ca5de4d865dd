// Windows metafiles (WMF, with or without the placeable header, and EMF). Only Windows can play
// them: metafile_win.cpp draws them through GDI, metafile_posix.cpp reports them as not supported.
#pragma once

#include <cstdint>
#include <span>

#include "imaging/picture_reader.h"

// Plays the metafile at its own frame size (800 x 600 when its header gives none) onto white and
// returns the picture. format is kWmf or kEmf as detected.
PictureReadResult ReadMetafile(std::span<const std::uint8_t> data, PictureFormat format);
