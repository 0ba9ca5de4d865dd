// The program's icon in the notification area: today's date on a yellow square (or the moon
// phase), with the date as its tooltip or a wait text while the wallpaper is being built.
#pragma once

#include <windows.h>

#include "calendar/clock.h"
#include "settings/settings.h"
#include "texts/text_table.h"
#include "wallpaper/wallpaper.h"

class TrayIcon {
 public:
  // The icon of the main window, shown in the moment's date (or moon phase, by the setting
  // Mondphasen) with the date in the regional format and the texts' language, and what became of
  // the wallpaper.
  TrayIcon(HWND main_window, const Clock& clock, const Settings& settings, const TextTable& text_table,
           const Wallpaper& wallpaper)
      : main_window_(main_window), clock_(clock), settings_(settings), text_table_(text_table), wallpaper_(wallpaper) {}
  // Deletes the icon.
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon at the first call (and again after the shell has lost it), modifies it at every
  // later one. The tooltip is MAIN / "WAIT" while a wallpaper is built, else the date, followed by
  // why the last build left the wallpaper as it was. False when the shell refused the icon.
  bool Update();
  // The shell has restarted (the taskbar was made anew): the icon is added again at the next update.
  void ShellRestarted() { add_pending_ = true; }

 private:
  HWND main_window_;
  const Clock& clock_;
  const Settings& settings_;
  const TextTable& text_table_;
  const Wallpaper& wallpaper_;
  // Set until the shell has accepted the icon: an icon the shell refused (for example because the
  // taskbar is not there yet at logon) is added again at the next update instead of being modified.
  bool add_pending_ = true;
};
