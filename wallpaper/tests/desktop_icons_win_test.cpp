// The desktop icon captions against a desktop of the test's own: a "Progman" window titled
// "Program Manager" with a "SHELLDLL_DefView" child and a "SysListView32" list view in it, as the
// shell has them. A subclass of the list view counts the messages that reach it and its repaints.
#include "wallpaper/desktop_icons_win.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

struct ListViewTraffic {
  int get_background = 0;
  int set_background = 0;
  int set_text_colour = 0;
  int paints = 0;
};

ListViewTraffic g_traffic;
WNDPROC g_list_view_procedure = nullptr;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == LVM_GETTEXTBKCOLOR) ++g_traffic.get_background;
  if (message == LVM_SETTEXTBKCOLOR) ++g_traffic.set_background;
  if (message == LVM_SETTEXTCOLOR) ++g_traffic.set_text_colour;
  if (message == WM_PAINT || message == WM_ERASEBKGND) ++g_traffic.paints;
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

  void TearDown() override { DestroyWindow(shell_); }

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
    ApplyDesktopIconColour(colour);
    return g_traffic;
  }

  static COLORREF Background(HWND list_view) {
    return static_cast<COLORREF>(SendMessageA(list_view, LVM_GETTEXTBKCOLOR, 0, 0));
  }
  static COLORREF TextColour(HWND list_view) {
    return static_cast<COLORREF>(SendMessageA(list_view, LVM_GETTEXTCOLOR, 0, 0));
  }

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
  EXPECT_GE(traffic.paints, 1);
}

TEST_F(DesktopIconsWinTest, AnUnchangedColourCostsTwoQueriesAndNoRedraw) {
  Apply(0x00C0FF);
  ListViewTraffic traffic = Apply(0x00C0FF);
  EXPECT_EQ(traffic.get_background, 2);
  EXPECT_EQ(traffic.set_background, 0);
  EXPECT_EQ(traffic.set_text_colour, 0);
  EXPECT_EQ(traffic.paints, 0);
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
