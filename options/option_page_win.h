// What every page of the options sheet shares: the sheet's notifications turned into calls of the
// page, the change notice that enables Apply, the date icon at the top left, a decorative icon at
// the lower right corner, the texts in the language chosen, and the help of the sheet's Help button
// and of F1.
#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "common/dialog_window_win.h"
#include "common/owned_handles_win.h"
#include "options/options_sheet_win.h"
#include "settings/settings.h"
#include "texts/text_table.h"

// A control and the text-table entry of its text.
struct LabelText {
  int id;
  TextEntry text;
};

class OptionPage : public DialogWindow {
 public:
  OptionPage(OptionsContext& context, int help_topic) : context_(context), help_topic_(help_topic) {}

  // The sheet's page that shows the dialog template with this page behind it, its tab titled title
  // (which must outlive the sheet).
  PROPSHEETPAGEA Page(int template_id, const char* title);

 protected:
  // WM_INITDIALOG, after the date icon has been put into control 1001; ShowTexts follows.
  virtual void Init() {}
  // The page's texts from the text table: when the page is made and again when the language changes.
  virtual void ShowTexts() {}
  // PSN_SETACTIVE: the controls that show settings another page may have changed.
  virtual void SetActive() {}
  virtual void Command(int /*id*/, int /*code*/) {}
  // PSN_APPLY (OK or Apply): controls into the settings, settings into the store, the page's effects.
  // A page that could not store what it must calls KeepSheetOpen.
  virtual void Apply() {}
  // PSN_RESET (Cancel or the close box): live state the page changed goes back.
  virtual void Reset() {}
  // Any other message; true when the page handled it, with the dialog procedure's result.
  virtual bool Message(UINT /*message*/, WPARAM /*wparam*/, LPARAM /*lparam*/, INT_PTR& /*result*/) { return false; }

  HWND Item(int id) const { return GetDlgItem(window(), id); }
  LRESULT SendItem(int id, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return SendDlgItemMessageA(window(), id, message, wparam, lparam);
  }
  // The text of an entry in the language chosen.
  std::string Text(const TextEntry& entry) const { return context_.text_table->LookupText(entry); }
  std::string Format(const TextEntry& entry) const { return context_.text_table->LookupFormat(entry); }
  // Each control gets its text from the text table.
  void SetItemTexts(std::span<const LabelText> items) const;
  // A control's text, up to 1023 characters.
  std::string ItemText(int id) const;
  OptionsContext& context() const { return context_; }
  Settings& settings() const { return *context_.settings; }
  SettingsStore& store() const { return context_.platform->Store(); }
  void ShowHelp(int topic) const { context_.help->Show(window(), topic); }

  // Tells the sheet that the page has changed, which enables Apply.
  void Changed() const;
  // From Apply: the sheet stays open on this page, so that the user's edits are not lost.
  void KeepSheetOpen() { keep_sheet_open_ = true; }
  // Shows the resource icon at its own size in the static, 16 pixels inside the page's right edge and
  // 5 pixels above its bottom; the icon is released with the page.
  void ShowCornerIcon(int id, const char* name);

 private:
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  INT_PTR Notify(const NMHDR& header);
  // The sheet's caption and its tabs' titles in the language of the texts.
  void ShowSheetTexts() const;

  OptionsContext& context_;
  int help_topic_;
  OwnedIcon corner_icon_;
  bool keep_sheet_open_ = false;
};

// The sheet's caption and its tabs' titles hold at most this many characters, less one.
inline constexpr std::size_t kSheetTitleCapacity = 40;

// A combo box's selected row, or -1.
int SelectedRow(HWND combo);

// A trackbar's range, negative ends included: TBM_SETRANGE documents its ends as unsigned 16-bit
// values, so each end goes in its own message.
void SetSliderRange(HWND slider, int minimum, int maximum);

// The system's font dialog on font, screen fonts only, sizes limited to the given points. True when
// the user confirmed; font is then the chosen font, else unchanged.
bool ChooseScreenFont(HWND owner, LogFont& font, int smallest_points, int largest_points);
