// Rectangles, brightness/contrast, gamma, sharpening and softening.
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "imaging/pixel_ops.h"
#include "imaging/tests/test_pictures.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Every pixel numbered: red = x, green = y, blue = 7.
RgbImage NumberedPicture(int width, int height) {
  return PictureOf(width, height, [](int x, int y, int c) { return c == 0 ? x : c == 1 ? y : 7; });
}

// Columns left of edge_x are dark, the rest bright; every row alike.
RgbImage EdgePicture(int width, int height, int edge_x, int dark, int bright) {
  return PictureOf(width, height, [=](int x, int, int) { return x < edge_x ? dark : bright; });
}

}  // namespace

TEST(CopyRectangle, CutsOutTheRectangleClippedToThePicture) {
  const RgbImage source = NumberedPicture(10, 8);
  struct Case {
    Rect rect;
    Rect expected;  // in picture coordinates; empty when nothing is inside
  } cases[] = {
      {{2, 3, 5, 7}, {2, 3, 5, 7}},     {{-4, -2, 3, 2}, {0, 0, 3, 2}},  {{8, 6, 30, 20}, {8, 6, 10, 8}},
      {{-5, -5, 50, 50}, {0, 0, 10, 8}}, {{10, 0, 12, 8}, {}},           {{3, 3, 3, 6}, {}},
      {{5, 5, 2, 2}, {}},               {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 10, 8}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rect.left << "," << c.rect.top << "," << c.rect.right << "," << c.rect.bottom);
    const RgbImage copy = CopyRectangle(source, c.rect);
    if (c.expected.empty()) {
      EXPECT_TRUE(copy.empty());
      continue;
    }
    ASSERT_EQ(copy.width, c.expected.width());
    ASSERT_EQ(copy.height, c.expected.height());
    EXPECT_EQ(Channel(copy, 0, 0, 0), c.expected.left);
    EXPECT_EQ(Channel(copy, 0, 0, 1), c.expected.top);
    EXPECT_EQ(Channel(copy, copy.width - 1, copy.height - 1, 0), c.expected.right - 1);
    EXPECT_EQ(Channel(copy, copy.width - 1, copy.height - 1, 1), c.expected.bottom - 1);
  }
}

TEST(FillRectangle, FillsOnlyTheClippedRectangleInTheColourGiven) {
  RgbImage image = GreyPicture(6, 5, 0);
  FillRectangle(image, {4, -3, 99, 2}, MakeColorref(255, 128, 1));
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 6; ++x) {
      const bool inside = x >= 4 && y < 2;
      EXPECT_EQ(Channel(image, x, y, 0), inside ? 255 : 0);
      EXPECT_EQ(Channel(image, x, y, 1), inside ? 128 : 0);
      EXPECT_EQ(Channel(image, x, y, 2), inside ? 1 : 0);
    }
  }
  const RgbImage before = image;
  FillRectangle(image, {-10, -10, 0, 5}, 0xFFFFFF);
  FillRectangle(image, {3, 3, 1, 4}, 0xFFFFFF);
  EXPECT_EQ(image.pixels, before.pixels);
}

TEST(Paste, CopiesTheOverlappingPartAtAnyPosition) {
  const RgbImage stamp = NumberedPicture(4, 3);
  struct Case {
    int left, top;
  } cases[] = {{1, 1}, {-2, -1}, {5, 3}, {-3, 4}, {0, 0}, {6, 0}, {0, -3}, {INT_MAX, 0}, {INT_MIN, INT_MIN}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.left << "," << c.top);
    RgbImage canvas = GreyPicture(6, 5, 200);
    Paste(canvas, stamp, c.left, c.top);
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 6; ++x) {
        const long long sx = static_cast<long long>(x) - c.left;
        const long long sy = static_cast<long long>(y) - c.top;
        const bool covered = sx >= 0 && sx < 4 && sy >= 0 && sy < 3;
        ASSERT_EQ(Channel(canvas, x, y, 0), covered ? sx : 200);
        ASSERT_EQ(Channel(canvas, x, y, 1), covered ? sy : 200);
      }
    }
  }
}

TEST(AdjustBrightnessContrast, EndpointsAndNeutralValues) {
  struct Case {
    double brightness, contrast;
    int in, out;
  } cases[] = {
      {0, 0, 0, 0},       {0, 0, 77, 77},       {0, 0, 255, 255},   {-1, 0, 255, 0},      {-7, 0, 200, 0},
      {0.5, 0, 100, 150}, {0.5, 0, 200, 255},   {-0.5, 0, 101, 51}, {0, 0.99, 127, 28},   {0, 0.99, 128, 227},
      {0, 5, 120, 0},     {0, -0.99, 0, 127},   {0, -0.99, 255, 128}, {0, -3, 255, 128},   {0, 0.5, 100, 45},
      {0, -0.5, 30, 95},  {1, -0.5, 200, 170}, {kNaN, 0, 90, 90},    {0, kNaN, 90, 90},  {1e300, 0, 1, 255},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.brightness << " " << c.contrast << " " << c.in);
    RgbImage image = GreyPicture(2, 1, c.in);
    AdjustBrightnessContrast(image, c.brightness, c.contrast);
    EXPECT_EQ(Channel(image, 1, 0, 2), c.out);
  }
}

TEST(ApplyGamma, CurveEndpointsAndLimits) {
  struct Case {
    double gamma;
    int in, out;
  } cases[] = {
      {1.0, 0, 0},      {1.0, 1, 1},      {1.0, 128, 128},  {1.0, 254, 254}, {2.0, 64, 128},  {0.5, 128, 64},
      {4.0, 0, 0},      {4.0, 255, 255},  {-0.0001, 254, 0}, {0.0, 1, 0},    {-5, 255, 255}, {kNaN, 40, 40},
      {std::numeric_limits<double>::infinity(), 3, 255},     {1e-300, 254, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.gamma << " " << c.in);
    RgbImage image = GreyPicture(1, 1, c.in);
    ApplyGamma(image, c.gamma);
    EXPECT_EQ(Channel(image, 0, 0, 1), c.out);
  }
  // Gamma 1.0 leaves every byte value.
  RgbImage all = PictureOf(256, 1, [](int x, int, int) { return x; });
  const RgbImage before = all;
  ApplyGamma(all, 1.0);
  EXPECT_EQ(all.pixels, before.pixels);
}

TEST(Sharpen, RaisesContrastAtAnEdgeAndLeavesFlatAreasFlat) {
  const RgbImage edge = EdgePicture(40, 20, 20, 60, 180);
  struct Preset {
    int strength;
    double factor;
  } presets[] = {{150, 0.4}, {50, 1.0}, {200, 0.2}};
  std::vector<RgbImage> results;
  for (const Preset& p : presets) {
    SCOPED_TRACE(p.strength);
    RgbImage sharp;
    ASSERT_TRUE(Sharpen(edge, sharp, p.strength, p.factor, 2.0, 7));
    ASSERT_EQ(sharp.width, 40);
    ASSERT_EQ(sharp.height, 20);
    EXPECT_LT(Channel(sharp, 19, 10), 60);   // darker beside the edge
    EXPECT_GT(Channel(sharp, 20, 10), 180);  // brighter beside the edge
    EXPECT_EQ(Channel(sharp, 5, 10), 60);    // far from the edge nothing changes
    EXPECT_EQ(Channel(sharp, 35, 0), 180);
    results.push_back(sharp);
  }
  // The three wallpaper presets differ visibly from each other.
  EXPECT_NE(results[0].pixels, results[1].pixels);
  EXPECT_NE(results[1].pixels, results[2].pixels);
  EXPECT_NE(results[0].pixels, results[2].pixels);
  // The wide, gentle preset reaches further from the edge than the fine one.
  EXPECT_NE(Channel(results[1], 17, 10), 60);
  EXPECT_EQ(Channel(results[2], 17, 10), 60);
}

TEST(Sharpen, DifferencesBelowTheThresholdStay) {
  const RgbImage faint = EdgePicture(12, 6, 6, 100, 104);
  RgbImage out;
  ASSERT_TRUE(Sharpen(faint, out, 200, 0.4, 2.0, 7));
  EXPECT_EQ(out.pixels, faint.pixels);
  ASSERT_TRUE(Sharpen(faint, out, 200, 0.4, 0.0, 7));
  EXPECT_NE(out.pixels, faint.pixels);
}

TEST(Sharpen, MayWriteOverItsSource) {
  RgbImage picture = EdgePicture(10, 10, 5, 60, 180);
  ASSERT_TRUE(Sharpen(picture, picture, 150, 0.4, 2.0, 7));
  EXPECT_LT(Channel(picture, 4, 4), 60);
}

TEST(Sharpen, RefusesBadParametersAndLeavesTheDestination) {
  const RgbImage edge = EdgePicture(8, 8, 4, 60, 180);
  struct Case {
    int strength;
    double factor, threshold;
    int option;
  } cases[] = {{-1, 0.4, 2, 7},  {1001, 0.4, 2, 7}, {150, 0, 2, 7},   {150, -1, 2, 7},   {150, kNaN, 2, 7},
               {150, 101, 2, 7}, {150, 0.4, -1, 7}, {150, 0.4, kNaN, 7}, {150, 0.4, 300, 7}, {150, 0.4, 2, 6},
               {150, 0.4, 2, 1}, {150, 0.4, 2, 17}, {150, 0.4, 2, -7}};
  for (const Case& c : cases) {
    RgbImage destination = GreyPicture(2, 2, 33);
    EXPECT_FALSE(Sharpen(edge, destination, c.strength, c.factor, c.threshold, c.option));
    EXPECT_EQ(destination.width, 2);
    EXPECT_EQ(destination.pixels, GreyPicture(2, 2, 33).pixels);
  }
  RgbImage destination = GreyPicture(2, 2, 33);
  EXPECT_FALSE(Sharpen(RgbImage{}, destination, 150, 0.4, 2.0, 7));
  EXPECT_EQ(destination.width, 2);
}

TEST(Soften, LowersContrastAtAnEdgeByStrength) {
  const RgbImage edge = EdgePicture(30, 12, 15, 60, 180);
  int previous_step = 120;
  for (int strength : {20, 60, 100}) {
    SCOPED_TRACE(strength);
    RgbImage soft;
    ASSERT_TRUE(Soften(edge, soft, strength, 7));
    const int step = Channel(soft, 15, 6) - Channel(soft, 14, 6);
    EXPECT_GT(step, 0);
    EXPECT_LT(step, previous_step);
    previous_step = step;
    EXPECT_EQ(Channel(soft, 3, 6), 60);
    EXPECT_EQ(Channel(soft, 27, 6), 180);
  }
  RgbImage unchanged;
  ASSERT_TRUE(Soften(edge, unchanged, 0, 7));
  EXPECT_EQ(unchanged.pixels, edge.pixels);
}

TEST(Soften, RefusesBadParameters) {
  const RgbImage edge = EdgePicture(8, 8, 4, 60, 180);
  RgbImage destination = GreyPicture(1, 1, 5);
  for (const auto& [strength, option] : {std::pair{-1, 7}, {101, 7}, {20, 4}, {20, 19}, {20, 0}}) {
    EXPECT_FALSE(Soften(edge, destination, strength, option));
    EXPECT_EQ(destination.width, 1);
  }
  EXPECT_FALSE(Soften(RgbImage{}, destination, 20, 7));
  EXPECT_EQ(destination.width, 1);
}
