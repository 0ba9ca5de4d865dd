// The picture commands of quellmoor-cli: composing a wallpaper as the program does, reading a picture
// through the codec layer, and listing a picture list. Same calling convention as cli/commands.h.
#pragma once

#include "cli/commands.h"

// compose [--out FILE.bmp] [--date YYYY-MM-DD] [--size WxH] [--picture NAME|PATH] ...: the wallpaper
// for a date and screen, written as a 24-bit BMP; without arguments today's, as wallpaper.bmp.
int ComposeCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

// decode PICTURE --out FILE.bmp: a picture file read by the general reader, written as a 24-bit BMP.
int DecodeCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

// pictures FILE: every record of a picture list, one JSON line each. A file that ends in part of a
// record is damaged: its whole records are listed, the rest is reported and the exit code is 1.
// pictures FILE --add PATH [--fit 0|1] [--months A-B] [--hours A-B] [--weekdays MASK]: appends a
// record for a picture file, writes the list through a temporary file and prints the new record.
int PicturesCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);
