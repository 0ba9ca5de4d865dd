// The window position rule: an unset or partly hidden position becomes the default corner.
#include "settings/window_position.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

TEST(WindowPositionTest, UnsetOrOutsidePositionsBecomeTheDefaultCorner) {
  // A 1280 x 1004 work area (a 20-pixel taskbar below), a 252 x 363 client area, a 25-pixel frame.
  const MainWindowMetrics metrics{{0, 0, 1280, 1004}, 252, 363, 25};
  const int default_x = 1280 - 252 - 50;
  const int default_y = 1004 - 363 - 25;
  struct Case {
    int x, y;
    int expected_x, expected_y;
  };
  const Case cases[] = {
      {0, 0, default_x, default_y},        // first start: nothing stored
      {-20, 0, default_x, default_y},      // both below 1
      {0, 500, 0, 500},                    // only one below 1, inside: kept
      {500, -5, default_x, default_y},     // above the work area
      {-1500, 200, default_x, default_y},  // on a monitor to the left that is gone
      {100, 200, 100, 200},                // inside: kept
      {1028, 641, 1028, 641},              // touching the right and bottom edges: kept
      {1029, 200, default_x, default_y},   // one pixel past the right edge
      {100, 642, default_x, default_y},    // one pixel past the bottom edge
      {2500, 1800, default_x, default_y},  // after a change to a smaller screen
      {INT_MAX - 10, 100, default_x, default_y},  // numbers from a damaged registry
      {100, INT_MAX, default_x, default_y},
      {INT_MIN, 100, default_x, default_y},
  };
  for (const Case& c : cases) {
    int x = c.x, y = c.y;
    CorrectWindowPosition(x, y, metrics);
    EXPECT_EQ(x, c.expected_x) << c.x << ", " << c.y;
    EXPECT_EQ(y, c.expected_y) << c.x << ", " << c.y;
  }
}

TEST(WindowPositionTest, TheWorkAreaNeedNotStartAtTheScreenOrigin) {
  // A taskbar on the left: the work area starts at x = 60.
  const MainWindowMetrics metrics{{60, 0, 1280, 1024}, 200, 300, 20};
  for (int stored_x : {0, 30}) {
    int x = stored_x, y = 500;
    CorrectWindowPosition(x, y, metrics);
    EXPECT_EQ(x, 1280 - 200 - 50) << stored_x;
    EXPECT_EQ(y, 1024 - 300 - 20) << stored_x;
  }
  int x = 60, y = 0;
  CorrectWindowPosition(x, y, metrics);
  EXPECT_EQ(x, 60);
  EXPECT_EQ(y, 0);
}

TEST(WindowPositionTest, ARectangleOffEveryMonitorMovesIntoTheNearestWorkArea) {
  const Rect work{0, 0, 1280, 1004};
  struct Case {
    Rect window, expected;
  };
  const Case cases[] = {
      {{100, 100, 550, 400}, {100, 100, 550, 400}},          // inside: kept
      {{-1800, 50, -1350, 350}, {0, 50, 450, 350}},          // on a removed monitor to the left
      {{2000, 1500, 2450, 1800}, {830, 704, 1280, 1004}},    // after a lower resolution
      {{10, 10, 3000, 2000}, {0, 0, 1280, 1004}},            // larger than the work area
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 1280, 1004}},  // damaged numbers
  };
  for (const Case& c : cases) {
    const Rect moved = MoveIntoWorkArea(c.window, work);
    EXPECT_EQ((std::vector<int>{moved.left, moved.top, moved.right, moved.bottom}),
              (std::vector<int>{c.expected.left, c.expected.top, c.expected.right, c.expected.bottom}))
        << c.window.left << "," << c.window.top;
  }
}

}  // namespace
