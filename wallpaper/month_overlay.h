// The month drawn onto the wallpaper: one line of day numbers along the bottom of the work area,
// centred, under the month's name and year. Saturdays, Sundays and public holidays are red, other
// days white, each with a black shadow; today sits on a yellow box.
#pragma once

#include <string>

#include "calendar/clock.h"
#include "imaging/font.h"
#include "imaging/image.h"
#include "texts/text_table.h"

// The name of month 1 ... 12 from the text table (MAIN / "MONAT_01" ...); empty for any other number.
std::string MonthName(int month, const TextTable& text_table);

struct MonthOverlay {
  LogFont font;              // the calendar font, shrunk for drawing until the line fits the screen
  int region = 0;            // holiday region
  int work_area_bottom = 0;  // bottom of the screen's work area (above the taskbar)
  LocalTime today;
  std::string month_name;    // today's month in the language of the texts (MonthName)
};

// Draws today's month onto the whole-screen picture. Returns the font height the month was drawn
// in: the calendar font's, raised out of the unreadable heights and shrunk step by step until the
// line of days fits the screen's width. The wallpaper build keeps it for the next build.
int DrawMonthOverlay(RgbImage& screen, const MonthOverlay& overlay);

// Draws "<month name> <year>" in white with a black shadow, its top at top. Alignment 0 centres it,
// -1 starts it one space width from the left edge, 1 puts it against the right edge.
void DrawMonthTitle(RgbImage& screen, const LogFont& font, int top, const std::string& month_name, int year,
                    int alignment);

// Draws " <day> " at (x, top): red when marked (weekend or holiday), else white, with a black shadow;
// today on a yellow box, its number red when marked, else near-black. With right_align the text
// ends where " 99 " would end. The horizontal advance (the text's width), or 0 when drawing failed.
int DrawDayNumber(RgbImage& screen, const LogFont& font, int day, bool marked, bool today, int x, int top,
                  bool right_align);
