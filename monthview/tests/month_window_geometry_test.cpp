// The month calendar's geometry: which stored rectangles are restored, and the smallest window that
// still holds the calendar control.
#include "monthview/month_window_geometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace {

constexpr int kLargest = std::numeric_limits<int>::max();

void ExpectRect(const Rect& actual, const Rect& expected, const char* what) {
  EXPECT_EQ(actual.left, expected.left) << what;
  EXPECT_EQ(actual.top, expected.top) << what;
  EXPECT_EQ(actual.right, expected.right) << what;
  EXPECT_EQ(actual.bottom, expected.bottom) << what;
}

struct StoredCase {
  const char* what;
  int x, y, width, height;
  std::optional<Rect> expected;
};

const StoredCase kStoredCases[] = {
    {"the defaults", 10, 10, 550, 630, Rect{10, 10, 560, 640}},
    {"left edge at 0: the template's place", 0, 200, 550, 630, std::nullopt},
    {"top edge at 0", 200, 0, 550, 630, std::nullopt},
    {"a position left of the primary monitor", -900, 200, 550, 630, std::nullopt},
    {"130 pixels wide is too narrow", 10, 10, 130, 630, std::nullopt},
    {"131 pixels high is enough", 10, 10, 550, 131, Rect{10, 10, 560, 141}},
    {"sides beyond the screen's numbers end at the largest coordinate", 100, 100, kLargest, kLargest,
     Rect{100, 100, kLargest, kLargest}},
};

TEST(MonthWindowGeometryTest, OnlyAPositivePositionWithSidesAbove130IsRestored) {
  for (const StoredCase& test : kStoredCases) {
    Settings settings;
    settings.xMonatPos = test.x;
    settings.yMonatPos = test.y;
    settings.wMonatPos = test.width;
    settings.hMonatPos = test.height;
    const std::optional<Rect> stored = StoredMonthWindowRect(settings);
    ASSERT_EQ(stored.has_value(), test.expected.has_value()) << test.what;
    if (stored) ExpectRect(*stored, *test.expected, test.what);
  }
}

struct RaiseCase {
  const char* what;
  Rect window;
  Rect expected;
};

// A control that needs 300 x 250 pixels in a frame of 8 x 30 pixels.
constexpr WindowSize kControlMinimum{300, 250};
constexpr WindowSize kFrame{8, 30};

const RaiseCase kRaiseCases[] = {
    {"large enough: kept", Rect{50, 60, 450, 400}, Rect{50, 60, 450, 400}},
    {"exactly the minimum: kept", Rect{50, 60, 358, 340}, Rect{50, 60, 358, 340}},
    {"too narrow by one pixel", Rect{50, 60, 357, 500}, Rect{50, 60, 358, 500}},
    {"too low: raised below its top edge", Rect{-500, 60, 0, 100}, Rect{-500, 60, 0, 340}},
    {"shrunk to nothing", Rect{50, 60, 50, 60}, Rect{50, 60, 358, 340}},
    {"near the largest coordinate", Rect{kLargest - 10, 0, kLargest, 10}, Rect{kLargest - 10, 0, kLargest, 280}},
};

TEST(MonthWindowGeometryTest, ASizeBelowTheControlsMinimumIsRaisedAtTheSameCorner) {
  for (const RaiseCase& test : kRaiseCases) {
    ExpectRect(RaiseToMinimum(test.window, kControlMinimum, kFrame), test.expected, test.what);
  }
}

TEST(MonthWindowGeometryTest, TheWindowRectangleIsStoredAsPositionAndSize) {
  Settings settings;
  SetMonthWindowGeometry(settings, Rect{120, 80, 520, 560});
  EXPECT_EQ(settings.xMonatPos, 120);
  EXPECT_EQ(settings.yMonatPos, 80);
  EXPECT_EQ(settings.wMonatPos, 400);
  EXPECT_EQ(settings.hMonatPos, 480);
  const std::optional<Rect> stored = StoredMonthWindowRect(settings);
  ASSERT_TRUE(stored);
  ExpectRect(*stored, Rect{120, 80, 520, 560}, "stored and read back");
}

}  // namespace
