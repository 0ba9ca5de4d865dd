// The wallpaper on the Windows desktop and its worker thread.
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

}  // namespace

// The process is per-monitor DPI aware (manifest), so the rectangles are physical pixels.
std::vector<Monitor> DesktopWallpaperPlatform::Monitors() {
  std::vector<Monitor> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  if (!monitors.empty()) return monitors;
  // No monitor listed (a session without a display driver's list): the primary screen alone.
  RECT work_area{};
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const int bottom = SystemParametersInfoA(SPI_GETWORKAREA, 0, &work_area, 0) ? work_area.bottom : height;
  return {Monitor{.area = Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), height}, .work_area_bottom = bottom}};
}

bool DesktopWallpaperPlatform::TrueColour() { return DisplayIsTrueColour(); }

// application data\Varnholt\Kalvedra, each level created; the program's own folder when the
// application data folder cannot be had.
std::string DesktopWallpaperPlatform::OutputFolder() {
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

bool DesktopWallpaperPlatform::SetDesktopWallpaper(const std::string& path, bool span) {
  // One monitor keeps the style the user has; several need the picture spread across them.
  if (span && !WriteWallpaperStyle(kSpanStyle)) return false;
  std::string writable = path;
  return SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, writable.data(), SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE) != 0;
}

DWORD WINAPI DesktopWallpaperPlatform::RunJob(void* platform) noexcept {
  auto& self = *static_cast<DesktopWallpaperPlatform*>(platform);
  try {
    self.job_();
  } catch (...) {
    // The job reports its own failures; nothing may leave the thread.
  }
  if (self.announce_window_ != nullptr) PostMessageA(self.announce_window_, self.announce_message_, 0, 0);
  return 0;
}

void DesktopWallpaperPlatform::StartWorker(std::function<void()> job) {
  WaitForWorker();
  job_ = std::move(job);
  worker_.reset(CreateThread(nullptr, 0, RunJob, this, 0, nullptr));
  // Without a thread the job runs here; its end is announced all the same.
  if (!worker_) RunJob(this);
}

void DesktopWallpaperPlatform::WaitForWorker() {
  if (!worker_) return;
  HANDLE worker = worker_.get();
  while (MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  worker_.reset();
}

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
