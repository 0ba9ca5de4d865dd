// The pages of the options sheet, in tab order; each is made afresh whenever the sheet opens.
#pragma once

#include <memory>

#include "options/option_page_win.h"

std::unique_ptr<OptionPage> MakeGeneralPage(OptionsContext& context);
std::unique_ptr<OptionPage> MakeDesktopPage(OptionsContext& context);
std::unique_ptr<OptionPage> MakePicturesPage(OptionsContext& context);
std::unique_ptr<OptionPage> MakeAlarmPage(OptionsContext& context);
std::unique_ptr<OptionPage> MakeNotesPage(OptionsContext& context);
std::unique_ptr<OptionPage> MakeHotkeysPage(OptionsContext& context);
