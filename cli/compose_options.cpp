// Reading the command line of quellmoor-cli compose into what the wallpaper render takes.
#include "cli/compose_options.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iomanip>
#include <vector>

#include "cli/argument_text.h"
#include "common/bounded_text.h"
#include "settings/settings.h"

namespace {

constexpr std::string_view kCommand = "compose";

// The options that take a value, and the flags, which take none.
constexpr std::string_view kValueOptions[] = {
    "--out", "--date", "--size", "--work-area-bottom", "--monitors", "--picture",
    "--fit", "--background", "--brightness", "--contrast", "--gamma", "--sharpness",
    "--font", "--font-height", "--font-weight", "--region", "--depth"};
constexpr std::string_view kItalicFlag = "--italic";
constexpr std::string_view kNoCalendarFlag = "--no-calendar";
constexpr std::string_view kFlags[] = {kItalicFlag, kNoCalendarFlag};

// A taskbar's height: the default work area ends this far above the bottom of the screen.
constexpr int kTaskbarHeight = 40;

// The font limits of the settings (height -998 ... -8 as stored, here either sign) and of Windows.
constexpr int kLargestFontHeight = 998;
constexpr int kLargestFontWeight = 1000;

// The work area's default bottom on a screen of this height.
int DefaultWorkAreaBottom(int height) { return std::max(0, height - kTaskbarHeight); }

// A signed offset at the start of text ("+N", "-N" or "+-N"), taken off the text.
std::optional<int> TakeOffset(std::string_view& text) {
  if (text.empty() || (text[0] != '+' && text[0] != '-')) return std::nullopt;
  bool negative = text[0] == '-';
  text.remove_prefix(1);
  if (!negative && text.starts_with('-')) {
    negative = true;
    text.remove_prefix(1);
  }
  const std::size_t digits = std::min(text.find_first_not_of("0123456789"), text.size());
  std::optional<int> value = ParseInteger(text.substr(0, digits), 0, kLargestScreenSide);
  text.remove_prefix(digits);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

// One monitor: "WxH+X+Y" with an optional "/B".
std::optional<Monitor> ParseMonitor(std::string_view text) {
  const std::size_t offsets = text.find_first_of("+-");
  if (offsets == std::string_view::npos) return std::nullopt;
  std::optional<ScreenSize> size = ParseScreenSize(text.substr(0, offsets));
  text.remove_prefix(offsets);
  std::optional<int> x = TakeOffset(text);
  std::optional<int> y = TakeOffset(text);
  if (!size || !x || !y) return std::nullopt;
  int bottom = DefaultWorkAreaBottom(size->height);
  if (!text.empty()) {
    if (text[0] != '/') return std::nullopt;
    std::optional<int> given = ParseInteger(text.substr(1), 0, size->height);
    if (!given) return std::nullopt;
    bottom = *given;
  }
  return Monitor{.area = Rect{*x, *y, *x + size->width, *y + size->height}, .work_area_bottom = bottom};
}

// A text option in code page 1252, not empty.
std::optional<std::string> TextOption(const CommandArguments& arguments, std::string_view name,
                                      std::ostream& err) {
  std::optional<std::string_view> value = arguments.Option(name);
  if (!value) return std::string();
  if (value->empty()) {
    BadArgumentMessage(err, kCommand) << "option " << name << " needs a value that is not empty\n";
    return std::nullopt;
  }
  return ArgumentText(*value);
}

bool ReadPictureOptions(const CommandArguments& arguments, PictureRecord& record, std::ostream& err) {
  std::optional<int> fit = RangedOption(arguments, "--fit", record.fit_mode, 0, 1, err);
  if (!fit) return false;
  record.fit_mode = static_cast<std::uint16_t>(*fit);
  if (std::optional<std::string_view> text = arguments.Option("--background")) {
    std::optional<Colorref> colour = ParseColour(*text);
    if (!colour) {
      BadArgumentMessage(err, kCommand) << "bad colour " << std::quoted(*text)
                                        << " of option --background (expected 0xBBGGRR, at most 0xFFFFFF)\n";
      return false;
    }
    record.background = *colour;
  }
  struct Adjustment {
    std::string_view option;
    std::int32_t& field;
  };
  const Adjustment adjustments[] = {{"--brightness", record.brightness},
                                    {"--contrast", record.contrast},
                                    {"--gamma", record.gamma_level},
                                    {"--sharpness", record.sharpness}};
  for (const Adjustment& adjustment : adjustments) {
    std::optional<int> value = IntegerOption(arguments, adjustment.option, adjustment.field, err);
    if (!value) return false;
    adjustment.field = *value;
  }
  return true;
}

bool ReadFontOptions(const CommandArguments& arguments, bool italic, LogFont& font, std::ostream& err) {
  std::optional<std::string> face = TextOption(arguments, "--font", err);
  if (!face) return false;
  if (face->size() >= sizeof font.face_name) {
    BadArgumentMessage(err, kCommand) << "font face " << std::quoted(*arguments.Option("--font"))
                                      << " is longer than 31 characters\n";
    return false;
  }
  if (!face->empty()) CopyText(font.face_name, *face);
  std::optional<int> height =
      RangedOption(arguments, "--font-height", font.height, -kLargestFontHeight, kLargestFontHeight, err);
  if (!height) return false;
  font.height = *height;
  std::optional<int> weight = RangedOption(arguments, "--font-weight", font.weight, 0, kLargestFontWeight, err);
  if (!weight) return false;
  font.weight = *weight;
  if (italic) font.italic = 1;
  return true;
}

// Date, screen, work area, output and picture.
bool ReadSceneOptions(const CommandArguments& arguments, ComposeOptions& options, std::ostream& err) {
  if (std::optional<std::string_view> text = arguments.Option("--date")) {
    options.date = ParseDate(*text);
    if (!options.date) {
      BadArgumentMessage(err, kCommand) << "bad date " << std::quoted(*text)
                                        << " (expected an existing date YYYY-MM-DD from 1583-01-01 to 9999-12-31)\n";
      return false;
    }
  }
  if (std::optional<std::string_view> text = arguments.Option("--size")) {
    std::optional<ScreenSize> size = ParseScreenSize(*text);
    if (!size) {
      BadArgumentMessage(err, kCommand) << "bad size " << std::quoted(*text)
                                        << " of option --size (expected WxH, each side 1 to " << kLargestScreenSide
                                        << ", at most 120 megapixels)\n";
      return false;
    }
    options.screen = *size;
  }
  const int height = options.screen.height;
  std::optional<int> bottom =
      RangedOption(arguments, "--work-area-bottom", DefaultWorkAreaBottom(height), 0, height, err);
  if (!bottom) return false;
  options.work_area_bottom = *bottom;
  options.monitors = {Monitor{.area = Rect{0, 0, options.screen.width, height}, .work_area_bottom = *bottom}};
  if (std::optional<std::string_view> text = arguments.Option("--monitors")) {
    if (arguments.Option("--size") || arguments.Option("--work-area-bottom")) {
      BadArgumentMessage(err, kCommand) << "option --monitors cannot be combined with --size or --work-area-bottom\n";
      return false;
    }
    std::optional<std::vector<Monitor>> monitors = ParseMonitorLayout(*text);
    if (!monitors) {
      BadArgumentMessage(err, kCommand) << "bad layout " << std::quoted(*text)
                                        << " of option --monitors (expected WxH+X+Y[/B],... with at most "
                                        << kLargestMonitorCount << " monitors, spanning at most "
                                        << kLargestScreenSide << " pixels each way)\n";
      return false;
    }
    options.monitors = std::move(*monitors);
  }

  std::optional<std::string> out_path = TextOption(arguments, "--out", err);
  std::optional<std::string> picture = TextOption(arguments, "--picture", err);
  if (!out_path || !picture) return false;
  if (!out_path->empty()) options.out_path = *out_path;
  if (!picture->empty()) options.picture = *picture;
  return true;
}

}  // namespace

std::optional<ScreenSize> ParseScreenSize(std::string_view text) {
  std::size_t separator = text.find('x');
  if (separator == std::string_view::npos) return std::nullopt;
  std::optional<int> width = ParseInteger(text.substr(0, separator), 1, kLargestScreenSide);
  std::optional<int> height = ParseInteger(text.substr(separator + 1), 1, kLargestScreenSide);
  if (!width || !height || !PictureSizeAllowed(*width, *height)) return std::nullopt;
  return ScreenSize{*width, *height};
}

std::optional<std::vector<Monitor>> ParseMonitorLayout(std::string_view text) {
  std::vector<Monitor> monitors;
  while (monitors.size() < kLargestMonitorCount) {
    const std::size_t end = std::min(text.find(','), text.size());
    std::optional<Monitor> monitor = ParseMonitor(text.substr(0, end));
    if (!monitor) return std::nullopt;
    monitors.push_back(*monitor);
    if (end == text.size()) {
      const Rect screen = VirtualScreen(monitors);
      if (screen.width() > kLargestScreenSide || screen.height() > kLargestScreenSide ||
          !PictureSizeAllowed(screen.width(), screen.height())) {
        return std::nullopt;
      }
      return monitors;
    }
    text.remove_prefix(end + 1);
  }
  return std::nullopt;
}

std::optional<Colorref> ParseColour(std::string_view text) {
  if (!text.starts_with("0x") && !text.starts_with("0X")) {
    std::optional<int> value = ParseInteger(text, 0, 0xFFFFFF);
    if (!value) return std::nullopt;
    return static_cast<Colorref>(*value);
  }
  std::string_view digits = text.substr(2);
  if (digits.empty() || digits.size() > 6) return std::nullopt;
  Colorref value = 0;
  auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (error != std::errc() || stop != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::optional<ComposeOptions> ParseComposeOptions(std::span<const std::string_view> arguments, std::ostream& err) {
  std::optional<SeparatedFlags> flags = SeparateFlags(kCommand, arguments, kFlags, kValueOptions, err);
  if (!flags) return std::nullopt;
  std::optional<CommandArguments> split = SplitArguments(kCommand, flags->rest, kValueOptions, {}, err);
  if (!split) return std::nullopt;

  ComposeOptions options;
  options.record = DefaultPictureRecord(1);
  options.font = DefaultCalendarFont();
  if (!ReadSceneOptions(*split, options, err)) return std::nullopt;
  if (!ReadPictureOptions(*split, options.record, err)) return std::nullopt;
  if (!ReadFontOptions(*split, flags->Has(kItalicFlag), options.font, err)) return std::nullopt;

  std::optional<int> region = IntegerOption(*split, "--region", 0, err);
  if (!region) return std::nullopt;
  options.region = *region;
  if (std::optional<std::string_view> depth = split->Option("--depth")) {
    if (*depth != "16" && *depth != "24") {
      BadArgumentMessage(err, kCommand) << "bad value " << std::quoted(*depth)
                                        << " of option --depth (expected 16 or 24)\n";
      return std::nullopt;
    }
    options.true_colour = *depth == "24";
  }
  options.draw_calendar = !flags->Has(kNoCalendarFlag);
  return options;
}
