// The wallpaper build on the Windows desktop: the monitors and their work areas, the colour depth of
// the display, wallpaper.bmp in application data\Varnholt\Kalvedra, the wallpaper set through
// SystemParametersInfo (spread across the monitors when there are several), and the built-in
// pictures from the program's resources.
#include "wallpaper/desktop_wallpaper_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/file_system.h"
#include "common/owned_handles_win.h"
#include "settings/registry_store_win.h"
#include "settings/settings_platform_win.h"

namespace {

// The registry key of the desktop's wallpaper style; "22" spreads one picture across all monitors.
constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kSpanStyle[] = "22";

// A list that cannot grow ends the enumeration: no exception may cross the system's callback.
BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM data) noexcept {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoA(handle, &info)) return TRUE;
  auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(data);
  const RECT& area = info.rcMonitor;
  Monitor monitor{.area = Rect{area.left, area.top, area.right, area.bottom},
                  .work_area_bottom = info.rcWork.bottom - area.top};
  try {
    // The primary monitor first, the others in the order the system lists them.
    if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) {
      monitors.insert(monitors.begin(), monitor);
    } else {
      monitors.push_back(monitor);
    }
  } catch (...) {
    return FALSE;
  }
  return TRUE;
}

// Writes the wallpaper style the desktop reads when the wallpaper is next set.
bool WriteWallpaperStyle(const char* style) {
  RegistrySettingsStore registry;
  return registry.WriteText(kDesktopKey, "WallpaperStyle", style) && registry.WriteText(kDesktopKey, "TileWallpaper", "0");
}

class WindowsWallpaperPlatform : public WallpaperPlatform {
 public:
  explicit WindowsWallpaperPlatform(BuiltinPictures& pictures) : pictures_(pictures) {}

  // The process is per-monitor DPI aware (manifest), so the rectangles are physical pixels.
  std::vector<Monitor> Monitors() override {
    std::vector<Monitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (!monitors.empty()) return monitors;
    // No monitor listed (a session without a display driver's list): the primary screen alone.
    RECT work_area{};
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const int bottom = SystemParametersInfoA(SPI_GETWORKAREA, 0, &work_area, 0) ? work_area.bottom : height;
    return {Monitor{.area = Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), height}, .work_area_bottom = bottom}};
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

  bool SetDesktopWallpaper(const std::string& path, bool span) override {
    // One monitor keeps the style the user has; several need the picture spread across them.
    if (span && !WriteWallpaperStyle(kSpanStyle)) return false;
    std::string writable = path;
    return SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, writable.data(),
                                 SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE) != 0;
  }

  void ShowWaitCursor(bool waiting) override {
    SetCursor(LoadCursor(nullptr, waiting ? IDC_WAIT : IDC_ARROW));
  }
  void Wait(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }
  BuiltinPictures& Pictures() override { return pictures_; }

 private:
  BuiltinPictures& pictures_;
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

bool BuildDesktopWallpaper(WallpaperRequest request, WallpaperBuildContext& context, Settings& settings,
                           SettingsStore& store, BuiltinPictures& pictures) {
  WindowsWallpaperPlatform platform(pictures);
  return BuildWallpaper(request, context, settings, store, platform);
}
