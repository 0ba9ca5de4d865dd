// The steps of one wallpaper build. On the owner's thread: the change policy decides whether the
// picture changes, and the pictures are chosen at random among those allowed now (one for every
// monitor, or one of its own for each) from the picture list read once. On a worker thread: the
// chosen pictures composed with the month into wallpaper.bmp and made the desktop wallpaper. The
// object that runs these steps and remembers what is shown is Wallpaper (wallpaper/wallpaper.h).
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calendar/clock.h"
#include "settings/settings.h"
#include "wallpaper/month_overlay.h"
#include "wallpaper/picture_choice.h"
#include "wallpaper/picture_record.h"
#include "wallpaper/picture_render.h"
#include "wallpaper/wallpaper_compose.h"

// What the wallpaper needs from the desktop it runs on.
class WallpaperPlatform {
 public:
  virtual ~WallpaperPlatform() = default;
  // On the owner's thread, as a build is planned: the monitors in physical pixels, the primary
  // first, each work area's bottom being where the month is drawn above that monitor's taskbar
  // (empty when none can be had); whether the display shows more than 65536 colours; the folder
  // that holds wallpaper.bmp (created when missing).
  virtual std::vector<Monitor> Monitors() = 0;
  virtual bool TrueColour() = 0;
  virtual std::string OutputFolder() = 0;
  // On the worker's thread: makes the file the desktop wallpaper, spread across all monitors when
  // span (the file covers the virtual screen), false when the desktop refused it; and the built-in
  // pictures C01X ..., which are only read.
  virtual bool SetDesktopWallpaper(const std::string& path, bool span) = 0;
  virtual BuiltinPictures& Pictures() = 0;
  // Runs job on a thread of its own; once it has returned, the owner's thread is made to call
  // Wallpaper::BuildEnded (on Windows by a message to the main window). One job at a time.
  virtual void StartWorker(std::function<void()> job) = 0;
  // Waits until the job started last has returned; at once when none runs.
  virtual void WaitForWorker() = 0;
};

// What the wallpaper is asked for, weakest first: requests that meet while a build runs become one
// build of the strongest.
enum class WallpaperRequest {
  kCheck,       // the periodic check: a wallpaper when the change policy changes the picture or the
                // date drawn is no longer today's
  kRedraw,      // the monitors or the texts changed: the pictures shown drawn again, none drawn anew
  kRebuild,     // the calendar drawn again (the options were applied); the change policy decides
                // about the picture
  kNewPicture,  // a new picture now, whatever the policy says
};

// Why a build left the wallpaper as it was.
enum class WallpaperFailure {
  kNoMonitor,        // the desktop listed no monitor
  kNoPicture,        // no picture is allowed now and none is shown
  kPictureUnusable,  // every picture tried was missing, unreadable or could not be scaled
  kOutOfMemory,
  kFileNotWritten,   // wallpaper.bmp could not be written
  kRefused,          // the desktop did not take the file
};

// The wallpaper file's name in the output folder.
inline constexpr char kWallpaperFileName[] = "wallpaper.bmp";

// Whether the record may be chosen at this time: state above 1, the weekday allowed, and the month
// and hour inside their ranges (a range whose end lies before its start runs across the new year or
// midnight).
bool PictureEligibleNow(const PictureRecord& record, const LocalTime& now);

// What the choice of pictures reads: the picture list (nothing when it cannot be read), the
// settings (BuiltinPictureCount, BildProMonitor and the pictures shown, OldPic and OldPics) and the
// moment.
struct PictureChoiceInput {
  const std::optional<std::vector<PictureRecord>>& records;
  const Settings& settings;
  const LocalTime& now;
  std::size_t monitors = 1;
};

// Whether the policy (HGwechsel) changes the picture now: always when none is shown or the shown
// one is no longer allowed; under "at every program start" at the run's first build and at every
// rebuild, "every full hour" at a new hour or day, "once a day" at a new day (OldDay, OldMonth,
// OldHour being the time of the last change).
bool PictureMustChange(WallpaperRequest request, bool first_build, const PictureChoiceInput& input);

// The pictures to try in turn, the first being the choice. Without a change: the pictures shown,
// each with its own record (the default record when the list has none). With a change: a random
// one among those allowed now for the primary monitor, the one shown only when no other is allowed,
// then up to attempts - 1 others as replacements should it fail to render, the one shown last; with a picture of its own on each monitor, the others are
// drawn among the pictures allowed now that no other monitor shows (repeats only when too few are
// allowed), a monitor keeping its shown picture while the primary's stays. A monitor without a
// shown picture gets one drawn. Empty when there is no picture at all.
std::vector<std::vector<ShownPicture>> ChooseWallpaperPictures(bool change, const PictureChoiceInput& input,
                                                               PictureChoiceGenerator& random, int attempts);

// The monitors' picture names as OldPics keeps them, separated by '|'.
std::string JoinPictureNames(const std::vector<ShownPicture>& shown, std::size_t monitors);

// Everything the worker needs, copied from the owner's state so that the options may change the
// settings meanwhile.
struct WallpaperJob {
  std::vector<Monitor> monitors;
  std::vector<std::vector<ShownPicture>> candidates;  // tried in turn until one is on the desktop
  MonthOverlay overlay;
  bool true_colour = true;
  bool calendar_on_every_monitor = true;
  std::string output_path;
};

struct WallpaperJobResult {
  std::optional<std::vector<ShownPicture>> shown;  // the pictures now on the desktop
  std::optional<int> calendar_font_height;          // the height the month was fitted to
  WallpaperFailure failure = WallpaperFailure::kPictureUnusable;  // why, when nothing is shown
};

// The worker's part: composes the candidates in turn until one renders and the desktop takes it. A
// picture that cannot be rendered or runs out of memory gives way to the next; a file that cannot
// be written or a desktop that refuses it ends the job. Nothing more is begun once abandon is set;
// the file is replaced through a temporary file, so it is never left half-written.
WallpaperJobResult RunWallpaperJob(const WallpaperJob& job, WallpaperPlatform& platform,
                                   const std::atomic<bool>& abandon);
