// The wallpaper build: the change decision, the random choice among the pictures allowed now, the
// render into wallpaper.bmp with up to 16 attempts, and the remembered picture and time.
#include "wallpaper/wallpaper_build.h"

#include <optional>

#include "common/file_system.h"
#include "wallpaper/month_overlay.h"
#include "wallpaper/picture_choice.h"
#include "wallpaper/picture_list.h"

namespace {

bool g_first_build_pending = true;

constexpr int kAttempts = 16;
constexpr int kDrawsPerAttempt = 30;
constexpr int kWaitAfterDraw = 10;        // milliseconds
constexpr int kWaitBetweenAttempts = 25;  // milliseconds

// The picture to render: its name, and whether it is a built-in picture or a file.
struct Choice {
  std::string name;
  bool builtin = false;
};

// Code page 1252 letters in lower case, so that names compare as Windows compares them.
unsigned char LowerCase(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
    return static_cast<unsigned char>(c + 0x20);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 0x10);
  if (c == 0x9F) return 0xFF;
  return c;
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerCase(static_cast<unsigned char>(a[i])) != LowerCase(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

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
    if (SameName(record.PictureName(), name)) return record;
  }
  return std::nullopt;
}

// Whether the picture must change now; record receives the current picture's record when found.
bool PictureMustChange(bool rebuild, const Settings& settings, const std::string& list, const LocalTime& now,
                       PictureRecord& record) {
  if (settings.OldPic.empty()) return true;
  std::optional<PictureRecord> current = FindPictureRecord(list, settings.OldPic);
  if (!current) return true;
  record = *current;
  if (!PictureEligibleNow(record, now)) return true;
  bool new_day = now.day != settings.OldDay || now.month != settings.OldMonth;
  switch (settings.HGwechsel) {
    case 0:
      return g_first_build_pending || rebuild;
    case 1:
      return new_day || now.hour != settings.OldHour;
    default:
      return new_day;
  }
}

// The picture of this attempt; record receives the record whose fit mode and adjustments apply.
// Nothing when there is none (no eligible draw and no picture shown before).
std::optional<Choice> ChoosePicture(bool change, const Settings& settings, const std::string& list,
                                    const LocalTime& now, PictureRecord& record,
                                    WallpaperPlatform& platform) {
  std::optional<int> count = change ? PictureCount(list) : std::nullopt;
  if (count && *count > 0) {
    for (int draw = 0; draw < kDrawsPerAttempt; ++draw) {
      int index = static_cast<int>(NextPictureChoice() % static_cast<std::uint32_t>(*count));
      PictureRecord drawn;
      bool read = ReadPictureRecord(list, index, drawn);
      platform.Wait(kWaitAfterDraw);
      if (read && PictureEligibleNow(drawn, now)) {
        record = drawn;
        return Choice{drawn.PictureName(), index < settings.BuiltinPictureCount};
      }
    }
    // No draw was eligible: the picture shown now is rendered again, with its own record.
    if (!settings.OldPic.empty()) record = FindPictureRecord(list, settings.OldPic).value_or(PictureRecord{});
  }
  if (settings.OldPic.empty()) return std::nullopt;
  // Built-in resource names are four characters long ("C01X").
  return Choice{settings.OldPic, settings.OldPic.size() == 4};
}

bool RenderChoice(const Choice& choice, const std::string& output_path, const PictureRecord& record,
                  Settings& settings, WallpaperPlatform& platform) {
  MonthOverlay overlay;
  overlay.font = &settings.calendar_font;
  overlay.region = settings.Feiertage;
  overlay.work_area_bottom = platform.WorkAreaBottom();
  overlay.today = LocalNow();
  RenderRequest request;
  request.screen_width = platform.ScreenWidth();
  request.screen_height = platform.ScreenHeight();
  request.true_colour = platform.TrueColour();
  request.overlay = &overlay;
  if (choice.builtin) {
    return RenderBuiltinPicture(choice.name, output_path, record, request, platform.Pictures());
  }
  return RenderPictureFile(choice.name, output_path, record, request);
}

}  // namespace

void SetFirstBuildPending(bool pending) { g_first_build_pending = pending; }

bool PictureEligibleNow(const PictureRecord& record, const LocalTime& now) {
  return record.state > 1 && now.weekday >= 0 && now.weekday <= 6 &&
         ((record.weekday_mask >> now.weekday) & 1) != 0 &&
         InRange(now.month, record.first_month, record.last_month) &&
         InRange(now.hour, record.first_hour, record.last_hour);
}

int BuildWallpaper(bool rebuild, Settings& settings, SettingsStore& store, WallpaperPlatform& platform) {
  const LocalTime now = LocalNow();
  const std::string list = PictureListPath(settings);
  PictureRecord record;
  bool change = PictureMustChange(rebuild, settings, list, now, record);

  // Remembered in memory at once; the store learns them only with a successful render.
  settings.OldHour = now.hour;
  settings.OldDay = now.day;
  settings.OldMonth = now.month;
  g_first_build_pending = false;
  if (!change && !rebuild) return 1;

  platform.ShowWaitCursor(true);
  bool rendered = false;
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    std::optional<Choice> choice = ChoosePicture(change, settings, list, now, record, platform);
    std::string output_path = JoinPath(platform.OutputFolder(), kWallpaperFileName);
    rendered = choice && RenderChoice(*choice, output_path, record, settings, platform);
    if (rendered) {
      // The state is stored only once the desktop shows the new file.
      if (platform.SetDesktopWallpaper(output_path)) {
        settings.OldPic = choice->name;
        SaveChangeState(settings, store);
      }
      break;
    }
    if (attempt < kAttempts) platform.Wait(kWaitBetweenAttempts);
  }
  platform.ShowWaitCursor(false);
  return rendered ? 1 : 0;
}
