// The commands of quellmoor-cli. Each takes the arguments after its name and writes its result to out
// and its complaints to err, so that tests can run it in-process; each returns the exit code.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;       // the work itself failed
constexpr int kExitBadArguments = 2;  // the message on err names the bad argument

using CommandFunction = int (*)(std::span<const std::string_view> arguments, std::ostream& out,
                                std::ostream& err);

// day YYYY-MM-DD [--region N]: the calendar facts, named days and information text of one date.
int DayCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

// month YYYY-MM [--region N]: the days of a month, weekends and public holidays marked.
int MonthCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

// alarms FILE [--at "YYYY-MM-DD HH:MM"] [--auto-delete]: the appointments kept by the program's load,
// one JSON line each; with --at also whether the check at that minute fires each one.
int AlarmsCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

// notes FOLDER: the notes of a note folder in the note window's order, one JSON line each.
int NotesCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);
