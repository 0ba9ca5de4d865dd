// The one shape of the program's windows: a dialog and the object that holds its state. The object
// makes its window (modeless, modal, or as a page of a property sheet) and owns everything the window
// shows; the window's messages go to the object; no exception leaves a window procedure (one that
// reaches the edge is reported and the message is left to the dialog manager); and window and object
// go together: destroying the object destroys a window still there, and a window that is
// destroyed first (its dialog ended, its owner gone) leaves the object without one.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <optional>

// Sent to every window of the program when the language of the texts has changed: each window shows
// its texts anew.
inline constexpr UINT MSG_TEXTS_CHANGED = WM_APP + 0x467;

class DialogWindow {
 public:
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // The window; nullptr before it is made and after it is gone.
  HWND window() const { return window_; }

 protected:
  DialogWindow() = default;
  // A window still there is destroyed without its messages reaching the object, whose derived part
  // is gone already. An object that has work to do as its window goes calls DestroyWindowNow() in its
  // own destructor.
  virtual ~DialogWindow();

  // Makes the window from a dialog template of the program's module, modeless and hidden. False when
  // it cannot be made.
  bool CreateModeless(int template_id, HWND owner);
  // Runs the dialog modally: its end code, or -1 when it cannot be made.
  INT_PTR RunModal(int template_id, HWND owner);
  // The page of a property sheet that shows the dialog template with this object behind it.
  PROPSHEETPAGEA SheetPage(int template_id);
  // Destroys the window now, its messages still going to the object.
  void DestroyWindowNow();

  // A message of the dialog from WM_INITDIALOG to WM_DESTROY: the dialog procedure's result, or
  // nothing for a message the dialog leaves to the dialog manager.
  virtual std::optional<INT_PTR> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) = 0;

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static INT_PTR CALLBACK PageProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static INT_PTR Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam, DialogWindow* starting);

  HWND window_ = nullptr;
};

// Tells whoever looks (a debugger, Wine's debug channel) that an exception was stopped at the edge of
// a window procedure or callback, so that it is not lost without a trace.
void ReportStoppedException(HWND window, UINT message, const std::exception_ptr& stopped) noexcept;

// The edge of a window procedure that is not a DialogWindow's (a subclassed control): runs handling
// and stops an exception there, reporting it; the message then gets neutral as its result.
template <typename Handling>
LRESULT AtWindowEdge(HWND window, UINT message, LRESULT neutral, Handling&& handling) noexcept {
  try {
    return handling();
  } catch (...) {
    ReportStoppedException(window, message, std::current_exception());
    return neutral;
  }
}

// Sends the message to every DialogWindow's window of this thread, top-level windows and the windows
// inside them (the pages of a property sheet), one after the other.
void SendToProgramWindows(UINT message, WPARAM wparam = 0, LPARAM lparam = 0);
