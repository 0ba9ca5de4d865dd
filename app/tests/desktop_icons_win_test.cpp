// The desktop icon captions against a desktop of the test's own: a "Progman" window titled
// "Program Manager" with a "SHELLDLL_DefView" child and a "SysListView32" list view in it, as the
// shell has them. A subclass of the list view counts the messages that reach it; a repaint asked for
// shows as an update region.
#include "app/desktop_icons_win.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

struct ListViewTraffic {
  int get_background = 0;
  int set_background = 0;
  int set_text_colour = 0;
  bool repaint_asked = false;
};

ListViewTraffic g_traffic;
WNDPROC g_list_view_procedure = nullptr;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == LVM_GETTEXTBKCOLOR) ++g_traffic.get_background;
  if (message == LVM_SETTEXTBKCOLOR) ++g_traffic.set_background;
  if (message == LVM_SETTEXTCOLOR) ++g_traffic.set_text_colour;
  return CallWindowProcA(g_list_view_procedure, window, message, wparam, lparam);
}

HWND MakeWindow(const char* class_name, const char* title, DWORD style, HWND parent) {
  return CreateWindowExA(0, class_name, title, style, 0, 0, 300, 200, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// The shell's three windows, made and destroyed by each test.
class DesktopIconsWinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    for (const char* name : {"Progman", "SHELLDLL_DefView"}) {
      WNDCLASSA window_class{};
      window_class.lpfnWndProc = DefWindowProcA;
      window_class.hInstance = GetModuleHandleA(nullptr);
      window_class.lpszClassName = name;
      RegisterClassA(&window_class);
    }
  }

  void SetUp() override {
    MakeShell();
    ASSERT_NE(list_view_, nullptr);
  }

  void MakeShell() {
    shell_ = MakeWindow("Progman", "Program Manager", WS_POPUP | WS_VISIBLE, nullptr);
    view_ = MakeWindow("SHELLDLL_DefView", "", WS_CHILD | WS_VISIBLE, shell_);
    list_view_ = MakeListView();
  }

  void TearDown() override {
    if (IsWindow(shell_)) DestroyWindow(shell_);
  }

  HWND MakeListView() {
    HWND list_view = MakeWindow(WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_ICON, view_);
    g_list_view_procedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list_view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProcedure)));
    return list_view;
  }

  // The traffic of one call, after every earlier repaint has happened.
  ListViewTraffic Apply(Colorref colour) {
    UpdateWindow(list_view_);
    g_traffic = {};
    icons_.Apply(colour);
    g_traffic.repaint_asked = list_view_ != nullptr && GetUpdateRect(list_view_, nullptr, FALSE) != 0;
    return g_traffic;
  }

  static COLORREF Background(HWND list_view) {
    return static_cast<COLORREF>(SendMessageA(list_view, LVM_GETTEXTBKCOLOR, 0, 0));
  }
  static COLORREF TextColour(HWND list_view) {
    return static_cast<COLORREF>(SendMessageA(list_view, LVM_GETTEXTCOLOR, 0, 0));
  }

  DesktopIconColour icons_;
  HWND shell_ = nullptr;
  HWND view_ = nullptr;
  HWND list_view_ = nullptr;
};

TEST_F(DesktopIconsWinTest, ANewColourIsAppliedWithATransparentBackground) {
  ListViewTraffic traffic = Apply(0xFFFFFF);
  EXPECT_EQ(TextColour(list_view_), 0xFFFFFFu);
  EXPECT_EQ(Background(list_view_), CLR_NONE);
  EXPECT_EQ(traffic.set_background, 1);
  EXPECT_EQ(traffic.set_text_colour, 1);
  EXPECT_TRUE(traffic.repaint_asked);
}

// 0x010000 (red 0, green 0, blue 1) is a colour like any other, also at the first call.
TEST_F(DesktopIconsWinTest, EveryColourValueIsAppliedAtTheFirstCall) {
  ListViewTraffic traffic = Apply(0x010000);
  EXPECT_EQ(TextColour(list_view_), 0x010000u);
  EXPECT_EQ(Background(list_view_), CLR_NONE);
  EXPECT_EQ(traffic.set_text_colour, 1);
}

// The shell's list view stops answering: the call gives up on it instead of waiting, and applies
// the colour once the shell answers again.
TEST_F(DesktopIconsWinTest, AHungShellCostsASkippedUpdate) {
  DestroyWindow(shell_);
  std::atomic<HWND> hung_list_view{nullptr};
  HANDLE answer_again = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  bool waited_in_vain = false;
  std::thread shell([&] {
    HWND hung_shell = MakeWindow("Progman", "Program Manager", WS_POPUP, nullptr);
    HWND view = MakeWindow("SHELLDLL_DefView", "", WS_CHILD, hung_shell);
    hung_list_view = MakeWindow(WC_LISTVIEWA, "", WS_CHILD | LVS_ICON, view);
    // Hung: no message is taken until the test has had its answer (or ten seconds have passed).
    waited_in_vain = WaitForSingleObject(answer_again, 10000) == WAIT_TIMEOUT;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    DestroyWindow(hung_shell);
  });
  while (hung_list_view == nullptr) Sleep(10);
  icons_.Apply(0x00AA00);
  SetEvent(answer_again);
  shell.join();
  CloseHandle(answer_again);
  EXPECT_FALSE(waited_in_vain) << "the call waited for the hung shell";

  MakeShell();
  Apply(0x00AA00);
  EXPECT_EQ(TextColour(list_view_), 0x00AA00u);
}

TEST_F(DesktopIconsWinTest, AnUnchangedColourCostsTwoQueriesAndNoRedraw) {
  Apply(0x00C0FF);
  ListViewTraffic traffic = Apply(0x00C0FF);
  EXPECT_EQ(traffic.get_background, 2);
  EXPECT_EQ(traffic.set_background, 0);
  EXPECT_EQ(traffic.set_text_colour, 0);
  EXPECT_FALSE(traffic.repaint_asked);
}

TEST_F(DesktopIconsWinTest, AnOpaqueBackgroundFromTheShellIsMadeTransparentAgain) {
  Apply(0x40FF40);
  SendMessageA(list_view_, LVM_SETTEXTBKCOLOR, 0, 0x808080);
  ListViewTraffic traffic = Apply(0x40FF40);
  EXPECT_EQ(Background(list_view_), CLR_NONE);
  EXPECT_EQ(TextColour(list_view_), 0x40FF40u);
  EXPECT_EQ(traffic.set_background, 1);
}

TEST_F(DesktopIconsWinTest, ARestartedShellsNewListViewGetsTheUnchangedColour) {
  Apply(0x112233);
  // The shell restarts: a new desktop with a new, opaque list view replaces the old one.
  HWND old_shell = shell_;
  MakeShell();
  DestroyWindow(old_shell);
  ListViewTraffic traffic = Apply(0x112233);
  EXPECT_EQ(traffic.set_background, 1);
  EXPECT_EQ(TextColour(list_view_), 0x112233u);
  EXPECT_EQ(Background(list_view_), CLR_NONE);
}

TEST_F(DesktopIconsWinTest, WithoutAListViewEveryCallLooksAgain) {
  DestroyWindow(list_view_);
  list_view_ = nullptr;
  Apply(0x445566);
  // The list view appears later (the shell has started): the same colour finds it now.
  list_view_ = MakeListView();
  ListViewTraffic traffic = Apply(0x445566);
  EXPECT_EQ(traffic.set_background, 1);
  EXPECT_EQ(TextColour(list_view_), 0x445566u);
}

}  // namespace
