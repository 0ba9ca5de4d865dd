// The desktop icon captions: the shell's "Progman" window, its "SHELLDLL_DefView" child and that
// one's "SysListView32" list view, which shows the icons. The list view lives in the shell's process,
// so every message to it is sent with a time limit.
#include "app/desktop_icons_win.h"

#include <commctrl.h>

namespace {

// How long one message may wait for the shell; a shell that takes longer skips this update.
constexpr UINT kShellAnswerTimeout = 100;  // milliseconds

HWND FindDesktopListView() {
  HWND shell = FindWindowA("Progman", "Program Manager");
  HWND view = shell != nullptr ? FindWindowExA(shell, nullptr, "SHELLDLL_DefView", nullptr) : nullptr;
  return view != nullptr ? FindWindowExA(view, nullptr, "SysListView32", nullptr) : nullptr;
}

// The list view's answer, or nothing when it did not answer in time (or is hung).
std::optional<LRESULT> AskListView(HWND list_view, UINT message, LPARAM lparam) {
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutA(list_view, message, 0, lparam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kShellAnswerTimeout,
                          &answer) == 0) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(answer);
}

// Whether the text background is transparent; nothing when the shell did not answer.
std::optional<bool> BackgroundIsTransparent(HWND list_view) {
  std::optional<LRESULT> background = AskListView(list_view, LVM_GETTEXTBKCOLOR, 0);
  if (!background) return std::nullopt;
  return static_cast<COLORREF>(*background) == CLR_NONE;
}

// False when the shell did not answer. The list view repaints when the shell next gets to it.
bool ApplyColours(HWND list_view, Colorref colour) {
  if (!AskListView(list_view, LVM_SETTEXTBKCOLOR, static_cast<LPARAM>(CLR_NONE)) ||
      !AskListView(list_view, LVM_SETTEXTCOLOR, static_cast<LPARAM>(colour))) {
    return false;
  }
  InvalidateRect(list_view, nullptr, TRUE);
  return true;
}

}  // namespace

bool DesktopIconColour::Apply(Colorref colour) {
  const bool changed = colour != last_colour_;
  // A restarted shell has a new list view; the cached one is then no window any more. Asking costs
  // no message to the shell.
  if (changed || (list_view_ != nullptr && !IsWindow(list_view_))) list_view_ = FindDesktopListView();
  if (list_view_ == nullptr) return false;
  std::optional<bool> transparent = BackgroundIsTransparent(list_view_);
  if (!transparent) return true;
  if ((!*transparent || changed) && !ApplyColours(list_view_, colour)) return true;
  // The shell may have redrawn in between: make sure the background really is transparent now.
  transparent = BackgroundIsTransparent(list_view_);
  if (!transparent) return true;
  if (!*transparent && !ApplyColours(list_view_, colour)) return true;
  last_colour_ = colour;
  return true;
}
