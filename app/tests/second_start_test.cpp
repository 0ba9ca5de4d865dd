// A second start's command line: only the whole text "EXIT", in any case, asks to quit.
#include "app/second_start.h"

#include <gtest/gtest.h>

#include "app/window_messages.h"

namespace {

TEST(SecondStartTest, OnlyTheWholeWordExitInAnyCaseQuits) {
  for (const char* quit : {"EXIT", "exit", "Exit", "eXiT"}) {
    EXPECT_EQ(SecondStartRequest(quit), MSG_QUIT_MAIN) << quit;
  }
  for (const char* show : {"", "show", "EXIT now", "\"EXIT\"", " EXIT", "EXIT ", "EXI", "EXITS", "-exit"}) {
    EXPECT_EQ(SecondStartRequest(show), MSG_SHOW_MAIN) << '"' << show << '"';
  }
  EXPECT_EQ(SecondStartRequest(nullptr), MSG_SHOW_MAIN);
}

}  // namespace
