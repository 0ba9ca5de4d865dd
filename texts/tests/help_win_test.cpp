// Help under Windows: a help file that is not there is reported to the user with ERR / NOHELPFOUND
// in a message box without caption; with the compiled help beside the program every topic opens the
// help window of the window type "main" instead.
#include "texts/help_win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "common/tests/answering_win.h"
#include "common/tests/program_folder.h"
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
  char caption[256] = {};
  GetWindowTextA(window, caption, sizeof caption);
  seen->text = MessageBoxText(window);
  seen->caption = caption;
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  seen->found = true;
  return FALSE;
}

// Shows the help at the topic and notes in seen the message box it shows, if any. The message box
// runs its own loop on this thread; a helper watches for it and closes it, giving up after 20 seconds
// so that a box that stays fails the test instead of hanging it.
void ShowHelpAndCloseMessageBox(const HtmlHelp& help, HWND owner, int topic, SeenMessage& seen) {
  DWORD test_thread = GetCurrentThreadId();
  std::thread closer([&] {
    for (int attempt = 0; attempt < 200 && !seen.found && !seen.help_returned; ++attempt) {
      Sleep(100);
      EnumThreadWindows(test_thread, CloseMessageBox, reinterpret_cast<LPARAM>(&seen));
    }
  });
  help.Show(owner, topic);
  seen.help_returned = true;
  closer.join();
}

// The help window of the window type "main": HTML Help's frame with the type's caption.
HWND FindHelpWindow() { return FindWindowA("HH Parent", "Quellmoor-Hilfe"); }

class HelpWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override { DestroyWindow(owner_); }

  TextTable text_table_;
  HWND owner_ = nullptr;
};

TEST_F(HelpWindowsTest, MissingHelpFileIsReported) {
  TempFolder empty_folder{"help"};
  const HtmlHelp help(text_table_, empty_folder.path());
  SeenMessage seen;
  ShowHelpAndCloseMessageBox(help, owner_, 7, seen);

  EXPECT_TRUE(seen.found);
  EXPECT_EQ(seen.text, "Hilfedatei nicht gefunden!");
  EXPECT_EQ(seen.caption, "");
}

// Every topic of the table, the two that open the main page (0 for F1, 9) and one without an entry.
TEST_F(HelpWindowsTest, EveryTopicOpensTheHelpWindow) {
  const HtmlHelp help(text_table_, TestProgramFolder());
  const int topics[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 99};
  for (int topic : topics) {
    SeenMessage seen;
    ShowHelpAndCloseMessageBox(help, owner_, topic, seen);
    EXPECT_FALSE(seen.found) << topic << ": " << seen.text;
    HWND help = FindHelpWindow();
    ASSERT_NE(help, nullptr) << topic;
    EXPECT_TRUE(IsWindowVisible(help)) << topic;
    SendMessageA(help, WM_CLOSE, 0, 0);
    EXPECT_EQ(FindHelpWindow(), nullptr) << topic;
  }
}

TEST_F(HelpWindowsTest, TheHelpsEndClosesTheHelpWindow) {
  {
    const HtmlHelp help(text_table_, TestProgramFolder());
    SeenMessage seen;
    ShowHelpAndCloseMessageBox(help, owner_, 16, seen);
    ASSERT_NE(FindHelpWindow(), nullptr);
  }
  EXPECT_EQ(FindHelpWindow(), nullptr);
}

}  // namespace
