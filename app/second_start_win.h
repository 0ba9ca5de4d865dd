// A start that finds the instance mutex taken: it hands its request to the running instance, or,
// when that instance is still starting or already ending, waits for it.
#pragma once

#include <windows.h>

enum class SecondStart {
  kPassed,         // the running instance took the request (EXIT: and has ended, or is ending)
  kFirstInstance,  // the instance ended meanwhile: this start owns the mutex now and runs as the first
  kNoAnswer,       // neither the instance's window nor the mutex within the wait
};

// Finds the running instance's main window (a dialog, class "#32770", titled "Quellmoor": another
// program's window of that title is not it), lets that instance's process take the foreground, and
// sends it the request of the command line (SecondStartRequest). While no such window answers (the
// instance is still starting, ending, or hung), it waits up to wait_ms for the window to come or for
// the instance to release the mutex, whose handle this start holds. After EXIT it waits, within the
// same time, for the instance's process to end, so that a start right after it finds no instance and
// an installer finds the program's files free.
SecondStart PassToRunningInstance(HANDLE mutex, const char* command_line, DWORD wait_ms);
