// The desktop icon captions: the shell's "Progman" window, its "SHELLDLL_DefView" child and that
// one's "SysListView32" list view, which shows the icons.
#include "wallpaper/desktop_icons_win.h"

#include <windows.h>
#include <commctrl.h>

namespace {

// No colour value has bits above the blue byte, so the first call always looks the windows up.
constexpr Colorref kNoColourYet = 0x10000;

HWND g_shell_window = nullptr;
HWND g_view_window = nullptr;
HWND g_list_view = nullptr;
Colorref g_last_colour = kNoColourYet;

void FindDesktopListView() {
  g_shell_window = FindWindowA("Progman", "Program Manager");
  g_view_window = g_shell_window != nullptr ? FindWindowExA(g_shell_window, nullptr, "SHELLDLL_DefView", nullptr)
                                            : nullptr;
  g_list_view = g_view_window != nullptr ? FindWindowExA(g_view_window, nullptr, "SysListView32", nullptr)
                                         : nullptr;
}

bool BackgroundIsTransparent() {
  return static_cast<COLORREF>(SendMessageA(g_list_view, LVM_GETTEXTBKCOLOR, 0, 0)) == CLR_NONE;
}

void ApplyColours(Colorref colour) {
  SendMessageA(g_list_view, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
  SendMessageA(g_list_view, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(colour));
  InvalidateRect(g_list_view, nullptr, TRUE);
  UpdateWindow(g_list_view);
}

}  // namespace

void ApplyDesktopIconColour(Colorref colour) {
  bool changed = colour != g_last_colour;
  // A restarted shell has a new list view; the cached one is then no window any more. Asking costs
  // no message to the shell.
  if (changed || (g_list_view != nullptr && !IsWindow(g_list_view))) FindDesktopListView();
  if (g_list_view == nullptr) return;
  if (!BackgroundIsTransparent() || changed) ApplyColours(colour);
  // The shell may have redrawn in between: make sure the background really is transparent now.
  if (!BackgroundIsTransparent()) ApplyColours(colour);
  g_last_colour = colour;
}
