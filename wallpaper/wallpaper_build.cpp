// The wallpaper build: the change decision, the random choice among the pictures allowed now, the
// render into wallpaper.bmp with up to 16 attempts, and the remembered picture and time.
#include "wallpaper/wallpaper_build.h"

#include <optional>

#include "common/cp1252.h"
#include "common/file_system.h"
#include "wallpaper/month_overlay.h"
#include "wallpaper/picture_list.h"

namespace {

constexpr int kAttempts = 16;
constexpr int kDrawsPerAttempt = 30;
constexpr int kWaitAfterDraw = 10;        // milliseconds
constexpr int kWaitBetweenAttempts = 25;  // milliseconds

// The picture of one attempt: its name, whether it is a built-in picture or a file, and the record
// whose fit mode and adjustments apply.
struct Choice {
  std::string name;
  bool builtin = false;
  PictureRecord record;
};

// The wait cursor for the length of the build, the arrow again on every way out.
class WaitCursor {
 public:
  explicit WaitCursor(WallpaperPlatform& platform) : platform_(platform) { platform_.ShowWaitCursor(true); }
  ~WaitCursor() { platform_.ShowWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  WallpaperPlatform& platform_;
};

bool InRange(int value, int first, int last) {
  if (last >= first) return value >= first && value <= last;
  return value >= first || value <= last;  // across the new year or midnight
}

// The first record of the list that names the picture, or nothing when none does or the list
// cannot be read.
std::optional<PictureRecord> FindPictureRecord(const std::string& list, const std::string& name) {
  std::optional<int> count = PictureCount(list);
  if (!count) return std::nullopt;
  for (int i = 0; i < *count; ++i) {
    PictureRecord record;
    if (!ReadPictureRecord(list, i, record)) return std::nullopt;
    if (EqualIgnoringCase(record.PictureName(), name)) return record;
  }
  return std::nullopt;
}

// Whether the picture must change now.
bool PictureMustChange(bool rebuild, bool first_build, const Settings& settings, const std::string& list,
                       const LocalTime& now) {
  if (settings.OldPic.empty()) return true;
  std::optional<PictureRecord> current = FindPictureRecord(list, settings.OldPic);
  if (!current || !PictureEligibleNow(*current, now)) return true;
  bool new_day = now.day != settings.OldDay || now.month != settings.OldMonth;
  switch (settings.HGwechsel) {
    case 0:
      return first_build || rebuild;
    case 1:
      return new_day || now.hour != settings.OldHour;
    default:
      return new_day;
  }
}

// The picture shown now, with its own record (the default record when the list has none for it).
std::optional<Choice> ShownPicture(const Settings& settings, const std::string& list) {
  if (settings.OldPic.empty()) return std::nullopt;
  return Choice{settings.OldPic, IsBuiltinPictureName(settings.OldPic),
                FindPictureRecord(list, settings.OldPic).value_or(PictureRecord{})};
}

// The picture of one attempt: a random draw among the records allowed now when the picture changes,
// else (or when no draw was allowed, or the list cannot be read) the picture shown now. Nothing when
// there is none.
std::optional<Choice> ChoosePicture(bool change, WallpaperBuildContext& context, const Settings& settings,
                                    const std::string& list, const LocalTime& now, WallpaperPlatform& platform) {
  std::optional<int> count = change ? PictureCount(list) : std::nullopt;
  if (!count || *count <= 0) return ShownPicture(settings, list);
  for (int draw = 0; draw < kDrawsPerAttempt; ++draw) {
    int index = static_cast<int>(context.random.Next() % static_cast<std::uint32_t>(*count));
    PictureRecord drawn;
    bool read = ReadPictureRecord(list, index, drawn);
    platform.Wait(kWaitAfterDraw);
    if (read && PictureEligibleNow(drawn, now)) {
      // The records before BuiltinPictureCount are the built-in pictures, whatever they name.
      return Choice{drawn.PictureName(), index < settings.BuiltinPictureCount, drawn};
    }
  }
  return ShownPicture(settings, list);
}

// The wallpaper of the choice with today's month, written to output_path.
RenderResult RenderChoice(const Choice& choice, const std::string& output_path,
                          const LocalTime& now, const Settings& settings, WallpaperPlatform& platform) {
  const MonthOverlay overlay{.font = settings.calendar_font,
                             .region = settings.Feiertage,
                             .work_area_bottom = platform.WorkAreaBottom(),
                             .today = now};
  const RenderRequest request{.screen_width = platform.ScreenWidth(),
                              .screen_height = platform.ScreenHeight(),
                              .true_colour = platform.TrueColour(),
                              .overlay = &overlay};
  if (choice.builtin) {
    return RenderBuiltinPicture(choice.name, output_path, choice.record, request, platform.Pictures());
  }
  return RenderPictureFile(choice.name, output_path, choice.record, request);
}

void RememberDecision(Settings& settings, WallpaperBuildContext& context, const LocalTime& now) {
  settings.OldHour = now.hour;
  settings.OldDay = now.day;
  settings.OldMonth = now.month;
  context.first_build_pending = false;
}

}  // namespace

bool PictureEligibleNow(const PictureRecord& record, const LocalTime& now) {
  return record.state > 1 && now.weekday >= 0 && now.weekday <= 6 &&
         ((record.weekday_mask >> now.weekday) & 1) != 0 &&
         InRange(now.month, record.first_month, record.last_month) &&
         InRange(now.hour, record.first_hour, record.last_hour);
}

bool BuildWallpaper(bool rebuild, WallpaperBuildContext& context, Settings& settings, SettingsStore& store,
                   WallpaperPlatform& platform) {
  const LocalTime now = context.clock.Now();
  const std::string list = PictureListPath(settings);
  const bool change = PictureMustChange(rebuild, context.first_build_pending, settings, list, now);
  if (!change && !rebuild) {
    // Nothing to draw: the decision is remembered in memory only.
    RememberDecision(settings, context, now);
    return true;
  }

  WaitCursor wait_cursor(platform);
  const std::string output_path = JoinPath(platform.OutputFolder(), kWallpaperFileName);
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    if (attempt > 1) platform.Wait(kWaitBetweenAttempts);
    std::optional<Choice> choice = ChoosePicture(change, context, settings, list, now, platform);
    if (!choice) continue;
    RenderResult rendered = RenderChoice(*choice, output_path, now, settings, platform);
    // A wallpaper the desktop refuses fails the attempt like a failed render.
    if (!rendered.written() || !platform.SetDesktopWallpaper(output_path)) continue;

    RememberDecision(settings, context, now);
    settings.OldPic = choice->name;
    // The next build starts from the font height the month was fitted to.
    if (rendered.calendar_font_height) settings.calendar_font.height = *rendered.calendar_font_height;
    SaveChangeState(settings, store);
    return true;
  }
  return false;
}
