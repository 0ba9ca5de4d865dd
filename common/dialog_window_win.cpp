// The dialog windows' shared procedure: the object found for each message, the edge that stops
// exceptions, and the list of the program's windows that a message can be sent to.
#include "common/dialog_window_win.h"

#include <vector>

#include "common/bounded_text.h"

namespace {

// Every DialogWindow's window carries its object under this property, which is how the program's
// windows are told from the others of the thread (message boxes, common dialogs, help windows).
constexpr char kObjectProperty[] = "Quellmoor.DialogWindow";

// The windows' enumeration callbacks; a list that cannot grow ends the walk.
BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) noexcept {
  try {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

BOOL CALLBACK CollectWindowAndDescendants(HWND window, LPARAM windows) noexcept {
  if (!CollectWindow(window, windows)) return FALSE;
  EnumChildWindows(window, CollectWindow, windows);
  return TRUE;
}

}  // namespace

DialogWindow::~DialogWindow() {
  if (window_ == nullptr) return;
  HWND window = window_;
  SetWindowLongPtrA(window, DWLP_USER, 0);
  RemovePropA(window, kObjectProperty);
  window_ = nullptr;
  DestroyWindow(window);
}

bool DialogWindow::CreateModeless(int template_id, HWND owner) {
  return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(template_id), owner, Procedure,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR DialogWindow::RunModal(int template_id, HWND owner) {
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(template_id), owner, Procedure,
                         reinterpret_cast<LPARAM>(this));
}

PROPSHEETPAGEA DialogWindow::SheetPage(int template_id) {
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.hInstance = GetModuleHandleA(nullptr);
  page.pszTemplate = MAKEINTRESOURCEA(template_id);
  page.pfnDlgProc = PageProcedure;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

void DialogWindow::DestroyWindowNow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DialogWindow* starting = message == WM_INITDIALOG ? reinterpret_cast<DialogWindow*>(lparam) : nullptr;
  return Dispatch(window, message, wparam, lparam, starting);
}

INT_PTR CALLBACK DialogWindow::PageProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DialogWindow* starting =
      message == WM_INITDIALOG
          ? reinterpret_cast<DialogWindow*>(reinterpret_cast<const PROPSHEETPAGEA*>(lparam)->lParam)
          : nullptr;
  return Dispatch(window, message, wparam, lparam, starting);
}

INT_PTR DialogWindow::Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam, DialogWindow* starting) {
  DialogWindow* object = starting;
  if (object != nullptr) {
    object->window_ = window;
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(object));
    SetPropA(window, kObjectProperty, object);
  } else {
    object = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  // The messages before WM_INITDIALOG, and those after the object has let go of its window.
  if (object == nullptr) return FALSE;
  INT_PTR result = FALSE;
  try {
    result = object->OnMessage(message, wparam, lparam).value_or(FALSE);
  } catch (...) {
    ReportStoppedException(window, message, std::current_exception());
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, DWLP_USER, 0);
    RemovePropA(window, kObjectProperty);
    object->window_ = nullptr;
  }
  return result;
}

void ReportStoppedException(HWND window, UINT message, const std::exception_ptr& stopped) noexcept {
  char what[256] = "an exception of no standard type";
  try {
    if (stopped) std::rethrow_exception(stopped);
  } catch (const std::exception& exception) {
    CopyText(what, exception.what());
  } catch (...) {
  }
  char class_name[64] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  char report[512];
  FormatText(report, sizeof report, "Quellmoor: %s, stopped at window %p (%s), message 0x%04X\n", what,
             static_cast<void*>(window), class_name, message);
  OutputDebugStringA(report);
}

void SendToProgramWindows(UINT message, WPARAM wparam, LPARAM lparam) {
  // Listed first: a window that a message makes or destroys does not upset the walk.
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindowAndDescendants, reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) {
    if (IsWindow(window) && GetPropA(window, kObjectProperty) != nullptr) SendMessageA(window, message, wparam, lparam);
  }
}
