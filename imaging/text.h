// Text into pixel buffers: measuring and drawing one line of antialiased text in a font given as a
// logical font record. Windows draws through GDI, Linux through FreeType with fontconfig choosing
// the face ("Arial" resolves to a metric-compatible free font), so both give the same rectangles
// within a pixel or two. Only the main thread measures and draws text.
#pragma once

#include <string_view>

#include "imaging/font.h"
#include "imaging/image.h"

struct TextExtent {
  int width = 0;
  int height = 0;
};

// Width of one line of text (code page 1252) in the font and the font's line height, as a single-line
// measurement of GDI gives them: the width is the sum of the characters' advances without kerning,
// the height the font's cell (ascent + descent). Empty text has width 0 and the line height. {0, 0}
// when the font cannot be had.
// Font heights follow the logical font: negative = character height, positive = cell height,
// 0 = the default size. On Linux the face name, height, weight and italic flag choose the font
// (synthetic bold and slant where the face has no such cut, characters above 2048 pixels drawn at
// that size); width, escapement, orientation, underline and strike-out are left to Windows, and the
// program's stored fonts never set them.
TextExtent MeasureTextLine(std::string_view text, const LogFont& font);

enum class TextPlacement {
  kTopLeft,  // the line's cell starts at the rectangle's top-left corner
  kCentred,  // the measured extent centred horizontally and vertically in the rectangle
};

// Draws one line of text antialiased in colour into image, clipped to rect and to the picture; the
// colour is blended into the picture by the glyphs' coverage, so the inside of strokes has exactly
// the colour. Drawing outside the picture, or empty text, succeeds and changes nothing.
// False when the picture is empty or broken, the font cannot be had or the text could not be drawn.
bool DrawTextLine(RgbImage& image, std::string_view text, const LogFont& font, const Rect& rect,
                  Colorref colour, TextPlacement placement);
