// What every page of the options sheet shares: the sheet's notifications turned into calls of the
// page, the change notice that enables Apply, the date icon at the top left, a decorative icon at
// the lower right corner, and the help of the sheet's Help button and of F1.
#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "common/owned_handles_win.h"
#include "options/options_sheet_win.h"
#include "settings/settings.h"
#include "texts/text_table.h"

// A control and the text-table entry of its text.
struct LabelText {
  int id;
  TextEntry text;
};

class OptionPage {
 public:
  OptionPage(OptionsContext& context, int help_topic) : context_(context), help_topic_(help_topic) {}
  virtual ~OptionPage() = default;
  OptionPage(const OptionPage&) = delete;
  OptionPage& operator=(const OptionPage&) = delete;

  // The dialog procedure of every page; the page object arrives as the sheet page's parameter.
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

 protected:
  // WM_INITDIALOG, after the date icon has been put into control 1001.
  virtual void Init() {}
  // PSN_SETACTIVE: label texts from the text table, check boxes from the settings.
  virtual void SetActive() {}
  virtual void Command(int /*id*/, int /*code*/) {}
  // PSN_APPLY (OK or Apply): controls into the settings, settings into the store, the page's effects.
  virtual void Apply() {}
  // PSN_RESET (Cancel or the close box): live state the page changed goes back.
  virtual void Reset() {}
  // Any other message; true when the page handled it, with the dialog procedure's result.
  virtual bool Message(UINT /*message*/, WPARAM /*wparam*/, LPARAM /*lparam*/, INT_PTR& /*result*/) { return false; }

  HWND window() const { return window_; }
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  LRESULT SendItem(int id, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return SendDlgItemMessageA(window_, id, message, wparam, lparam);
  }
  // Each control gets its text from the text table.
  void SetItemTexts(std::span<const LabelText> items) const;
  // A control's text, up to 1023 characters.
  std::string ItemText(int id) const;
  OptionsContext& context() const { return context_; }
  Settings& settings() const { return *context_.settings; }
  SettingsStore& store() const { return context_.platform->Store(); }

  // Tells the sheet that the page has changed, which enables Apply.
  void Changed() const;
  // Shows the resource icon at its own size in the static, 16 pixels inside the page's right edge and
  // 5 pixels above its bottom; the icon is released with the page.
  void ShowCornerIcon(int id, const char* name);

 private:
  INT_PTR Notify(const NMHDR& header);

  OptionsContext& context_;
  int help_topic_;
  HWND window_ = nullptr;
  OwnedIcon corner_icon_;
};

// A combo box's selected row, or -1.
int SelectedRow(HWND combo);

// The system's font dialog on font, screen fonts only, sizes limited to the given points. True when
// the user confirmed; font is then the chosen font, else unchanged.
bool ChooseScreenFont(HWND owner, LogFont& font, int smallest_points, int largest_points);
