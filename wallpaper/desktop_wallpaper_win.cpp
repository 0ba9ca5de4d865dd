// The wallpaper build on the Windows desktop: screen size, work area and colour depth from the
// display, wallpaper.bmp in application data\Varnholt\Kalvedra, the wallpaper set through
// SystemParametersInfo, and the built-in pictures from the program's resources.
#include "wallpaper/desktop_wallpaper_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "common/file_system.h"
#include "common/owned_handles_win.h"
#include "settings/settings_platform_win.h"
#include "wallpaper/builtin_pictures_win.h"

namespace {

class WindowsWallpaperPlatform : public WallpaperPlatform {
 public:
  int ScreenWidth() override { return GetSystemMetrics(SM_CXSCREEN); }
  int ScreenHeight() override { return GetSystemMetrics(SM_CYSCREEN); }

  int WorkAreaBottom() override {
    RECT work_area{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work_area, 0)) return ScreenHeight();
    return work_area.bottom;
  }

  bool TrueColour() override { return DisplayIsTrueColour(); }

  // application data\Varnholt\Kalvedra, each level created; the program's own folder when the
  // application data folder cannot be had.
  std::string OutputFolder() override {
    WindowsSettingsPlatform folders;
    std::string folder = folders.ApplicationDataFolder();
    if (folder.empty()) {
      std::string program = folders.ProgramFilePath();
      return program.substr(0, program.find_last_of('\\') + 1);
    }
    for (const char* level : {"Varnholt", "Kalvedra"}) {
      folder = JoinPath(folder, level);
      MakeFolder(folder);
    }
    return folder;
  }

  bool SetDesktopWallpaper(const std::string& path) override {
    std::string writable = path;
    return SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, writable.data(),
                                 SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE) != 0;
  }

  void ShowWaitCursor(bool waiting) override {
    SetCursor(LoadCursor(nullptr, waiting ? IDC_WAIT : IDC_ARROW));
  }
  void Wait(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }
  BuiltinPictures& Pictures() override { return ProgramResourcePictures(); }
};

}  // namespace

bool DisplayIsTrueColour() {
  const ScreenDc screen;
  if (screen.get() == nullptr) return true;
  const int planes = GetDeviceCaps(screen.get(), PLANES);
  const int bits = GetDeviceCaps(screen.get(), BITSPIXEL);
  const int colours = GetDeviceCaps(screen.get(), NUMCOLORS);
  if (colours >= 0) return colours == 0 || colours > 65536;
  // No palette: 2 ^ (planes x bits), with at most 24 bits per plane; counted in 64 bits, where the
  // exponent could pass 31.
  int exponent = planes * std::min(bits, 24);
  if (exponent <= 0) return false;  // a single colour
  if (exponent >= 63) return true;
  std::uint64_t count = std::uint64_t{1} << exponent;
  return count > 65536;
}

bool BuildDesktopWallpaper(bool rebuild, WallpaperBuildContext& context, Settings& settings, SettingsStore& store) {
  WindowsWallpaperPlatform platform;
  return BuildWallpaper(rebuild, context, settings, store, platform);
}
