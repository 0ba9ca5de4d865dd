// The command line of quellmoor-cli compose: what to compose (date, screen, picture), the picture's
// record (fit mode and adjustments) and the calendar font, read strictly; every refusal names the
// argument.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "imaging/font.h"
#include "imaging/image.h"
#include "wallpaper/picture_record.h"
#include "wallpaper/wallpaper_compose.h"

// The most monitors a layout may have.
constexpr std::size_t kLargestMonitorCount = 16;

// The largest screen side the tool composes for; the picture size limit of the codec layer applies too.
constexpr int kLargestScreenSide = 16384;

struct ScreenSize {
  int width;
  int height;
};

struct ComposeOptions {
  std::string out_path = "wallpaper.bmp";
  std::optional<CalendarDate> date;  // today when not given
  ScreenSize screen{1920, 1080};
  int work_area_bottom = 1080 - 40;  // the screen height less a taskbar, unless given
  std::string picture = "C01X";      // built-in name or file path
  PictureRecord record;              // a default record with the given fit mode and adjustments
  LogFont font;                      // the default calendar font with the given face, height, ...
  int region = 0;
  bool true_colour = true;           // --depth 24; --depth 16 reduces to 15-bit colour
  bool draw_calendar = true;
  // The monitors composed for, the primary first: those of --monitors, or else one monitor of the
  // screen size and work area.
  std::vector<Monitor> monitors;
};

// "WxH" with both sides 1 ... kLargestScreenSide, within the codec layer's picture size limit.
std::optional<ScreenSize> ParseScreenSize(std::string_view text);

// "WxH+X+Y[/B],...": up to kLargestMonitorCount monitors, the first the primary. X and Y are the
// monitor's offset, "-N" or "+-N" when negative; B is its work area's bottom from its top (0 ... H,
// default H less a taskbar). The virtual screen they span stays within the screen limits.
std::optional<std::vector<Monitor>> ParseMonitorLayout(std::string_view text);

// A colour value 0x00BBGGRR: "0x" and one to six hexadecimal digits, or a decimal number up to 0xFFFFFF.
std::optional<Colorref> ParseColour(std::string_view text);

// The options of compose; nothing after a message on err naming the bad argument.
std::optional<ComposeOptions> ParseComposeOptions(std::span<const std::string_view> arguments, std::ostream& err);
