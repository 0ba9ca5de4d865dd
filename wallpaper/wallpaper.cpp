// The wallpaper of the running program: requests merged and held, each build planned here and run
// by the platform's worker, and its result remembered.
#include "wallpaper/wallpaper.h"

#include <algorithm>
#include <iterator>
#include <new>

#include "common/file_system.h"
#include "wallpaper/month_overlay.h"
#include "wallpaper/picture_list.h"
#include "wallpaper/picture_list_edit.h"

namespace {

// The pictures tried in one build when the picture changes and one after the other fails.
constexpr int kAttempts = 16;

// The picture list read once for the build; nothing when it cannot be read.
std::optional<std::vector<PictureRecord>> ReadRecords(const Settings& settings) {
  std::optional<PictureList> list = ReadPictureList(PictureListPath(settings));
  if (!list) return std::nullopt;
  return std::move(list->records);
}

}  // namespace

Wallpaper::Wallpaper(const Clock& clock, const TextTable& text_table, Settings& settings, SettingsStore& store,
                     WallpaperPlatform& platform, PictureChoiceGenerator random)
    : start_build([this](WallpaperRequest request) { Build(request); }),
      clock_(clock),
      text_table_(text_table),
      settings_(settings),
      store_(store),
      platform_(platform),
      random_(random) {}

Wallpaper::~Wallpaper() {
  abandon_ = true;
  platform_.WaitForWorker();
}

void Wallpaper::Request(WallpaperRequest request) {
  waiting_ = waiting_ ? std::max(*waiting_, request) : request;
  StartWaitingRequest();
}

void Wallpaper::Hold(bool held) {
  held_ = held;
  StartWaitingRequest();
}

void Wallpaper::StartWaitingRequest() {
  if (held_ || building_ || !waiting_) return;
  const WallpaperRequest request = *waiting_;
  waiting_.reset();
  start_build(request);
}

void Wallpaper::RememberDecision(const LocalTime& now) {
  settings_.OldHour = now.hour;
  settings_.OldDay = now.day;
  settings_.OldMonth = now.month;
}

void Wallpaper::Build(WallpaperRequest request) {
  // The clock is read once: the picture's choice and the month drawn belong to the same moment.
  const LocalTime now = clock_.Now();
  const DrawnDate today{now.day, now.month, now.year};
  const std::optional<std::vector<PictureRecord>> records = ReadRecords(settings_);
  PictureChoiceInput input{.records = records, .settings = settings_, .now = now};
  // A redraw changes the picture only when none is shown yet.
  const bool change = request == WallpaperRequest::kRedraw ? settings_.OldPic.empty()
                                                           : PictureMustChange(request, first_build_pending_, input);
  first_build_pending_ = false;
  // A check draws when the picture changes or the month drawn is not today's.
  if (!change && request == WallpaperRequest::kCheck && drawn_date_ == today) {
    RememberDecision(now);
    return;
  }
  drawn_date_ = today;
  const std::vector<Monitor> monitors = platform_.Monitors();
  if (monitors.empty()) {
    failure_ = WallpaperFailure::kNoMonitor;
    return;
  }
  input.monitors = monitors.size();
  job_ = WallpaperJob{.monitors = monitors,
                      .candidates = ChooseWallpaperPictures(change, input, random_, kAttempts),
                      .overlay = MonthOverlay{.font = settings_.calendar_font,
                                             .region = settings_.Feiertage,
                                             .today = now,
                                             .month_name = MonthName(now.month, text_table_)},
                      .true_colour = platform_.TrueColour(),
                      .calendar_on_every_monitor = settings_.KalenderMonitore != 0,
                      .output_path = JoinPath(platform_.OutputFolder(), kWallpaperFileName)};
  // A redraw of the same pictures leaves the time of the last change as it was, so that a change
  // the policy has due still comes at its time.
  remember_time_ = change || request != WallpaperRequest::kRedraw;
  decided_at_ = now;
  building_ = true;
  platform_.StartWorker([this] {
    try {
      result_ = RunWallpaperJob(job_, platform_, abandon_);
    } catch (const std::bad_alloc&) {
      result_ = WallpaperJobResult{};
      result_.failure = WallpaperFailure::kOutOfMemory;
    } catch (...) {
      result_ = WallpaperJobResult{};
    }
  });
}

void Wallpaper::BuildEnded() {
  if (!building_) return;
  building_ = false;
  if (remember_time_) RememberDecision(decided_at_);
  if (result_.shown) {
    settings_.OldPic = result_.shown->front().name;
    settings_.OldPics = JoinPictureNames(*result_.shown, job_.monitors.size());
    // The next build starts from the font height the month was fitted to.
    if (result_.calendar_font_height) settings_.calendar_font.height = *result_.calendar_font_height;
    SaveChangeState(settings_, store_);
    failure_.reset();
  } else {
    failure_ = result_.failure;
  }
  StartWaitingRequest();
}

std::string WallpaperFailureText(WallpaperFailure failure, const TextTable& text_table) {
  // In the order of WallpaperFailure.
  static constexpr const TextEntry* kReasons[] = {&texts::MAIN_BILD_KEINMONITOR, &texts::MAIN_BILD_KEINBILD,
                                                  &texts::MAIN_BILD_UNLESBAR,    &texts::MAIN_BILD_SPEICHER,
                                                  &texts::MAIN_BILD_DATEI,       &texts::MAIN_BILD_ABGELEHNT};
  static_assert(std::size(kReasons) == static_cast<std::size_t>(WallpaperFailure::kRefused) + 1);
  return text_table.LookupText(texts::MAIN_BILDFEHLER) + " " +
         text_table.LookupText(*kReasons[static_cast<std::size_t>(failure)]);
}
