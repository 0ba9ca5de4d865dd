// The pictures of the two date icons: the day of the month on the calendar sheet of the large
// 32 x 32 icon, and on a coloured square of the small tray icon. Drawing happens in pixel buffers, so
// the pictures are the same on every platform; date_icon_win turns them into icons.
#pragma once

#include <string_view>

#include "imaging/font.h"
#include "imaging/image.h"

// The digits are red on Saturdays and Sundays, black on the other days.
inline constexpr Colorref kWeekendDigitColour = MakeColorref(255, 0, 0);
inline constexpr Colorref kWorkdayDigitColour = MakeColorref(0, 0, 0);
Colorref DateDigitColour(int weekday);

// The tray icon's background.
inline constexpr Colorref kSmallDateIconBackground = MakeColorref(255, 255, 0);

// Where the large icon's day goes on its background picture (ICON_KAL): (6, 7) to (26, 27).
inline constexpr Rect kLargeDateIconDigits{6, 7, 26, 27};
inline constexpr int kLargeDateIconFontHeight = -24;
inline constexpr int kSmallDateIconFontHeight = -16;

// The date font: "Verdana", weight 600, antialiased, at the given height.
LogFont DateIconFont(int height);

// The date font fitted to a width x height rectangle: starting at start_height (negative, a
// character height), the height is raised towards zero while the text measures wider or higher
// than the rectangle; the font returned is then one step smaller than the first one that fits. The
// height never passes -1, the smallest character height.
LogFont FitDateFont(std::string_view text, int start_height, int width, int height);

// Draws the day, fitted from -24 and centred in (6, 7)-(26, 27), onto the large icon's background.
// False when the text cannot be drawn.
bool DrawLargeDateIcon(RgbImage& background, int day, Colorref colour);

// A width x height picture filled with the background colour and the day, fitted from -16, centred
// on it. Empty when the text cannot be drawn.
RgbImage DrawSmallDateIcon(int day, int width, int height, Colorref background, Colorref colour);
