// The bold days of the month calendar: weekends always, a region's public holidays by the law of
// their year, only from the first shown day on, across a year's end and for as many months as asked.
#include "monthview/day_states.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

std::uint32_t Bold(std::initializer_list<int> days) {
  std::uint32_t mask = 0;
  for (int day : days) mask |= std::uint32_t{1} << (day - 1);
  return mask;
}

struct DayStateCase {
  const char* what;
  int day, month, year, month_count, region;
  std::vector<std::uint32_t> expected;
};

const DayStateCase kCases[] = {
    {"December 2026 without a region: only the weekends, not Christmas on a Friday", 1, 12, 2026, 1, 0,
     {Bold({5, 6, 12, 13, 19, 20, 26, 27})}},
    {"December 2026 in Bavaria: Christmas Day too", 1, 12, 2026, 1, 2, {Bold({5, 6, 12, 13, 19, 20, 25, 26, 27})}},
    {"August to November 2024 in Bavaria: 15 August, 3 October and 1 November, all weekdays", 1, 8, 2024, 4, 2,
     {Bold({3, 4, 10, 11, 15, 17, 18, 24, 25, 31}), Bold({1, 7, 8, 14, 15, 21, 22, 28, 29}),
      Bold({3, 5, 6, 12, 13, 19, 20, 26, 27}), Bold({1, 2, 3, 9, 10, 16, 17, 23, 24, 30})}},
    {"August 2024 without a region: 15 August stays plain", 1, 8, 2024, 1, 0,
     {Bold({3, 4, 10, 11, 17, 18, 24, 25, 31})}},
    {"a first month shown from the 16th: the holiday before it stays clear", 16, 8, 2024, 1, 2,
     {Bold({17, 18, 24, 25, 31})}},
    {"December into January in Bavaria: New Year's Day and Epiphany of the next year", 28, 12, 2026, 2, 2,
     {Bold({}), Bold({1, 2, 3, 6, 9, 10, 16, 17, 23, 24, 30, 31})}},
    {"no months asked", 1, 1, 2026, 0, 2, {}},
    {"a negative count", 1, 1, 2026, -3, 2, {}},
};

TEST(DayStatesTest, EachMonthGetsItsWeekendsAndTheRegionsHolidays) {
  for (const DayStateCase& test : kCases) {
    EXPECT_EQ(DayStateMasks(test.day, test.month, test.year, test.month_count, test.region), test.expected)
        << test.what;
  }
}

TEST(DayStatesTest, HolidaysFollowTheLawOfEachYearInOneRequest) {
  const std::vector<std::uint32_t> masks = DayStateMasks(1, 3, 2018, 13, 3);
  ASSERT_EQ(masks.size(), 13u);
  // Berlin's 8 March became a holiday in 2019; Good Friday fell on 30 March in 2018.
  EXPECT_EQ(masks.front(), Bold({3, 4, 10, 11, 17, 18, 24, 25, 30, 31}));
  EXPECT_EQ(masks.back(), Bold({2, 3, 8, 9, 10, 16, 17, 23, 24, 30, 31}));
}

TEST(DayStatesTest, AVeryLargeWindowGetsAMaskForEveryMonthItShows) {
  const std::vector<std::uint32_t> masks = DayStateMasks(1, 1, 2024, 40, 0);
  ASSERT_EQ(masks.size(), 40u);
  EXPECT_EQ(masks[39], Bold({3, 4, 10, 11, 17, 18, 24, 25}));  // April 2027
}

}  // namespace
