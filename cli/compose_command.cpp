// quellmoor-cli compose: the wallpaper the program would compose for a date and a screen (or the
// monitors of --monitors), from a built-in picture or a picture file, through the same compose and
// month overlay, written as a 24-bit BMP. Without --picture the picture is the first built-in one, C01X.
#include <chrono>
#include <string>

#include "calendar/clock.h"
#include "cli/argument_text.h"
#include "cli/compose_options.h"
#include "cli/json_writer.h"
#include "cli/picture_commands.h"
#include "cli/picture_file.h"
#include "imaging/picture_reader.h"
#include "resources/program_pictures.h"
#include "wallpaper/month_overlay.h"
#include "wallpaper/picture_fit.h"
#include "wallpaper/picture_render.h"
#include "wallpaper/wallpaper_compose.h"

namespace {

// The day the month is drawn for: the given date at noon, or now.
LocalTime DrawingDay(const ComposeOptions& options) {
  if (!options.date) return SystemClock().Now();
  return WithWeekday(
      LocalTime{.day = options.date->day, .month = options.date->month, .year = options.date->year, .hour = 12});
}

// Why the compose failed: the memory ran out, the wallpaper file could not be written, or the picture
// cannot be had or read, or cannot be scaled for a monitor (its scaled size would be empty or beyond
// the codec layer's limit), which is told by reading it again as small as the largest monitor allows,
// as the compose read it; its proportions stay.
void ReportRenderFailure(std::ostream& err, RenderFailure failure, const std::string& picture, bool builtin,
                         const ComposeOptions& options) {
  err << "quellmoor-cli compose: ";
  const Rect screen = VirtualScreen(options.monitors);
  if (failure == RenderFailure::kOutOfMemory) {
    err << "not enough memory to compose a wallpaper of " << screen.width() << "x" << screen.height() << " from "
        << QuotedText{picture} << "\n";
    return;
  }
  if (failure == RenderFailure::kFileNotWritten) {
    err << "cannot write " << QuotedText{options.out_path} << "\n";
    return;
  }
  ReadHint hint;
  for (const Monitor& monitor : options.monitors) CoverMonitor(hint, monitor);
  PictureReadResult read;
  if (builtin) {
    std::span<const std::uint8_t> bytes = ProgramPictures().Find(picture);
    if (bytes.empty()) {
      err << "there is no built-in picture " << QuotedText{picture} << "\n";
      return;
    }
    read = ReadPicture(bytes, hint);
  } else {
    read = ReadPictureFile(picture, hint);
  }
  if (!read.ok()) {
    err << "cannot read picture " << QuotedText{picture} << ": " << read.error << "\n";
    return;
  }

  for (const Monitor& monitor : options.monitors) {
    const int width = monitor.area.width();
    const int height = monitor.area.height();
    ScaledPlacement placement = options.record.fit_mode == 0
                                    ? FitPlacement(read.image.width, read.image.height, width, height)
                                    : CoverPlacement(read.image.width, read.image.height, width, height);
    if (!PictureSizeAllowed(placement.scaled_width, placement.scaled_height)) {
      err << "picture " << QuotedText{picture} << " cannot be scaled for a screen of " << width << "x" << height
          << " (it would be " << placement.scaled_width << "x" << placement.scaled_height << ")\n";
      return;
    }
  }
  err << "cannot render picture " << QuotedText{picture} << " for a screen of " << screen.width() << "x"
      << screen.height() << "\n";
}

}  // namespace

int ComposeCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  std::optional<ComposeOptions> options = ParseComposeOptions(arguments, err);
  if (!options) return kExitBadArguments;

  const LocalTime today = DrawingDay(*options);
  // The command-line tool draws in the texts' defaults (German).
  const MonthOverlay overlay{.font = options->font,
                             .region = options->region,
                             .today = today,
                             .month_name = MonthName(today.month, TextTable())};
  const std::string& picture = options->picture;
  const bool builtin = IsBuiltinPictureName(picture);
  const ShownPicture shown{picture, builtin, options->record};
  const ComposeRequest request{.monitors = options->monitors,
                               .pictures = {&shown, 1},
                               .true_colour = options->true_colour,
                               .overlay = options->draw_calendar ? &overlay : nullptr};

  auto start = std::chrono::steady_clock::now();
  ProgramPictures pictures;
  RenderResult rendered = ComposeWallpaper(request, options->out_path, pictures);
  auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  if (!rendered.written()) {
    ReportRenderFailure(err, *rendered.failure, picture, builtin, *options);
    return kExitFailure;
  }

  const Rect screen = VirtualScreen(options->monitors);
  JsonObject json;
  json.AddText("out", options->out_path)
      .AddNumber("width", screen.width())
      .AddNumber("height", screen.height())
      .AddText("picture", picture)
      .AddNumber("font_height", rendered.calendar_font_height.value_or(options->font.height))
      .AddNumber("monitors", static_cast<long long>(options->monitors.size()))
      .AddNumber("ms", elapsed.count());
  WriteJsonLine(out, json);
  return kExitSuccess;
}
