// quellmoor-cli alarms FILE [--at "YYYY-MM-DD HH:MM"] [--auto-delete]: the appointments of an
// appointments file as the program loads them, one JSON line each, and with --at whether the
// program's check at that minute would fire each of them.
#include <iomanip>
#include <optional>
#include <string>

#include "alarm/appointment_table.h"
#include "alarm/due_rule.h"
#include "calendar/clock.h"
#include "calendar/date_arithmetic.h"
#include "cli/argument_text.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "common/file_system.h"

namespace {

constexpr std::string_view kCommand = "alarms";
constexpr std::string_view kAutoDeleteFlag = "--auto-delete";
constexpr std::string_view kFlags[] = {kAutoDeleteFlag};
constexpr std::string_view kValueOptions[] = {"--at"};

// "YYYY-MM-DD HH:MM": an existing date and a time of day.
std::optional<LocalTime> ParseMoment(std::string_view text) {
  if (text.size() != 16 || text[10] != ' ' || text[13] != ':') return std::nullopt;
  std::optional<CalendarDate> date = ParseDate(text.substr(0, 10));
  std::optional<int> hour = ParseInteger(text.substr(11, 2), 0, 23);
  std::optional<int> minute = ParseInteger(text.substr(14, 2), 0, 59);
  if (!date || !hour || !minute || text[11] == '-' || text[14] == '-') return std::nullopt;
  return LocalTime{.day = date->day, .month = date->month, .year = date->year, .hour = *hour, .minute = *minute,
                   .weekday = WeekdayOf(date->day, date->month, date->year)};
}

JsonObject AppointmentJson(int index, const Appointment& a) {
  JsonObject json;
  json.AddNumber("index", index)
      .AddText("name", a.name)
      .AddNumber("kind", a.kind)
      .AddNumber("action", a.action)
      .AddNumber("day", a.day)
      .AddNumber("month", a.month)
      .AddNumber("year", a.year)
      .AddNumber("hour", a.hour)
      .AddNumber("minute", a.minute)
      .AddNumber("last_fired", a.last_fired)
      .AddNumber("last_fired_year", a.last_fired_year)
      .AddNumber("snooze", a.snooze)
      .AddNumber("protected", a.protected_flag)
      .AddText("file", a.file)
      .AddText("remark", a.remark);
  return json;
}

// Whether the check at that minute fires the record: a candidate whose countdown ends at this
// pass, or without a countdown whose time of day has come.
bool DueAt(Appointment appointment, const LocalTime& at) {
  return IsCandidate(appointment, at) && FallsDueAtThisPass(appointment, at);
}

}  // namespace

int AlarmsCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  std::optional<SeparatedFlags> flags = SeparateFlags(kCommand, arguments, kFlags, kValueOptions, err);
  if (!flags) return kExitBadArguments;
  constexpr std::string_view kPositional[] = {"FILE"};
  std::optional<CommandArguments> split = SplitArguments(kCommand, flags->rest, kValueOptions, kPositional, err);
  if (!split) return kExitBadArguments;
  std::optional<LocalTime> at;
  if (std::optional<std::string_view> text = split->Option("--at")) {
    at = ParseMoment(*text);
    if (!at) {
      BadArgumentMessage(err, kCommand) << "bad moment " << std::quoted(*text)
                                        << " of option --at (expected \"YYYY-MM-DD HH:MM\")\n";
      return kExitBadArguments;
    }
  }

  const std::string path = ArgumentText(split->positional[0]);
  AppointmentTable table;
  const LocalTime today = at ? *at : SystemClock().Now();
  if (FolderExists(path) || !LoadAppointments(table, path, flags->Has(kAutoDeleteFlag), today)) {
    err << "quellmoor-cli alarms: cannot read appointments file " << QuotedText{path} << "\n";
    return kExitFailure;
  }
  for (int index = 0; index < table.count; ++index) {
    const Appointment& appointment = table.records[static_cast<std::size_t>(index)];
    JsonObject json = AppointmentJson(index, appointment);
    if (at) json.AddNumber("due", DueAt(appointment, *at) ? 1 : 0);
    WriteJsonLine(out, json);
  }
  return kExitSuccess;
}
