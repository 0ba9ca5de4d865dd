// The window messages, timers and tray icon identity through which the main window talks to itself,
// the tray and a second start of the program (WM_APP = 32768 plus an offset).
#pragma once

inline constexpr unsigned kWmApp = 0x8000;

inline constexpr unsigned MSG_TRAY_NOTIFY = kWmApp + 0x44C;    // tray icon -> main window
inline constexpr unsigned MSG_SHOW_MAIN = kWmApp + 0x44D;      // second start -> main window
inline constexpr unsigned MSG_QUIT_MAIN = kWmApp + 0x44E;      // second start with "EXIT" -> main window
inline constexpr unsigned MSG_SET_TEXTS = kWmApp + 0x466;      // main window -> itself
inline constexpr unsigned MSG_WALLPAPER_BUILT = kWmApp + 0x468;  // the wallpaper's worker -> main window

static_assert(MSG_TRAY_NOTIFY == 33868 && MSG_SET_TEXTS == 33894);

// The main window's timers.
inline constexpr unsigned TIMER_CHECK = 200;      // the periodic check
inline constexpr unsigned TIMER_ICONCOLOR = 201;  // the desktop icon caption colour
inline constexpr unsigned TIMER_DISPLAY = 202;    // the wait after a change of the monitors
inline constexpr unsigned kFirstCheckDelay = 5000;
inline constexpr unsigned kCheckPeriod = 30000;
inline constexpr unsigned kDisplaySettleDelay = 2000;
inline constexpr unsigned kIconColourPeriod = 250;

// The hotkey ids the main window acts on.
inline constexpr int HOTKEY_NEW_PICTURE = 200;
inline constexpr int HOTKEY_ALARM_EDITOR = 201;
inline constexpr int HOTKEY_NOTE = 202;
inline constexpr int HOTKEY_CALENDAR = 203;
inline constexpr int HOTKEY_SHOW_WINDOW = 204;

// The tray icon's id with the main window as its owner.
inline constexpr unsigned kTrayIconId = 2000;

// The main window's title, through which a second start finds the first.
inline constexpr char kMainWindowTitle[] = "Quellmoor";
// The instance mutex of the logged-on user.
inline constexpr char kInstanceMutexName[] = "VarnholtQuellmoorMutex";
