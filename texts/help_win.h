// Opening the compiled HTML help through the HTML Help control, which the program loads at start-up
// and releases at its end.
#pragma once

#include <windows.h>

#include <string>

#include "common/owned_handles_win.h"
#include "texts/text_table.h"

class HtmlHelp {
 public:
  // Loads the HTML Help control (the file registered for its class, or else by its name from the
  // system's search path) and initialises it. The help file is looked for in help_folder; the
  // topics' pages and the messages come from text_table, which outlives the help.
  HtmlHelp(const TextTable& text_table, std::string help_folder);
  // Closes every help window and uninitialises HTML Help.
  ~HtmlHelp();
  HtmlHelp(const HtmlHelp&) = delete;
  HtmlHelp& operator=(const HtmlHelp&) = delete;

  // Opens the help at the topic (help.h gives the pages). When HTML Help shows no window (no help
  // file, no HTML Help control) the user is told with ERR / NOHELPFOUND in a message box owned by
  // owner.
  void Show(HWND owner, int topic) const;

 private:
  using Entry = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

  const TextTable& text_table_;
  std::string help_folder_;
  OwnedModule module_;
  Entry entry_ = nullptr;
  DWORD_PTR cookie_ = 0;
};
