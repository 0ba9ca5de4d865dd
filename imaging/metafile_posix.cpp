// Windows metafiles on Linux: there is no GDI to play them, so they are refused with a clear text.
#include <string>

#include "imaging/metafile.h"
#include "imaging/reader_support.h"

PictureReadResult ReadMetafile(std::span<const std::uint8_t>, PictureFormat format) {
  return ReadFailure(format, std::string(PictureFormatLabel(format)) + " pictures: not supported on this platform");
}
