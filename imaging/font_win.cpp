// The GDI font of a logical font record.
#include "imaging/font_win.h"

OwnedFont MakeFontHandle(const LogFont& font) {
  LOGFONTA record{};
  record.lfHeight = font.height;
  record.lfWidth = font.width;
  record.lfEscapement = font.escapement;
  record.lfOrientation = font.orientation;
  record.lfWeight = font.weight;
  record.lfItalic = font.italic;
  record.lfUnderline = font.underline;
  record.lfStrikeOut = font.strike_out;
  record.lfCharSet = font.char_set;
  record.lfOutPrecision = font.out_precision;
  record.lfClipPrecision = font.clip_precision;
  record.lfQuality = font.quality;
  record.lfPitchAndFamily = font.pitch_and_family;
  static_assert(sizeof record.lfFaceName == sizeof font.face_name);
  for (std::size_t i = 0; i + 1 < sizeof record.lfFaceName && font.face_name[i] != '\0'; ++i) {
    record.lfFaceName[i] = font.face_name[i];
  }
  return OwnedFont(CreateFontIndirectA(&record));
}
