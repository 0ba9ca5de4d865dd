// The steps of one wallpaper build: the change decision, the choice among the pictures allowed now
// from the list read once, and the worker's compose of the candidates in turn.
#include "wallpaper/wallpaper_build.h"

#include <algorithm>

#include "common/cp1252.h"

namespace {

// Separates the monitors' picture names in OldPics; no Windows path holds it.
constexpr char kPictureNameSeparator = '|';

bool InRange(int value, int first, int last) {
  if (last >= first) return value >= first && value <= last;
  return value >= first || value <= last;  // across the new year or midnight
}

// The first record of the list that names the picture; nothing when none does or there is no list.
const PictureRecord* FindPictureRecord(const PictureChoiceInput& input, const std::string& name) {
  if (!input.records) return nullptr;
  auto found = std::find_if(input.records->begin(), input.records->end(),
                            [&](const PictureRecord& record) { return EqualIgnoringCase(record.PictureName(), name); });
  return found == input.records->end() ? nullptr : &*found;
}

// A picture shown before, with its own record (the default record when the list has none for it).
std::optional<ShownPicture> Remembered(const std::string& name, const PictureChoiceInput& input) {
  if (name.empty()) return std::nullopt;
  const PictureRecord* record = FindPictureRecord(input, name);
  return ShownPicture{name, IsBuiltinPictureName(name), record != nullptr ? *record : PictureRecord{}};
}

bool IsShown(const std::vector<ShownPicture>& shown, const std::string& name) {
  return std::any_of(shown.begin(), shown.end(), [&](const ShownPicture& s) { return EqualIgnoringCase(s.name, name); });
}

// The records allowed now, as the pictures they would show. The records before BuiltinPictureCount
// are the built-in pictures, whatever they name.
std::vector<ShownPicture> EligiblePictures(const PictureChoiceInput& input) {
  std::vector<ShownPicture> eligible;
  if (!input.records) return eligible;
  const std::vector<PictureRecord>& records = *input.records;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (!PictureEligibleNow(records[i], input.now)) continue;
    eligible.push_back(
        ShownPicture{records[i].PictureName(), static_cast<int>(i) < input.settings.BuiltinPictureCount, records[i]});
  }
  return eligible;
}

// A random one of the eligible pictures that are not among taken; nothing when every one is.
std::optional<ShownPicture> DrawNotAmong(const std::vector<ShownPicture>& eligible,
                                         const std::vector<ShownPicture>& taken, PictureChoiceGenerator& random) {
  std::vector<const ShownPicture*> left;
  for (const ShownPicture& picture : eligible) {
    if (!IsShown(taken, picture.name)) left.push_back(&picture);
  }
  if (left.empty()) return std::nullopt;
  return *left[random.Next() % left.size()];
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

// The pictures of all monitors around the primary's: one for every monitor, or one of its own for
// each. A monitor keeps its remembered picture while the primary's stays, unless another monitor
// shows that picture and an unshown one is allowed.
std::vector<ShownPicture> PicturesOfMonitors(const ShownPicture& primary, bool change, const PictureChoiceInput& input,
                                             const std::vector<ShownPicture>& eligible,
                                             PictureChoiceGenerator& random) {
  std::vector<ShownPicture> shown{primary};
  if (input.settings.BildProMonitor == 0 || input.monitors == 1) return shown;
  const std::vector<std::string> remembered =
      change ? std::vector<std::string>{} : SplitPictureNames(input.settings.OldPics);
  for (std::size_t m = 1; m < input.monitors; ++m) {
    std::optional<ShownPicture> kept = m < remembered.size() ? Remembered(remembered[m], input) : std::nullopt;
    std::optional<ShownPicture> drawn;
    if (!kept || IsShown(shown, kept->name)) {
      drawn = DrawNotAmong(eligible, shown, random);
      if (!drawn) drawn = DrawNotAmong(eligible, {}, random);  // too few allowed: one repeats
    }
    if (kept && (!drawn || IsShown(shown, drawn->name))) drawn = kept;
    shown.push_back(drawn.value_or(shown.front()));
  }
  return shown;
}

}  // namespace

bool PictureEligibleNow(const PictureRecord& record, const LocalTime& now) {
  return record.state > 1 && now.weekday >= 0 && now.weekday <= 6 &&
         ((record.weekday_mask >> now.weekday) & 1) != 0 &&
         InRange(now.month, record.first_month, record.last_month) &&
         InRange(now.hour, record.first_hour, record.last_hour);
}

bool PictureMustChange(WallpaperRequest request, bool first_build, const PictureChoiceInput& input) {
  const Settings& settings = input.settings;
  if (request == WallpaperRequest::kNewPicture || settings.OldPic.empty()) return true;
  const PictureRecord* current = FindPictureRecord(input, settings.OldPic);
  if (current == nullptr || !PictureEligibleNow(*current, input.now)) return true;
  const bool new_day = input.now.day != settings.OldDay || input.now.month != settings.OldMonth;
  switch (settings.HGwechsel) {
    case 0:
      return first_build || request == WallpaperRequest::kRebuild;
    case 1:
      return new_day || input.now.hour != settings.OldHour;
    default:
      return new_day;
  }
}

std::vector<std::vector<ShownPicture>> ChooseWallpaperPictures(bool change, const PictureChoiceInput& input,
                                                               PictureChoiceGenerator& random, int attempts) {
  const std::vector<ShownPicture> eligible = EligiblePictures(input);
  std::vector<std::vector<ShownPicture>> candidates;
  if (!change || eligible.empty()) {
    // The picture shown, drawn again: nothing else may (or can) take its place.
    if (std::optional<ShownPicture> shown = Remembered(input.settings.OldPic, input)) {
      candidates.push_back(PicturesOfMonitors(*shown, change, input, eligible, random));
    }
    return candidates;
  }
  // Another picture than the one shown whenever one is allowed; the one shown comes last.
  const std::optional<ShownPicture> shown = Remembered(input.settings.OldPic, input);
  std::vector<ShownPicture> taken;
  if (shown) taken.push_back(*shown);
  while (static_cast<int>(candidates.size()) < attempts) {
    std::optional<ShownPicture> primary = DrawNotAmong(eligible, taken, random);
    if (!primary) break;
    taken.push_back(*primary);
    candidates.push_back(PicturesOfMonitors(*primary, change, input, eligible, random));
  }
  const auto allowed_shown = std::find_if(eligible.begin(), eligible.end(), [&](const ShownPicture& picture) {
    return shown && EqualIgnoringCase(picture.name, shown->name);
  });
  if (static_cast<int>(candidates.size()) < attempts && allowed_shown != eligible.end()) {
    candidates.push_back(PicturesOfMonitors(*allowed_shown, change, input, eligible, random));
  }
  return candidates;
}

std::string JoinPictureNames(const std::vector<ShownPicture>& shown, std::size_t monitors) {
  std::string names;
  for (std::size_t m = 0; m < monitors; ++m) {
    if (m > 0) names += kPictureNameSeparator;
    names += PictureOfMonitor(shown, m).name;
  }
  return names;
}

WallpaperJobResult RunWallpaperJob(const WallpaperJob& job, WallpaperPlatform& platform,
                                   const std::atomic<bool>& abandon) {
  WallpaperJobResult result;
  if (job.candidates.empty()) result.failure = WallpaperFailure::kNoPicture;
  for (const std::vector<ShownPicture>& shown : job.candidates) {
    if (abandon) break;
    const ComposeRequest request{.monitors = job.monitors,
                                 .pictures = shown,
                                 .true_colour = job.true_colour,
                                 .overlay = &job.overlay,
                                 .calendar_on_every_monitor = job.calendar_on_every_monitor};
    const RenderResult rendered = ComposeWallpaper(request, job.output_path, platform.Pictures());
    if (rendered.failure == RenderFailure::kFileNotWritten) {
      result.failure = WallpaperFailure::kFileNotWritten;
      break;
    }
    if (!rendered.written()) {
      result.failure = rendered.failure == RenderFailure::kOutOfMemory ? WallpaperFailure::kOutOfMemory
                                                                       : WallpaperFailure::kPictureUnusable;
      continue;
    }
    if (abandon) break;
    if (!platform.SetDesktopWallpaper(job.output_path, job.monitors.size() > 1)) {
      result.failure = WallpaperFailure::kRefused;
      break;
    }
    result.shown = shown;
    result.calendar_font_height = rendered.calendar_font_height;
    break;
  }
  return result;
}
