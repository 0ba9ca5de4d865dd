// quellmoor-cli: the portable core of Quellmoor on the command line. The first argument names the
// command; each command writes one JSON object per line to standard output.
#include <iostream>
#include <new>
#include <span>
#include <string_view>
#include <vector>

#include "cli/argument_text.h"
#include "cli/commands.h"
#include "cli/picture_commands.h"

namespace {

struct CommandEntry {
  std::string_view name;
  std::string_view arguments;
  std::string_view summary;
  CommandFunction run;
};

constexpr CommandEntry kCommands[] = {
    {"day", "YYYY-MM-DD [--region N]", "calendar facts, named days and information text of a date",
     DayCommand},
    {"month", "YYYY-MM [--region N]", "the days of a month; weekends and public holidays marked",
     MonthCommand},
    {"compose",
     "[--out FILE.bmp] [--date YYYY-MM-DD] [--size WxH] [--work-area-bottom N]\n"
     "          [--monitors WxH+X+Y[/B],...] [--picture NAME|PATH]\n"
     "          [--fit 0|1] [--background 0xBBGGRR] [--brightness N] [--contrast N] [--gamma L]\n"
     "          [--sharpness L] [--font FACE] [--font-height H] [--font-weight W] [--italic]\n"
     "          [--region N] [--depth 16|24] [--no-calendar]",
     "composes the wallpaper for a date (default today) and a screen (default 1920x1080, work area\n"
     "      ending 40 pixels above the bottom; or the monitors of --monitors, the first the primary, each\n"
     "      with the month above its work area's bottom B, composed over the box they span) as a 24-bit\n"
     "      BMP (default wallpaper.bmp): the picture (a\n"
     "      built-in name C01X ... C16X, default C01X, or a file) fitted (--fit 0, on the background\n"
     "      colour) or filled (--fit 1, default),\n"
     "      adjusted, reduced to 15-bit colour for --depth 16, the month drawn in the calendar font\n"
     "      (default Arial, -64, 600); without arguments today's wallpaper as wallpaper.bmp",
     ComposeCommand},
    {"decode", "PICTURE --out FILE.bmp", "reads a picture file as the program does and writes it as a 24-bit BMP",
     DecodeCommand},
    {"pictures", "FILE [--add PATH [--fit 0|1] [--months A-B] [--hours A-B] [--weekdays MASK]]",
     "every record of a picture list (bilder.dat); a damaged list (its size no multiple of 622)\n"
     "      has its whole records listed, the rest reported, and exit code 1. With --add: appends a\n"
     "      record for the picture file PATH (fitted with --fit 0, filled with 1, the default), taking\n"
     "      part in months A to B (1-12, default 1-12), hours A to B (0-23 to 0-24, default 0-24) and\n"
     "      on the weekdays of MASK (bit 0 Sunday ... bit 6 Saturday, default 127), writes the list\n"
     "      anew and prints the new record; a damaged end of the list is kept behind the records",
     PicturesCommand},
    {"alarms", "FILE [--at \"YYYY-MM-DD HH:MM\"] [--auto-delete]",
     "the appointments of an appointments file (alarm.dtk) as the program loads them (with\n"
     "      --auto-delete switched-off ones dated before --at or today dropped); with --at each line\n"
     "      also says whether the program's check at that minute fires the appointment (due 1)",
     AlarmsCommand},
    {"notes", "FOLDER",
     "the notes of a note folder in the order the note window pages through them, with the\n"
     "      beginning of each text; a missing folder has no notes",
     NotesCommand},
};

int Usage() {
  std::cerr << "usage: quellmoor-cli <command> [arguments]\n"
               "dates from 1583-01-01 to 9999-12-31; N is a holiday region code (0 = none, default)\n"
               "commands:\n";
  for (const CommandEntry& command : kCommands) {
    std::cerr << "  " << command.name << " " << command.arguments << "\n      " << command.summary << "\n";
  }
  return kExitBadArguments;
}

}  // namespace

int main(int argc, char** argv) {
  UseUnchangedStandardOutput();
  std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (arguments.empty()) return Usage();
  for (const CommandEntry& command : kCommands) {
    if (command.name != arguments[0]) continue;
    int result = kExitFailure;
    try {
      result = command.run(std::span(arguments).subspan(1), std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
      // A picture or a wallpaper too large for the memory at hand is a failure, not an abort.
      std::cerr << "quellmoor-cli " << command.name << ": not enough memory\n";
      return kExitFailure;
    }
    if (!std::cout.flush()) {
      std::cerr << "quellmoor-cli " << command.name << ": cannot write the output\n";
      return kExitFailure;
    }
    return result;
  }
  std::cerr << "quellmoor-cli: unknown command \"" << arguments[0] << "\"\n";
  return Usage();
}
