// The GDI font records of a logical font record, both ways.
#include "imaging/font_win.h"

namespace {

static_assert(sizeof(LOGFONTA{}.lfFaceName) == sizeof(LogFont{}.face_name));

template <std::size_t N>
void CopyFaceName(char (&to)[N], const char (&from)[N]) {
  std::size_t i = 0;
  for (; i + 1 < N && from[i] != '\0'; ++i) to[i] = from[i];
  for (; i < N; ++i) to[i] = '\0';
}

}  // namespace

LOGFONTA ToLogFontRecord(const LogFont& font) {
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
  CopyFaceName(record.lfFaceName, font.face_name);
  return record;
}

LogFont FromLogFontRecord(const LOGFONTA& record) {
  LogFont font;
  font.height = record.lfHeight;
  font.width = record.lfWidth;
  font.escapement = record.lfEscapement;
  font.orientation = record.lfOrientation;
  font.weight = record.lfWeight;
  font.italic = record.lfItalic;
  font.underline = record.lfUnderline;
  font.strike_out = record.lfStrikeOut;
  font.char_set = record.lfCharSet;
  font.out_precision = record.lfOutPrecision;
  font.clip_precision = record.lfClipPrecision;
  font.quality = record.lfQuality;
  font.pitch_and_family = record.lfPitchAndFamily;
  CopyFaceName(font.face_name, record.lfFaceName);
  return font;
}

OwnedFont MakeFontHandle(const LogFont& font) {
  const LOGFONTA record = ToLogFontRecord(font);
  return OwnedFont(CreateFontIndirectA(&record));
}
