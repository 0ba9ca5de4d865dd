// Opening the compiled HTML help, and the HTML Help start-up and shut-down of the program.
#pragma once

#include <windows.h>

// Opens the help at the topic (help.h gives the pages). When HTML Help shows no window (no help file,
// no HTML Help control) the user is told with ERR / NOHELPFOUND in a message box owned by owner.
void ShowHelp(HWND owner, int topic);

// At start-up: initialises HTML Help and keeps its cookie.
void HtmlHelpInitialize();
// At shut-down: closes every help window, uninitialises HTML Help and releases the control.
void HtmlHelpShutdown();
