// The options dialog: a modal property sheet with one page per group of settings (General, Desktop,
// Pictures, Alarm, Notes, Hotkeys). Each page edits the settings in memory and writes them at OK or
// Apply; what the main window has to do afterwards is handed back in the context.
#pragma once

#include <windows.h>

#include <span>

#include "alarm/alarm_clock_win.h"
#include "calendar/clock.h"
#include "options/hotkeys.h"
#include "settings/settings.h"
#include "texts/help_win.h"
#include "texts/text_table.h"
#include "wallpaper/picture_render.h"

struct OptionsContext {
  const Clock* clock;
  Settings* settings;
  // The store, the program file's path, and the reload of every setting when the sheet opens.
  SettingsPlatform* platform;
  // The window the hotkeys are registered for, and the program's hotkey slots.
  HWND hotkey_window;
  HotkeySlots* hotkeys;
  AlarmClock* alarm;
  BuiltinPictures* pictures;
  HICON date_icon;  // today's 32 x 32 date icon, shown at the top left of every page
  // The program's texts, whose language the General page switches, and its help.
  TextTable* text_table;
  const HtmlHelp* help;
  // The tabs' titles in tab order; OpenOptions sets them for its pages.
  std::span<const TextEntry> page_titles = {};

  // Set by the pages' Apply; the main window acts on them once the sheet has closed.
  bool rebuild_wallpaper = false;
  bool rescan_notes = false;
};

// Reloads the settings from the store and runs the sheet, starting at the General page, until OK,
// Cancel or the close box ends it. False when the common controls cannot be initialised (the sheet
// does not open then).
bool OpenOptions(HWND owner, OptionsContext& context);
