// The wallpaper build: decides by the change policy whether the picture changes, draws a picture at
// random among those allowed now, renders it with the month into wallpaper.bmp, makes it the desktop
// wallpaper and remembers which picture is shown and when it was chosen.
#pragma once

#include <string>

#include "calendar/clock.h"
#include "settings/settings.h"
#include "wallpaper/picture_choice.h"
#include "wallpaper/picture_record.h"
#include "wallpaper/picture_render.h"

// What the build needs from the desktop it runs on.
class WallpaperPlatform {
 public:
  virtual ~WallpaperPlatform() = default;
  // The screen size in pixels.
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
  // The bottom of the work area: the month is drawn above the taskbar.
  virtual int WorkAreaBottom() = 0;
  // Whether the display shows more than 65536 colours.
  virtual bool TrueColour() = 0;
  // The folder that holds wallpaper.bmp (created when missing).
  virtual std::string OutputFolder() = 0;
  // Makes the file the desktop wallpaper; false when the desktop refused it.
  virtual bool SetDesktopWallpaper(const std::string& path) = 0;
  // The wait cursor while the build works, the arrow afterwards.
  virtual void ShowWaitCursor(bool waiting) = 0;
  // A plain pause; the build processes no messages meanwhile.
  virtual void Wait(int milliseconds) = 0;
  // The built-in pictures C01X ...
  virtual BuiltinPictures& Pictures() = 0;
};

// What one run of the program keeps from build to build, and the clock the builds read.
struct WallpaperBuildContext {
  const Clock& clock;
  PictureChoiceGenerator random;  // seeded once at start (PictureChoiceSeed)
  // Set when the program starts; cleared by the first build that has nothing to do or sets a
  // wallpaper. Under the policy "at every program start" it makes the first build of a run change
  // the picture.
  bool first_build_pending = true;
};

// The wallpaper file's name in the output folder.
inline constexpr char kWallpaperFileName[] = "wallpaper.bmp";

// Whether the record may be chosen at this time: state above 1, the weekday allowed, and the month
// and hour inside their ranges (a range whose end lies before its start runs across the new year or
// midnight).
bool PictureEligibleNow(const PictureRecord& record, const LocalTime& now);

// rebuild: draw the calendar again even if the picture stays (the date changed, the options were
// applied, or the user asked for a new picture). The clock is read once: the picture's choice and the
// month drawn belong to the same moment. True when nothing had to be done or a wallpaper was
// rendered and the desktop took it; false when every attempt failed. The remembered picture and
// time (memory and store) change only with a wallpaper the desktop took, so a failed build is tried
// again at the next one.
[[nodiscard]] bool BuildWallpaper(bool rebuild, WallpaperBuildContext& context, Settings& settings,
                                  SettingsStore& store, WallpaperPlatform& platform);
