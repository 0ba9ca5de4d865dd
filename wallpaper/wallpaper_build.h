// The wallpaper build: decides by the change policy whether the picture changes, draws a picture at
// random among those allowed now (or one for each monitor), composes it with the month into
// wallpaper.bmp for every monitor, makes it the desktop wallpaper and remembers which pictures are
// shown and when they were chosen.
#pragma once

#include <string>
#include <vector>

#include "calendar/clock.h"
#include "settings/settings.h"
#include "wallpaper/picture_choice.h"
#include "wallpaper/picture_record.h"
#include "wallpaper/picture_render.h"
#include "wallpaper/wallpaper_compose.h"

// What the build needs from the desktop it runs on.
class WallpaperPlatform {
 public:
  virtual ~WallpaperPlatform() = default;
  // The monitors in physical pixels, the primary first; each work area's bottom is where the month is
  // drawn above that monitor's taskbar. Empty when none can be had.
  virtual std::vector<Monitor> Monitors() = 0;
  // Whether the display shows more than 65536 colours.
  virtual bool TrueColour() = 0;
  // The folder that holds wallpaper.bmp (created when missing).
  virtual std::string OutputFolder() = 0;
  // Makes the file the desktop wallpaper, spread across all monitors when span (the file covers the
  // virtual screen); false when the desktop refused it.
  virtual bool SetDesktopWallpaper(const std::string& path, bool span) = 0;
  // The wait cursor while the build works, the arrow afterwards.
  virtual void ShowWaitCursor(bool waiting) = 0;
  // A plain pause; the build processes no messages meanwhile.
  virtual void Wait(int milliseconds) = 0;
  // The built-in pictures C01X ...
  virtual BuiltinPictures& Pictures() = 0;
};

// What one run of the program keeps from build to build, the clock the builds read and the texts
// they draw the month's name in.
struct WallpaperBuildContext {
  const Clock& clock;
  const TextTable& text_table;
  PictureChoiceGenerator random;  // seeded once at start (PictureChoiceSeed)
  // Set when the program starts; cleared by the first build that has nothing to do or sets a
  // wallpaper. Under the policy "at every program start" it makes the first build of a run change
  // the picture.
  bool first_build_pending = true;
};

// What a build is asked for.
enum class WallpaperRequest {
  kCheck,    // the periodic check: a wallpaper only when the change policy changes the picture
  kRebuild,  // the calendar drawn again (the date changed, the options were applied, a new picture was
             // asked for); the change policy decides about the picture
  kRedraw,   // the monitors changed: the pictures shown drawn again for the new layout, none drawn anew
};

// The wallpaper file's name in the output folder.
inline constexpr char kWallpaperFileName[] = "wallpaper.bmp";

// Whether the record may be chosen at this time: state above 1, the weekday allowed, and the month
// and hour inside their ranges (a range whose end lies before its start runs across the new year or
// midnight).
bool PictureEligibleNow(const PictureRecord& record, const LocalTime& now);

// The clock is read once: the picture's choice and the month drawn belong to the same moment. With a
// picture of its own on each monitor, the others are drawn among the pictures allowed now that no
// other monitor shows (repeats only when too few are allowed); a monitor without a remembered picture
// gets one drawn even on a redraw. True when nothing had to be done or a wallpaper was
// rendered and the desktop took it; false when every attempt failed. The remembered picture and
// time (memory and store) change only with a wallpaper the desktop took, so a failed build is tried
// again at the next one.
[[nodiscard]] bool BuildWallpaper(WallpaperRequest request, WallpaperBuildContext& context, Settings& settings,
                                  SettingsStore& store, WallpaperPlatform& platform);
