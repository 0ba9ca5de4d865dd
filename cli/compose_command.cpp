// quellmoor-cli compose: the wallpaper the program would compose for a date and a screen, from a
// built-in picture or a picture file, through the same render and month overlay, written as a 24-bit
// BMP. Without --picture the picture is the first built-in one, C01X.
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

namespace {

// The day the month is drawn for: the given date at noon, or now.
LocalTime DrawingDay(const ComposeOptions& options) {
  if (!options.date) return SystemClock().Now();
  return WithWeekday(
      LocalTime{.day = options.date->day, .month = options.date->month, .year = options.date->year, .hour = 12});
}

// Why the render failed: the memory ran out, the wallpaper file could not be written, or the picture
// cannot be had or read, or cannot be scaled for this screen (its scaled size would be empty or
// beyond the codec layer's limit), which is told by reading it again as small as the screen allows,
// as the render read it; its proportions stay.
void ReportRenderFailure(std::ostream& err, RenderFailure failure, const std::string& picture, bool builtin,
                         const ComposeOptions& options) {
  err << "quellmoor-cli compose: ";
  if (failure == RenderFailure::kOutOfMemory) {
    err << "not enough memory to compose a wallpaper of " << options.screen.width << "x" << options.screen.height
        << " from " << QuotedText{picture} << "\n";
    return;
  }
  if (failure == RenderFailure::kFileNotWritten) {
    err << "cannot write " << QuotedText{options.out_path} << "\n";
    return;
  }
  const ReadHint hint{options.screen.width, options.screen.height};
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

  const int width = options.screen.width;
  const int height = options.screen.height;
  ScaledPlacement placement = options.record.fit_mode == 0
                                  ? FitPlacement(read.image.width, read.image.height, width, height)
                                  : CoverPlacement(read.image.width, read.image.height, width, height);
  if (!PictureSizeAllowed(placement.scaled_width, placement.scaled_height)) {
    err << "picture " << QuotedText{picture} << " cannot be scaled for a screen of " << width << "x" << height
        << " (it would be " << placement.scaled_width << "x" << placement.scaled_height << ")\n";
    return;
  }
  err << "cannot render picture " << QuotedText{picture} << " for a screen of " << width << "x" << height << "\n";
}

}  // namespace

int ComposeCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  std::optional<ComposeOptions> options = ParseComposeOptions(arguments, err);
  if (!options) return kExitBadArguments;

  const MonthOverlay overlay{.font = options->font,
                             .region = options->region,
                             .work_area_bottom = options->work_area_bottom,
                             .today = DrawingDay(*options)};
  const RenderRequest request{.screen_width = options->screen.width,
                              .screen_height = options->screen.height,
                              .true_colour = options->true_colour,
                              .overlay = options->draw_calendar ? &overlay : nullptr};
  const std::string& picture = options->picture;
  const bool builtin = IsBuiltinPictureName(picture);

  auto start = std::chrono::steady_clock::now();
  RenderResult rendered =
      builtin ? RenderBuiltinPicture(picture, options->out_path, options->record, request, ProgramPictures())
              : RenderPictureFile(picture, options->out_path, options->record, request);
  auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  if (!rendered.written()) {
    ReportRenderFailure(err, *rendered.failure, picture, builtin, *options);
    return kExitFailure;
  }

  JsonObject json;
  json.AddText("out", options->out_path)
      .AddNumber("width", options->screen.width)
      .AddNumber("height", options->screen.height)
      .AddText("picture", picture)
      .AddNumber("font_height", rendered.calendar_font_height.value_or(options->font.height))
      .AddNumber("ms", elapsed.count());
  WriteJsonLine(out, json);
  return kExitSuccess;
}
