// The hidden host windows of the note window and of the month calendar, created at start-up, each
// with a companion thread that only waits for the program's quit flag. The main window toggles the
// note window and the calendar by messages to their hosts.
#pragma once

#include <windows.h>

#include "common/owned_handles_win.h"

struct HostWindow {
  HWND window = nullptr;
  OwnedKernelHandle companion;  // the companion thread
  int visible = 0;              // 1 while the hosted window is shown
};

// The note host (class "TaviNotiz", receives MSG_NOTE_SHOW, MSG_NOTE_HIDE and MSG_NOTE_RESCAN) and the
// month calendar host (class "Monatskalender", receives MSG_CALENDAR_SHOW and MSG_CALENDAR_HIDE).
HostWindow& NoteHost();
HostWindow& MonthHost();

// Set to 0 before the hosts are made and to 1 when the main window has closed; the companion
// threads end when they see it set.
void SetQuitFlag(int value);

// Registers the class, creates the hidden host and starts its companion thread (the month
// calendar's at below-normal priority). False when any of it fails: that window is then unavailable.
bool CreateNoteWindow();
bool CreateMonthWindow();

// Destroys the host window, waits up to 300 ms for its companion thread and releases it.
void DestroyHostWindow(HostWindow& host);
