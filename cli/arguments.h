// Reading the command line of quellmoor-cli strictly: dates, months, integers and --option value
// pairs. Anything that does not fit exactly is refused, never guessed at.
#pragma once

#include <climits>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

// The years the tool accepts: from the first whole year of the Gregorian calendar on.
constexpr int kEarliestYear = 1583;
constexpr int kLatestYear = 9999;

struct CalendarDate {
  int day;
  int month;
  int year;
};

struct CalendarMonth {
  int month;
  int year;
};

// "YYYY-MM-DD", an existing date of the years kEarliestYear ... kLatestYear.
std::optional<CalendarDate> ParseDate(std::string_view text);

// "YYYY-MM" of the years kEarliestYear ... kLatestYear.
std::optional<CalendarMonth> ParseYearMonth(std::string_view text);

// A decimal integer in minimum ... maximum: an optional minus sign and digits, nothing else.
std::optional<int> ParseInteger(std::string_view text, int minimum = INT_MIN, int maximum = INT_MAX);

// A command's arguments, split into the positional ones and the values of its --name value options.
struct CommandArguments {
  std::string_view command;
  std::vector<std::string_view> positional;
  std::vector<std::pair<std::string_view, std::string_view>> options;

  // The value given for the option name, if it was given.
  std::optional<std::string_view> Option(std::string_view name) const;
};

// Splits arguments of command. option_names are the options it knows (each followed by its value);
// positional_names describe the positional arguments it needs, all of them, in order. A missing or
// unexpected argument, an unknown or repeated option or one without its value is reported on err,
// and nothing is returned.
std::optional<CommandArguments> SplitArguments(std::string_view command,
                                               std::span<const std::string_view> arguments,
                                               std::span<const std::string_view> option_names,
                                               std::span<const std::string_view> positional_names,
                                               std::ostream& err);

// The arguments without the flags (options that take no value), and the flags given.
struct SeparatedFlags {
  std::vector<std::string_view> rest;
  std::vector<std::string_view> flags;

  bool Has(std::string_view flag) const;
};

// Takes the flags of command out of arguments; a value that follows one of value_options stays with
// it even when it looks like a flag. A flag given twice is reported on err, and nothing is returned.
std::optional<SeparatedFlags> SeparateFlags(std::string_view command, std::span<const std::string_view> arguments,
                                            std::span<const std::string_view> flag_names,
                                            std::span<const std::string_view> value_options, std::ostream& err);

// The value of an integer option, default_value when it is not given, or nothing after a message on
// err when its value is not an integer (of 32 bits).
std::optional<int> IntegerOption(const CommandArguments& arguments, std::string_view name, int default_value,
                                 std::ostream& err);

// An integer option within minimum ... maximum, default_value when it is not given, or nothing after
// a message on err that names the option and the range.
std::optional<int> RangedOption(const CommandArguments& arguments, std::string_view name, int default_value,
                                int minimum, int maximum, std::ostream& err);

// The arguments of a calendar command: one positional argument and the option --region N.
struct RegionCommandArguments {
  std::string_view positional;
  int region;  // 0 (no region) when not given
};

// Splits the arguments of such a command, named positional_name in messages; nothing after a message
// on err when they do not fit.
std::optional<RegionCommandArguments> SplitRegionCommandArguments(std::string_view command,
                                                                  std::string_view positional_name,
                                                                  std::span<const std::string_view> arguments,
                                                                  std::ostream& err);

// Starts a message about a bad argument on err with "quellmoor-cli <command>: "; the caller writes
// the rest of the line.
std::ostream& BadArgumentMessage(std::ostream& err, std::string_view command);

// Writes "quellmoor-cli <command>: <message>" to err and returns kExitBadArguments.
int ReportBadArgument(std::ostream& err, std::string_view command, std::string_view message);
