// Drawing the day of the month into the date icons' pictures.
#include "app/date_icon_picture.h"

#include <string>

#include "common/bounded_text.h"
#include "imaging/pixel_ops.h"
#include "imaging/text.h"

namespace {

constexpr std::uint8_t kAnsiCharset = 0;
constexpr std::uint8_t kStringPrecision = 1;
constexpr std::uint8_t kStrokeClipPrecision = 2;
constexpr std::uint8_t kAntialiasedQuality = 4;
constexpr std::uint8_t kSwissFamily = 0x20;

// Fits the font to rect and draws the day centred in it.
bool DrawDay(RgbImage& image, int day, int start_height, const Rect& rect, Colorref colour) {
  std::string text = std::to_string(day);
  LogFont font = FitDateFont(text, start_height, rect.width(), rect.height());
  return DrawTextLine(image, text, font, rect, colour, TextPlacement::kCentred);
}

}  // namespace

Colorref DateDigitColour(int weekday) {
  return weekday == 0 || weekday == 6 ? kWeekendDigitColour : kWorkdayDigitColour;
}

LogFont DateIconFont(int height) {
  LogFont font;
  font.height = height;
  font.weight = 600;
  font.char_set = kAnsiCharset;
  font.out_precision = kStringPrecision;
  font.clip_precision = kStrokeClipPrecision;
  font.quality = kAntialiasedQuality;
  font.pitch_and_family = kSwissFamily;
  CopyText(font.face_name, "Verdana");
  return font;
}

LogFont FitDateFont(std::string_view text, int start_height, int width, int height) {
  LogFont font = DateIconFont(start_height);
  for (; font.height < -1; ++font.height) {
    TextExtent extent = MeasureTextLine(text, font);
    if (extent.width <= width && extent.height <= height) break;
  }
  if (font.height < -1) ++font.height;
  return font;
}

bool DrawLargeDateIcon(RgbImage& background, int day, Colorref colour) {
  return DrawDay(background, day, kLargeDateIconFontHeight, kLargeDateIconDigits, colour);
}

RgbImage DrawSmallDateIcon(int day, int width, int height, Colorref background, Colorref colour) {
  RgbImage image = MakeImage(width, height);
  FillRectangle(image, PictureBounds(image), background);
  if (!DrawDay(image, day, kSmallDateIconFontHeight, PictureBounds(image), colour)) return {};
  return image;
}
