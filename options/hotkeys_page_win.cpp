// The Hotkeys page of the options sheet.
#include "options/option_pages_win.h"

std::unique_ptr<OptionPage> MakeHotkeysPage(OptionsContext& context) {
  return std::make_unique<OptionPage>(context, 6);
}
