// The Pictures page of the options sheet.
#include "options/option_pages_win.h"

std::unique_ptr<OptionPage> MakePicturesPage(OptionsContext& context) {
  return std::make_unique<OptionPage>(context, 10);
}
