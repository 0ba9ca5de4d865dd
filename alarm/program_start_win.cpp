// The program of an appointment, started through the shell with its arguments.
#include "alarm/program_start_win.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "common/bounded_text.h"

void StartAppointmentProgram(HWND window, const char* command_line) {
  char program[MAX_PATH];
  char arguments[MAX_PATH];
  CopyText(program, command_line);
  CopyText(arguments, PathGetArgsA(program));
  PathRemoveArgsA(program);
  PathUnquoteSpacesA(program);
  ShellExecuteA(window, "open", program, arguments, "", SW_SHOWNORMAL);
}
