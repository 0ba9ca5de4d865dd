// The wallpaper build: decides by the change policy whether the picture changes, draws a picture at
// random among those allowed now, renders it with the month into wallpaper.bmp, makes it the desktop
// wallpaper and remembers which picture is shown and when it was chosen.
#pragma once

#include <string>

#include "calendar/clock.h"
#include "settings/settings.h"
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

// The wallpaper file's name in the output folder.
inline constexpr char kWallpaperFileName[] = "wallpaper.bmp";

// Set when the program starts; the first build clears it. Under the policy "at every program start"
// it makes the first build of a run change the picture.
void SetFirstBuildPending(bool pending);

// Whether the record may be chosen at this time: state above 1, the weekday allowed, and the month
// and hour inside their ranges (a range whose end lies before its start runs across the new year or
// midnight).
bool PictureEligibleNow(const PictureRecord& record, const LocalTime& now);

// rebuild: draw the calendar again even if the picture stays (the date changed, the options were
// applied, or the user asked for a new picture). 1 when nothing had to be done or the last render
// succeeded, 0 when every attempt failed.
int BuildWallpaper(bool rebuild, Settings& settings, SettingsStore& store, WallpaperPlatform& platform);
