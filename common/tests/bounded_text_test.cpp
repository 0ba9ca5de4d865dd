// Fixed-capacity texts truncate silently and always stay terminated.
#include "common/bounded_text.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(BoundedText, CopyTruncatesAndTerminates) {
  char buffer[6];
  std::memset(buffer, 'x', sizeof buffer);
  CopyText(buffer, "Dezember");
  EXPECT_STREQ(buffer, "Dezem");
  CopyText(buffer, "Mai");
  EXPECT_STREQ(buffer, "Mai");
}

TEST(BoundedText, AppendStopsAtCapacity) {
  char buffer[8] = "Tag";
  AppendText(buffer, " im Jahr");
  EXPECT_STREQ(buffer, "Tag im ");
  AppendText(buffer, "more");
  EXPECT_STREQ(buffer, "Tag im ");
}

TEST(BoundedText, FormatTruncates) {
  char buffer[10];
  FormatText(buffer, sizeof buffer, "%d. Tag im Jahr", 342);
  EXPECT_STREQ(buffer, "342. Tag ");
}

TEST(BoundedText, ZeroCapacityWritesNothing) {
  char buffer[2] = {'a', 'b'};
  CopyText(buffer, 0, "x");
  AppendText(buffer, 0, "x");
  FormatText(buffer, 0, "%s", "x");
  EXPECT_EQ(buffer[0], 'a');
  EXPECT_EQ(buffer[1], 'b');
}
