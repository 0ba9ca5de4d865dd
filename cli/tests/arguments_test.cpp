// Strict reading of the command line: dates, months, integers and options.
#include "cli/arguments.h"

#include <sstream>

#include <gtest/gtest.h>

namespace {

TEST(ArgumentsTest, ParseDateAcceptsExistingGregorianDates) {
  struct Case {
    const char* text;
    int day;
    int month;
    int year;
  };
  const Case cases[] = {
      {"2026-12-08", 8, 12, 2026}, {"1583-01-01", 1, 1, 1583}, {"9999-12-31", 31, 12, 9999},
      {"2000-02-29", 29, 2, 2000}, {"2026-04-30", 30, 4, 2026},
  };
  for (const Case& c : cases) {
    std::optional<CalendarDate> date = ParseDate(c.text);
    ASSERT_TRUE(date.has_value()) << c.text;
    EXPECT_EQ(date->day, c.day) << c.text;
    EXPECT_EQ(date->month, c.month) << c.text;
    EXPECT_EQ(date->year, c.year) << c.text;
  }
}

TEST(ArgumentsTest, ParseDateRefusesEverythingElse) {
  const char* cases[] = {
      "2026-02-30", "2026-13-01", "2026-00-10", "2026-01-00", "2026-04-31", "1900-02-29", "1582-12-31",
      "0000-01-01", "10000-01-01", "2026-1-5",  "2026-01-5",  "26-01-05",   "2026/01/05", "2026-01-05 ",
      " 2026-01-05", "+026-01-05", "2026-+1-05", "2026-01--5", "text",       "",
  };
  for (const char* text : cases) EXPECT_FALSE(ParseDate(text).has_value()) << text;
}

TEST(ArgumentsTest, ParseYearMonth) {
  std::optional<CalendarMonth> month = ParseYearMonth("2007-07");
  ASSERT_TRUE(month.has_value());
  EXPECT_EQ(month->month, 7);
  EXPECT_EQ(month->year, 2007);
  EXPECT_TRUE(ParseYearMonth("1583-01").has_value());
  EXPECT_TRUE(ParseYearMonth("9999-12").has_value());
  for (const char* text : {"2007-7", "2007-13", "2007-00", "1582-12", "2007-07-01", "2007_07", "", "July"}) {
    EXPECT_FALSE(ParseYearMonth(text).has_value()) << text;
  }
}

TEST(ArgumentsTest, ParseIntegerChecksFormAndRange) {
  EXPECT_EQ(ParseInteger("0"), 0);
  EXPECT_EQ(ParseInteger("-5"), -5);
  EXPECT_EQ(ParseInteger("18"), 18);
  EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseInteger("7", 1, 7), 7);
  for (const char* text : {"2147483648", "-2147483649", "99999999999999999999", "", "-", "+1", " 1", "1 ",
                           "1.5", "0x10", "1e3", "abc"}) {
    EXPECT_FALSE(ParseInteger(text).has_value()) << text;
  }
  EXPECT_FALSE(ParseInteger("8", 1, 7).has_value());
  EXPECT_FALSE(ParseInteger("0", 1, 7).has_value());
}

class SplitArgumentsTest : public testing::Test {
 protected:
  std::optional<CommandArguments> Split(std::initializer_list<std::string_view> arguments) {
    std::vector<std::string_view> list(arguments);
    return SplitArguments("test", list, kOptions, kPositional, err_);
  }

  static constexpr std::string_view kOptions[] = {"--region", "--size"};
  static constexpr std::string_view kPositional[] = {"FIRST", "SECOND"};
  std::ostringstream err_;
};

TEST_F(SplitArgumentsTest, OptionsMayStandAnywhere) {
  std::optional<CommandArguments> split = Split({"--size", "-3", "a", "b", "--region", "--x"});
  ASSERT_TRUE(split.has_value()) << err_.str();
  EXPECT_EQ(split->positional, (std::vector<std::string_view>{"a", "b"}));
  EXPECT_EQ(split->Option("--size"), "-3");
  EXPECT_EQ(split->Option("--region"), "--x");
  EXPECT_FALSE(Split({"a", "b"})->Option("--region").has_value());
  EXPECT_EQ(err_.str(), "");
}

TEST_F(SplitArgumentsTest, ReportsWhatIsWrong) {
  struct Case {
    std::initializer_list<std::string_view> arguments;
    const char* message;
  };
  const Case cases[] = {
      {{"a"}, "quellmoor-cli test: missing argument SECOND\n"},
      {{}, "quellmoor-cli test: missing argument FIRST\n"},
      {{"a", "b", "c"}, "quellmoor-cli test: unexpected argument \"c\"\n"},
      {{"a", "b", "--region"}, "quellmoor-cli test: option --region needs a value\n"},
      {{"a", "b", "--colour", "red"}, "quellmoor-cli test: unknown option \"--colour\"\n"},
      {{"--size", "1", "a", "b", "--size", "2"}, "quellmoor-cli test: option --size is given twice\n"},
  };
  for (const Case& c : cases) {
    err_.str("");
    EXPECT_FALSE(Split(c.arguments).has_value()) << c.message;
    EXPECT_EQ(err_.str(), c.message);
  }
}

TEST_F(SplitArgumentsTest, IntegerOption) {
  std::optional<CommandArguments> split = Split({"a", "b", "--region", "12", "--size", "big"});
  ASSERT_TRUE(split.has_value());
  EXPECT_EQ(IntegerOption(*split, "--region", 0, err_), 12);
  EXPECT_EQ(err_.str(), "");
  EXPECT_FALSE(IntegerOption(*split, "--size", 0, err_).has_value());
  EXPECT_NE(err_.str().find("\"big\" of option --size"), std::string::npos) << err_.str();
  EXPECT_EQ(IntegerOption(*Split({"a", "b"}), "--region", 7, err_), 7);
}

}  // namespace
