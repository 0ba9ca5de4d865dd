// The Notes page of the options sheet.
#include "options/option_pages_win.h"

std::unique_ptr<OptionPage> MakeNotesPage(OptionsContext& context) {
  return std::make_unique<OptionPage>(context, 4);
}
