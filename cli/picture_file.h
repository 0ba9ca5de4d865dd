// Picture files for the tool's commands: read whole, up to a size limit, by the general reader.
#pragma once

#include <string>

#include "imaging/picture_reader.h"

// The picture in the file at path (code page 1252), or in the result's error the reason why it cannot
// be had: the file cannot be opened or read, is too large, or the reader refuses its content. The
// hint lets the reader decode at a reduced size (imaging/picture_reader.h).
PictureReadResult ReadPictureFile(const std::string& path, const ReadHint& hint = {});
