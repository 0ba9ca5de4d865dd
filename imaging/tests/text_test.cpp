// Measuring and drawing text: the same numbers and the same pictures, within a pixel or two, from
// GDI on Windows and from FreeType with fontconfig on Linux, for the fonts the program uses.
#include "imaging/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "imaging/tests/test_pictures.h"

namespace {

LogFont Font(const char* face, int height, int weight = 600, bool italic = false) {
  LogFont font;
  font.height = height;
  font.weight = weight;
  font.italic = italic ? 1 : 0;
  font.quality = 4;  // antialiased
  std::strncpy(font.face_name, face, sizeof font.face_name - 1);
  return font;
}

void ExpectNear(int measured, int expected) {
  const int tolerance = std::max(2, expected * 3 / 100);
  EXPECT_LE(std::abs(measured - expected), tolerance) << "measured " << measured << ", expected " << expected;
}

// The smallest rectangle holding every pixel that differs between the two pictures; empty when
// none does.
Rect ChangedPixels(const RgbImage& before, const RgbImage& after) {
  Rect box{after.width, after.height, 0, 0};
  for (int y = 0; y < after.height; ++y) {
    for (int x = 0; x < after.width; ++x) {
      if (std::memcmp(before.row(y) + x * 3, after.row(y) + x * 3, 3) == 0) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    }
  }
  return box.empty() ? Rect{} : box;
}

RgbImage Drawn(const RgbImage& background, const char* text, const LogFont& font, const Rect& rect,
               Colorref colour, TextPlacement placement) {
  RgbImage picture = background;
  EXPECT_TRUE(DrawTextLine(picture, text, font, rect, colour, placement));
  return picture;
}

}  // namespace

TEST(MeasureTextLine, ArialGivesTheSameExtentsOnEveryPlatform) {
  struct Case {
    int height;
    int line_height, day_width, seven_spaces_width, title_width;
  } cases[] = {
      {-64, 72, 108, 126, 469},
      {-24, 27, 40, 49, 172},
      {-16, 17, 26, 28, 117},
      {12, 12, 18, 21, 80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height);
    const LogFont font = Font("Arial", c.height);
    const TextExtent day = MeasureTextLine(" 15 ", font);
    ExpectNear(day.width, c.day_width);
    ExpectNear(day.height, c.line_height);
    ExpectNear(MeasureTextLine("       ", font).width, c.seven_spaces_width);
    const TextExtent title = MeasureTextLine("Dezember 2026", font);
    ExpectNear(title.width, c.title_width);
    EXPECT_EQ(title.height, day.height);
  }
}

TEST(MeasureTextLine, EmptyTextHasNoWidthButALine) {
  const TextExtent empty = MeasureTextLine("", Font("Arial", -24));
  EXPECT_EQ(empty.width, 0);
  EXPECT_EQ(empty.height, MeasureTextLine("x", Font("Arial", -24)).height);
}

TEST(MeasureTextLine, BoldIsWiderAndSmallerFontsAreNarrower) {
  const int bold = MeasureTextLine("Dezember 2026", Font("Arial", -24, 700)).width;
  const int normal = MeasureTextLine("Dezember 2026", Font("Arial", -24, 400)).width;
  EXPECT_GT(bold, normal);
  EXPECT_LT(MeasureTextLine("Dezember 2026", Font("Arial", -23)).width, MeasureTextLine("Dezember 2026", Font("Arial", -24)).width);
  // The date icon's font and the note font resolve too.
  EXPECT_GT(MeasureTextLine("31", Font("Verdana", -16)).width, 0);
  EXPECT_GT(MeasureTextLine("31", Font("Courier New", -16)).width, 0);
}

TEST(DrawTextLine, TouchesOnlyPixelsInsideTheRectangle) {
  const RgbImage background = GreyPicture(200, 80, 90);
  const Rect rect{20, 10, 120, 40};  // narrower and lower than the text
  const RgbImage picture = Drawn(background, "Dezember 2026", Font("Arial", -24), rect, 0xFFFFFF, TextPlacement::kTopLeft);
  const Rect changed = ChangedPixels(background, picture);
  ASSERT_FALSE(changed.empty());
  EXPECT_GE(changed.left, rect.left);
  EXPECT_GE(changed.top, rect.top);
  EXPECT_LE(changed.right, rect.right);
  EXPECT_LE(changed.bottom, rect.bottom);
  EXPECT_GE(changed.right, rect.right - 3);  // the text runs on to the clipped edge
}

TEST(DrawTextLine, TopLeftPlacesTheCellAtTheCorner) {
  const RgbImage background = GreyPicture(300, 120, 0);
  const LogFont font = Font("Arial", -64);
  const RgbImage picture = Drawn(background, "HH", font, {40, 20, 300, 120}, 0xFFFFFF, TextPlacement::kTopLeft);
  const Rect ink = ChangedPixels(background, picture);
  // The capitals stand on the baseline (ascent 58 below the top) and rise about 46 pixels.
  EXPECT_NEAR(ink.bottom, 20 + 58, 2);
  EXPECT_NEAR(ink.top, 20 + 58 - 46, 3);
  EXPECT_NEAR(ink.left, 40 + 5, 3);
}

TEST(DrawTextLine, CentredTextIsCentredBothWays) {
  const RgbImage background = GreyPicture(400, 200, 0);
  const LogFont font = Font("Arial", -64);
  const Rect small{0, 0, 200, 100};
  const Rect large{0, 0, 260, 140};
  const Rect ink_small = ChangedPixels(background, Drawn(background, "HH", font, small, 0xFFFFFF, TextPlacement::kCentred));
  const Rect ink_large = ChangedPixels(background, Drawn(background, "HH", font, large, 0xFFFFFF, TextPlacement::kCentred));
  ASSERT_FALSE(ink_small.empty());
  // Moving the rectangle's centre by (30, 20) moves the text by the same.
  EXPECT_EQ(ink_large.left - ink_small.left, 30);
  EXPECT_EQ(ink_large.top - ink_small.top, 20);
  EXPECT_EQ(ink_large.width(), ink_small.width());
  // "HH" is symmetric: its ink sits in the middle horizontally; vertically the cell is centred,
  // and the capitals sit a little above the cell's middle.
  EXPECT_NEAR(ink_small.left + ink_small.width() / 2.0, 100, 2);
  EXPECT_NEAR(ink_small.top + ink_small.height() / 2.0, 50 - 1, 3);
}

TEST(DrawTextLine, BlendsTheColourAntialiased) {
  const Colorref ink = MakeColorref(200, 30, 90);
  const int background[3] = {20, 220, 40};
  const RgbImage plain = PictureOf(300, 100, [&](int, int, int c) { return background[c]; });
  const RgbImage picture = Drawn(plain, "Dezember", Font("Arial", -64), {0, 0, 300, 100}, ink, TextPlacement::kTopLeft);
  const int colour[3] = {200, 30, 90};
  int solid = 0;
  int partial = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      bool is_solid = true;
      bool is_background = true;
      for (int c = 0; c < 3; ++c) {
        const int value = Channel(picture, x, y, c);
        ASSERT_GE(value, std::min(background[c], colour[c]));
        ASSERT_LE(value, std::max(background[c], colour[c]));
        is_solid = is_solid && value == colour[c];
        is_background = is_background && value == background[c];
      }
      solid += is_solid;
      partial += !is_solid && !is_background;
    }
  }
  EXPECT_GT(solid, 500);   // inside the strokes: exactly the colour asked for
  EXPECT_GT(partial, 100);  // along the edges: blended
}

TEST(DrawTextLine, ItalicDiffersFromUpright) {
  const RgbImage background = GreyPicture(200, 40, 255);
  const Rect rect{0, 0, 200, 40};
  const RgbImage upright = Drawn(background, "Dezember", Font("Arial", -24), rect, 0, TextPlacement::kTopLeft);
  const RgbImage italic = Drawn(background, "Dezember", Font("Arial", -24, 600, true), rect, 0, TextPlacement::kTopLeft);
  EXPECT_NE(upright.pixels, italic.pixels);
}

TEST(DrawTextLine, RectanglesPartlyOrWhollyOutsideThePicture) {
  const RgbImage background = GreyPicture(50, 30, 0);
  const RgbImage corner = Drawn(background, "Dezember", Font("Arial", -24), {-40, -10, 30, 20}, 0xFFFFFF, TextPlacement::kCentred);
  const Rect changed = ChangedPixels(background, corner);
  EXPECT_FALSE(changed.empty());
  EXPECT_LE(changed.right, 30);
  EXPECT_LE(changed.bottom, 20);
  EXPECT_EQ(Drawn(background, "15", Font("Arial", -24), {60, 0, 90, 30}, 0xFFFFFF, TextPlacement::kTopLeft).pixels,
            background.pixels);
  EXPECT_EQ(Drawn(background, "", Font("Arial", -24), {0, 0, 50, 30}, 0xFFFFFF, TextPlacement::kTopLeft).pixels,
            background.pixels);
}

TEST(DrawTextLine, RefusesABrokenPicture) {
  RgbImage broken = GreyPicture(10, 10, 0);
  broken.pixels.resize(20);
  EXPECT_FALSE(DrawTextLine(broken, "1", Font("Arial", -8), {0, 0, 10, 10}, 0, TextPlacement::kTopLeft));
}
