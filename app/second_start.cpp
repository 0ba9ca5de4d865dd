// The request of a second start.
#include "app/second_start.h"

#include <strings.h>

#include "app/window_messages.h"
#include "common/bounded_text.h"

unsigned SecondStartRequest(const char* command_line) {
  char copy[128];
  CopyText(copy, command_line != nullptr ? command_line : "");
  return strcasecmp(copy, "EXIT") == 0 ? MSG_QUIT_MAIN : MSG_SHOW_MAIN;
}
