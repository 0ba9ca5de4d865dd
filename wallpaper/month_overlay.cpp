// The month overlay: the month's name and year, and below it one line of day numbers, drawn along
// the bottom of the work area in the calendar font, which is shrunk until the line fits the screen.
#include "wallpaper/month_overlay.h"

#include <cstdlib>

#include "calendar/date_arithmetic.h"
#include "calendar/holidays.h"
#include "common/bounded_text.h"
#include "imaging/pixel_ops.h"
#include "imaging/text.h"

namespace {

constexpr Colorref kWhite = 0xFFFFFF;
constexpr Colorref kBlack = 0x000000;
constexpr Colorref kRed = 0x0000FF;
constexpr Colorref kNearBlack = 0x101010;
constexpr Colorref kYellow = 0x20FFFF;

constexpr const TextEntry* kMonthEntries[12] = {
    &texts::MAIN_MONAT_01, &texts::MAIN_MONAT_02, &texts::MAIN_MONAT_03, &texts::MAIN_MONAT_04,
    &texts::MAIN_MONAT_05, &texts::MAIN_MONAT_06, &texts::MAIN_MONAT_07, &texts::MAIN_MONAT_08,
    &texts::MAIN_MONAT_09, &texts::MAIN_MONAT_10, &texts::MAIN_MONAT_11, &texts::MAIN_MONAT_12};

int TextWidth(const char* text, const LogFont& font) { return MeasureTextLine(text, font).width; }

// " %d " of the day: the day's text with a space on either side.
void DayText(char (&text)[16], int day) { FormatText(text, sizeof text, " %d ", day); }

// The width of the whole line of day numbers 1 ... days.
int LineWidth(int days, const LogFont& font) {
  int sum = 0;
  for (int day = 1; day <= days; ++day) {
    char text[16];
    DayText(text, day);
    sum += TextWidth(text, font);
  }
  return sum;
}

// Heights that small cannot be read on a wallpaper.
void ClampFontHeight(LogFont& font) {
  if (font.height >= -6 && font.height <= -1) font.height = -7;
  if (font.height >= 0 && font.height <= 6) font.height = 7;
}

}  // namespace

std::string MonthName(int month, const TextTable& text_table) {
  return month >= 1 && month <= 12 ? text_table.LookupText(*kMonthEntries[month - 1]) : std::string();
}

void DrawMonthTitle(RgbImage& screen, const LogFont& font, int top, const std::string& month_name, int year,
                    int alignment) {
  char text[64];
  FormatText(text, sizeof text, "%s %d", month_name.c_str(), year);
  TextExtent extent = MeasureTextLine(text, font);

  int left = (screen.width - extent.width) / 2;
  if (alignment == 1) left = screen.width - extent.width;
  if (alignment == -1) left = TextWidth(" ", font);
  AppendText(text, "  ");

  DrawTextLine(screen, text, font,
               Rect{left + 1, top + 1, left + extent.width + 10, top + extent.height + 10}, kBlack,
               TextPlacement::kTopLeft);
  DrawTextLine(screen, text, font, Rect{left, top, left + extent.width + 10, top + extent.height + 10},
               kWhite, TextPlacement::kTopLeft);
}

int DrawDayNumber(RgbImage& screen, const LogFont& font, int day, bool marked, bool today, int x, int top,
                  bool right_align) {
  char text[16];
  DayText(text, day);
  int widest = TextWidth(" 99 ", font);
  int space = TextWidth(" ", font);
  TextExtent extent = MeasureTextLine(text, font);
  int left = right_align ? x + widest - extent.width : x;

  Colorref colour;
  if (today) {
    FillRectangle(screen, Rect{x, top - 2, x + extent.width + 2, top + extent.height + 2}, kYellow);
    colour = marked ? kRed : kNearBlack;
  } else {
    DrawTextLine(screen, text, font,
                 Rect{left + 1, top + 1, left + extent.width + space + 20, top + extent.height + 2}, kBlack,
                 TextPlacement::kTopLeft);
    colour = marked ? kRed : kWhite;
  }
  bool drawn = DrawTextLine(screen, text, font,
                            Rect{left, top, left + extent.width + space + 20, top + extent.height + 2},
                            colour, TextPlacement::kTopLeft);
  return drawn ? extent.width : 0;
}

int DrawMonthOverlay(RgbImage& screen, const MonthOverlay& overlay) {
  LogFont font = overlay.font;
  if (!screen.valid()) return font.height;
  const LocalTime& today = overlay.today;
  const int days = DaysInMonth(today.month, today.year);

  ClampFontHeight(font);
  const int seven_spaces = TextWidth("       ", font);
  int sum = LineWidth(days, font);
  // Shrink the font one step at a time until the line and seven spaces fit. Height 0 is as far as it
  // goes: the font can be made no smaller, and waiting for it to fit would never end.
  while (seven_spaces + sum > screen.width && font.height != 0) {
    font.height += font.height < 0 ? 1 : -1;
    sum = LineWidth(days, font);
  }
  const int row = sum - TextWidth("  ", font);

  int top = overlay.work_area_bottom - std::abs(static_cast<int>(font.height * 3.5));
  DrawMonthTitle(screen, font, top, overlay.month_name, today.year, 0);
  top += std::abs(static_cast<int>(font.height * 1.5));
  int x = (screen.width - row) / 2 - 1;

  int weekday = ((today.weekday - (today.day - 1)) % 7 + 7) % 7;
  for (int day = 1; day <= days; ++day) {
    bool marked = weekday == 0 || weekday == 6 ||
                  (overlay.region != 0 && IsPublicHoliday(day, today.month, today.year, overlay.region));
    int advance = DrawDayNumber(screen, font, day, marked, day == today.day, x, top, false);
    if (advance == 0) break;
    x += advance;
    weekday = (weekday + 1) % 7;
  }
  return font.height;
}
