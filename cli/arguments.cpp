// Strict reading of dates, months, integers and --option value pairs from the command line.
#include "cli/arguments.h"

#include <algorithm>
#include <charconv>
#include <iomanip>

#include "calendar/date_arithmetic.h"
#include "cli/commands.h"

namespace {

// A fixed number of decimal digits at position of text, nothing else.
std::optional<int> FixedDigits(std::string_view text, std::size_t position, std::size_t count) {
  std::string_view digits = text.substr(position, count);
  if (digits.size() != count) return std::nullopt;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// "YYYY-MM" at the start of text; the caller checks what follows.
std::optional<CalendarMonth> LeadingYearMonth(std::string_view text) {
  if (text.size() < 7 || text[4] != '-') return std::nullopt;
  std::optional<int> year = FixedDigits(text, 0, 4);
  std::optional<int> month = FixedDigits(text, 5, 2);
  if (!year || !month) return std::nullopt;
  if (*year < kEarliestYear || *year > kLatestYear || *month < 1 || *month > 12) return std::nullopt;
  return CalendarMonth{*month, *year};
}

bool Contains(std::span<const std::string_view> names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::optional<CalendarDate> ParseDate(std::string_view text) {
  if (text.size() != 10 || text[7] != '-') return std::nullopt;
  std::optional<CalendarMonth> year_month = LeadingYearMonth(text);
  std::optional<int> day = FixedDigits(text, 8, 2);
  if (!year_month || !day) return std::nullopt;
  if (*day < 1 || *day > DaysInMonth(year_month->month, year_month->year)) return std::nullopt;
  return CalendarDate{*day, year_month->month, year_month->year};
}

std::optional<CalendarMonth> ParseYearMonth(std::string_view text) {
  if (text.size() != 7) return std::nullopt;
  return LeadingYearMonth(text);
}

std::optional<int> ParseInteger(std::string_view text, int minimum, int maximum) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  if (value < minimum || value > maximum) return std::nullopt;
  return value;
}

std::optional<std::string_view> CommandArguments::Option(std::string_view name) const {
  for (const auto& [option, value] : options) {
    if (option == name) return value;
  }
  return std::nullopt;
}

std::optional<CommandArguments> SplitArguments(std::string_view command,
                                               std::span<const std::string_view> arguments,
                                               std::span<const std::string_view> option_names,
                                               std::span<const std::string_view> positional_names,
                                               std::ostream& err) {
  CommandArguments result{.command = command, .positional = {}, .options = {}};
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    if (Contains(option_names, argument)) {
      if (i + 1 == arguments.size()) {
        BadArgumentMessage(err, command) << "option " << argument << " needs a value\n";
        return std::nullopt;
      }
      if (result.Option(argument)) {
        BadArgumentMessage(err, command) << "option " << argument << " is given twice\n";
        return std::nullopt;
      }
      result.options.emplace_back(argument, arguments[++i]);
    } else if (argument.starts_with("--")) {
      BadArgumentMessage(err, command) << "unknown option " << std::quoted(argument) << "\n";
      return std::nullopt;
    } else if (result.positional.size() == positional_names.size()) {
      BadArgumentMessage(err, command) << "unexpected argument " << std::quoted(argument) << "\n";
      return std::nullopt;
    } else {
      result.positional.push_back(argument);
    }
  }
  if (result.positional.size() < positional_names.size()) {
    BadArgumentMessage(err, command) << "missing argument " << positional_names[result.positional.size()]
                                     << "\n";
    return std::nullopt;
  }
  return result;
}

bool SeparatedFlags::Has(std::string_view flag) const { return Contains(flags, flag); }

std::optional<SeparatedFlags> SeparateFlags(std::string_view command, std::span<const std::string_view> arguments,
                                            std::span<const std::string_view> flag_names,
                                            std::span<const std::string_view> value_options, std::ostream& err) {
  SeparatedFlags result;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    if (Contains(flag_names, argument)) {
      if (result.Has(argument)) {
        BadArgumentMessage(err, command) << "option " << argument << " is given twice\n";
        return std::nullopt;
      }
      result.flags.push_back(argument);
      continue;
    }
    result.rest.push_back(argument);
    if (Contains(value_options, argument) && i + 1 < arguments.size()) result.rest.push_back(arguments[++i]);
  }
  return result;
}

std::optional<int> IntegerOption(const CommandArguments& arguments, std::string_view name, int default_value,
                                 std::ostream& err) {
  std::optional<std::string_view> text = arguments.Option(name);
  if (!text) return default_value;
  std::optional<int> value = ParseInteger(*text);
  if (!value) {
    BadArgumentMessage(err, arguments.command)
        << "bad value " << std::quoted(*text) << " of option " << name
        << " (expected a whole number from -2147483648 to 2147483647)\n";
  }
  return value;
}

std::optional<int> RangedOption(const CommandArguments& arguments, std::string_view name, int default_value,
                                int minimum, int maximum, std::ostream& err) {
  std::optional<int> value = IntegerOption(arguments, name, default_value, err);
  if (value && (*value < minimum || *value > maximum)) {
    BadArgumentMessage(err, arguments.command)
        << "bad value " << std::quoted(*arguments.Option(name)) << " of option " << name
        << " (expected a whole number from " << minimum << " to " << maximum << ")\n";
    return std::nullopt;
  }
  return value;
}

std::optional<RegionCommandArguments> SplitRegionCommandArguments(std::string_view command,
                                                                  std::string_view positional_name,
                                                                  std::span<const std::string_view> arguments,
                                                                  std::ostream& err) {
  constexpr std::string_view kOptions[] = {"--region"};
  const std::string_view positional_names[] = {positional_name};
  std::optional<CommandArguments> split = SplitArguments(command, arguments, kOptions, positional_names, err);
  if (!split) return std::nullopt;
  std::optional<int> region = IntegerOption(*split, "--region", 0, err);
  if (!region) return std::nullopt;
  return RegionCommandArguments{split->positional[0], *region};
}

std::ostream& BadArgumentMessage(std::ostream& err, std::string_view command) {
  return err << "quellmoor-cli " << command << ": ";
}

int ReportBadArgument(std::ostream& err, std::string_view command, std::string_view message) {
  BadArgumentMessage(err, command) << message << "\n";
  return kExitBadArguments;
}
