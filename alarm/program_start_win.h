// Starting the program of an appointment: a command line of the program's path (quoted when it
// holds blanks) and its arguments.
#pragma once

#include <windows.h>

// Splits the command line as the shell does and opens the program with its arguments, owned by
// window. Whether it started is not reported: the alarm has no one to tell.
void StartAppointmentProgram(HWND window, const char* command_line);
