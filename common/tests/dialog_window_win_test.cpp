// The shape of the program's windows: an exception stops at the window's edge, window and object go
// together whichever goes first, and a message for the program's windows reaches theirs alone.
#include "common/dialog_window_win.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "resources/resource_ids.h"

namespace {

constexpr UINT kThrow = WM_APP + 1;

// A dialog of the program's resources that counts what reaches it and throws when told to.
class CountingDialog : public DialogWindow {
 public:
  CountingDialog(int template_id, HWND owner) { CreateModeless(template_id, owner); }
  ~CountingDialog() override { DestroyWindowNow(); }
  int texts_changed = 0;
  int destroyed = 0;

 private:
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message == kThrow) throw std::runtime_error("thrown on purpose");
    if (message == MSG_TEXTS_CHANGED) ++texts_changed;
    if (message == WM_DESTROY) ++destroyed;
    return message == WM_INITDIALOG ? std::optional<INT_PTR>(TRUE) : std::nullopt;
  }
};

TEST(DialogWindowWinTest, AnExceptionStopsAtTheWindowsEdge) {
  CountingDialog dialog(IDD_NOTICE, nullptr);
  ASSERT_NE(dialog.window(), nullptr);
  EXPECT_EQ(SendMessageA(dialog.window(), kThrow, 0, 0), 0);
  SendMessageA(dialog.window(), MSG_TEXTS_CHANGED, 0, 0);
  EXPECT_EQ(dialog.texts_changed, 1);
}

TEST(DialogWindowWinTest, WindowAndObjectGoTogetherWhicheverGoesFirst) {
  HWND window = nullptr;
  {
    CountingDialog dialog(IDD_NOTICE, nullptr);
    window = dialog.window();
  }
  EXPECT_FALSE(IsWindow(window));

  CountingDialog dialog(IDD_NOTICE, nullptr);
  DestroyWindow(dialog.window());
  EXPECT_EQ(dialog.window(), nullptr);
  EXPECT_EQ(dialog.destroyed, 1);
}

int g_other_window_messages = 0;
LRESULT CALLBACK CountingOtherWindow(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == MSG_TEXTS_CHANGED) ++g_other_window_messages;
  return DefWindowProcA(window, message, wparam, lparam);
}

// The program's top-level windows and the pages inside them get the message; a window of the same
// thread that is not the program's (a message box, a common dialog) does not.
TEST(DialogWindowWinTest, AMessageForTheProgramsWindowsReachesThemAlone) {
  CountingDialog top(IDD_NOTICE, nullptr);
  CountingDialog page(IDD_OPTIONS_GENERAL, top.window());
  ASSERT_EQ(GetParent(page.window()), top.window());
  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetWindowLongPtrA(other, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingOtherWindow));
  SendToProgramWindows(MSG_TEXTS_CHANGED);
  EXPECT_EQ(top.texts_changed, 1);
  EXPECT_EQ(page.texts_changed, 1);
  EXPECT_EQ(g_other_window_messages, 0);
  DestroyWindow(other);
}

}  // namespace
