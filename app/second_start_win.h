// A second start of the program hands its request to the running instance and ends.
#pragma once

// Finds the running instance's main window (a dialog, class "#32770", titled "Quellmoor": another
// program's window of that title is not it), lets that instance's process take the foreground, and
// sends the request of the command line (SecondStartRequest), waiting at most timeout_ms for the
// answer, so that a hung first instance cannot hang this start as well. 1 when the running instance
// took the request; 0 when its window cannot be found (it may still be starting) or it did not
// answer in time.
int PassToRunningInstance(const char* command_line, unsigned timeout_ms);
