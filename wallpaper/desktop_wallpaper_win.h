// The wallpaper on the Windows desktop: the monitors and their work areas, the colour depth of the
// display, wallpaper.bmp in application data\Varnholt\Kalvedra, the wallpaper set through
// SystemParametersInfo (spread across the monitors when there are several), the built-in pictures
// from the program's resources, and the worker thread that composes.
#pragma once

#include <windows.h>

#include <functional>

#include "common/owned_handles_win.h"
#include "wallpaper/wallpaper_build.h"

class DesktopWallpaperPlatform final : public WallpaperPlatform {
 public:
  explicit DesktopWallpaperPlatform(BuiltinPictures& pictures) : pictures_(pictures) {}
  // A job still running is waited for.
  ~DesktopWallpaperPlatform() override { WaitForWorker(); }
  DesktopWallpaperPlatform(const DesktopWallpaperPlatform&) = delete;
  DesktopWallpaperPlatform& operator=(const DesktopWallpaperPlatform&) = delete;

  // The window that is posted message when a job has returned (the main window, once it is made).
  void AnnounceTo(HWND window, UINT message) {
    announce_window_ = window;
    announce_message_ = message;
  }

  std::vector<Monitor> Monitors() override;
  bool TrueColour() override;
  std::string OutputFolder() override;
  bool SetDesktopWallpaper(const std::string& path, bool span) override;
  BuiltinPictures& Pictures() override { return pictures_; }
  void StartWorker(std::function<void()> job) override;
  // Messages other threads send to this thread's windows are answered meanwhile: the worker's
  // change notice to every window must not wait for this thread.
  void WaitForWorker() override;

 private:
  static DWORD WINAPI RunJob(void* platform) noexcept;

  BuiltinPictures& pictures_;
  HWND announce_window_ = nullptr;
  UINT announce_message_ = 0;
  std::function<void()> job_;
  OwnedKernelHandle worker_;
};

// Whether the screen shows more than 65536 colours; a 16-bit display (exactly 65536) does not, and
// its wallpaper is reduced to 15-bit colour.
bool DisplayIsTrueColour();
