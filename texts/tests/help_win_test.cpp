// Help under Windows: a help file that is not there is reported to the user with ERR / NOHELPFOUND
// in a message box without caption.
#include "texts/help_win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "common/tests/temp_folder.h"
#include "texts/help.h"

namespace {

struct SeenMessage {
  std::atomic<bool> found{false};
  std::atomic<bool> help_returned{false};
  std::string text;
  std::string caption;
};

// Takes the first message box among the thread's windows, notes its text and caption and closes it.
BOOL CALLBACK CloseMessageBox(HWND window, LPARAM parameter) {
  auto* seen = reinterpret_cast<SeenMessage*>(parameter);
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  if (std::string(class_name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  char text[256] = {};
  char caption[256] = {};
  GetDlgItemTextA(window, 0xFFFF, text, sizeof text);  // the message box's text control
  GetWindowTextA(window, caption, sizeof caption);
  seen->text = text;
  seen->caption = caption;
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  seen->found = true;
  return FALSE;
}

TEST(HelpWindowsTest, MissingHelpFileIsReported) {
  TempFolder empty_folder{"help"};
  SetTextFolder("", kGerman);
  SetHelpFolder(empty_folder.path());
  HtmlHelpInitialize();
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);

  SeenMessage seen;
  DWORD test_thread = GetCurrentThreadId();
  // The message box runs its own loop on this thread; a helper watches for it and closes it, giving
  // up after 20 seconds so that a missing box fails the test instead of hanging it.
  std::thread closer([&] {
    for (int attempt = 0; attempt < 200 && !seen.found && !seen.help_returned; ++attempt) {
      Sleep(100);
      EnumThreadWindows(test_thread, CloseMessageBox, reinterpret_cast<LPARAM>(&seen));
    }
  });
  ShowHelp(owner, 7);
  seen.help_returned = true;
  closer.join();

  EXPECT_TRUE(seen.found);
  EXPECT_EQ(seen.text, "Hilfedatei nicht gefunden!");
  EXPECT_EQ(seen.caption, "");
  DestroyWindow(owner);
  HtmlHelpShutdown();
  SetHelpFolder("");
}

}  // namespace
