// The wallpaper build: the change decision, the random choice among the pictures allowed now, the
// compose into wallpaper.bmp with up to 16 attempts, and the remembered pictures and time.
#include "wallpaper/wallpaper_build.h"

#include <algorithm>
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
// Separates the monitors' picture names in OldPics; no Windows path holds it.
constexpr char kPictureNameSeparator = '|';

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

// A picture shown before, with its own record (the default record when the list has none for it).
std::optional<ShownPicture> Remembered(const std::string& name, const std::string& list) {
  if (name.empty()) return std::nullopt;
  return ShownPicture{name, IsBuiltinPictureName(name), FindPictureRecord(list, name).value_or(PictureRecord{})};
}

// The picture of one attempt: a random draw among the records allowed now when the picture changes,
// else (or when no draw was allowed, or the list cannot be read) the picture shown now. Nothing when
// there is none.
std::optional<ShownPicture> ChoosePicture(bool change, WallpaperBuildContext& context, const Settings& settings,
                                    const std::string& list, const LocalTime& now, WallpaperPlatform& platform) {
  std::optional<int> count = change ? PictureCount(list) : std::nullopt;
  if (!count || *count <= 0) return Remembered(settings.OldPic, list);
  for (int draw = 0; draw < kDrawsPerAttempt; ++draw) {
    int index = static_cast<int>(context.random.Next() % static_cast<std::uint32_t>(*count));
    PictureRecord drawn;
    bool read = ReadPictureRecord(list, index, drawn);
    platform.Wait(kWaitAfterDraw);
    if (read && PictureEligibleNow(drawn, now)) {
      // The records before BuiltinPictureCount are the built-in pictures, whatever they name.
      return ShownPicture{drawn.PictureName(), index < settings.BuiltinPictureCount, drawn};
    }
  }
  return Remembered(settings.OldPic, list);
}

bool IsShown(const std::vector<ShownPicture>& shown, const std::string& name) {
  return std::any_of(shown.begin(), shown.end(), [&](const ShownPicture& s) { return EqualIgnoringCase(s.name, name); });
}

// The records allowed now, as the pictures they would show; nothing when the list cannot be read.
std::vector<ShownPicture> EligiblePictures(const Settings& settings, const std::string& list, const LocalTime& now) {
  std::vector<ShownPicture> eligible;
  const int count = PictureCount(list).value_or(0);
  for (int i = 0; i < count; ++i) {
    PictureRecord record;
    if (!ReadPictureRecord(list, i, record)) break;
    if (PictureEligibleNow(record, now)) {
      eligible.push_back(ShownPicture{record.PictureName(), i < settings.BuiltinPictureCount, record});
    }
  }
  return eligible;
}

// A random one of the eligible pictures that no monitor shows yet, or of all eligible ones when every
// one is shown; nothing when none is eligible.
std::optional<ShownPicture> DrawUnshown(const std::vector<ShownPicture>& eligible,
                                        const std::vector<ShownPicture>& shown, PictureChoiceGenerator& random) {
  std::vector<const ShownPicture*> unshown;
  for (const ShownPicture& picture : eligible) {
    if (!IsShown(shown, picture.name)) unshown.push_back(&picture);
  }
  if (unshown.empty()) {
    for (const ShownPicture& picture : eligible) unshown.push_back(&picture);
  }
  if (unshown.empty()) return std::nullopt;
  return *unshown[random.Next() % unshown.size()];
}

std::vector<std::string> SplitPictureNames(const std::string& names) {
  std::vector<std::string> split;
  std::size_t start = 0;
  while (start <= names.size()) {
    std::size_t end = std::min(names.find(kPictureNameSeparator, start), names.size());
    split.push_back(names.substr(start, end - start));
    start = end + 1;
  }
  return split;
}

std::string JoinPictureNames(const std::vector<ShownPicture>& shown, std::size_t monitors) {
  std::string names;
  for (std::size_t m = 0; m < monitors; ++m) {
    if (m > 0) names += kPictureNameSeparator;
    names += PictureOfMonitor(shown, m).name;
  }
  return names;
}

// The pictures of one attempt: the primary monitor's by ChoosePicture, and one for every monitor or
// one of its own for each. A monitor keeps its remembered picture while the primary's stays, unless
// another monitor shows that picture and an unshown one is allowed.
std::optional<std::vector<ShownPicture>> ChoosePictures(bool change, std::size_t monitors,
                                                        WallpaperBuildContext& context, const Settings& settings,
                                                        const std::string& list, const LocalTime& now,
                                                        WallpaperPlatform& platform) {
  std::optional<ShownPicture> primary = ChoosePicture(change, context, settings, list, now, platform);
  if (!primary) return std::nullopt;
  std::vector<ShownPicture> shown{*primary};
  if (settings.BildProMonitor == 0 || monitors == 1) return shown;

  const std::vector<std::string> remembered = change ? std::vector<std::string>{} : SplitPictureNames(settings.OldPics);
  const std::vector<ShownPicture> eligible = EligiblePictures(settings, list, now);
  for (std::size_t m = 1; m < monitors; ++m) {
    std::optional<ShownPicture> kept = m < remembered.size() ? Remembered(remembered[m], list) : std::nullopt;
    std::optional<ShownPicture> drawn;
    if (!kept || IsShown(shown, kept->name)) drawn = DrawUnshown(eligible, shown, context.random);
    if (kept && (!drawn || IsShown(shown, drawn->name))) drawn = kept;
    shown.push_back(drawn.value_or(shown.front()));
  }
  return shown;
}

// The wallpaper of the pictures with today's month, written to output_path.
RenderResult ComposeChoice(const std::vector<ShownPicture>& shown, const std::vector<Monitor>& monitors,
                           const std::string& output_path, const LocalTime& now, const Settings& settings,
                           const TextTable& text_table, WallpaperPlatform& platform) {
  const MonthOverlay overlay{.font = settings.calendar_font,
                             .region = settings.Feiertage,
                             .today = now,
                             .month_name = MonthName(now.month, text_table)};
  const ComposeRequest request{.monitors = monitors,
                               .pictures = shown,
                               .true_colour = platform.TrueColour(),
                               .overlay = &overlay,
                               .calendar_on_every_monitor = settings.KalenderMonitore != 0};
  return ComposeWallpaper(request, output_path, platform.Pictures());
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

bool BuildWallpaper(WallpaperRequest request, WallpaperBuildContext& context, Settings& settings,
                    SettingsStore& store, WallpaperPlatform& platform) {
  const LocalTime now = context.clock.Now();
  const std::string list = PictureListPath(settings);
  // A redraw changes the picture only when none is shown yet.
  const bool change = request == WallpaperRequest::kRedraw
                          ? settings.OldPic.empty()
                          : PictureMustChange(request == WallpaperRequest::kRebuild, context.first_build_pending,
                                              settings, list, now);
  if (!change && request == WallpaperRequest::kCheck) {
    // Nothing to draw: the decision is remembered in memory only.
    RememberDecision(settings, context, now);
    return true;
  }
  const std::vector<Monitor> monitors = platform.Monitors();
  if (monitors.empty()) return false;

  WaitCursor wait_cursor(platform);
  const std::string output_path = JoinPath(platform.OutputFolder(), kWallpaperFileName);
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    if (attempt > 1) platform.Wait(kWaitBetweenAttempts);
    std::optional<std::vector<ShownPicture>> shown =
        ChoosePictures(change, monitors.size(), context, settings, list, now, platform);
    if (!shown) continue;
    RenderResult rendered = ComposeChoice(*shown, monitors, output_path, now, settings, context.text_table, platform);
    // A wallpaper the desktop refuses fails the attempt like a failed render.
    if (!rendered.written() || !platform.SetDesktopWallpaper(output_path, monitors.size() > 1)) continue;

    // A redraw of the same pictures leaves the time of the last change as it was, so a change the
    // policy has due still comes at the next check.
    if (change || request != WallpaperRequest::kRedraw) RememberDecision(settings, context, now);
    settings.OldPic = shown->front().name;
    settings.OldPics = JoinPictureNames(*shown, monitors.size());
    // The next build starts from the font height the month was fitted to.
    if (rendered.calendar_font_height) settings.calendar_font.height = *rendered.calendar_font_height;
    SaveChangeState(settings, store);
    return true;
  }
  return false;
}
