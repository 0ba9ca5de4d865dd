// The General page: the product line, the licence and the built-in pictures' credits, a button to
// the help page about the program, and whether the program starts with Windows.
#include "common/bounded_text.h"
#include "options/option_pages_win.h"
#include "options/picture_credits.h"
#include "resources/resource_ids.h"
#include "texts/help_win.h"
#include "texts/text_table.h"
#include "wallpaper/builtin_pictures_win.h"

namespace {

// The help topic of the page about the program.
constexpr int kHelpAbout = 16;

class GeneralPage : public OptionPage {
 public:
  explicit GeneralPage(OptionsContext& context) : OptionPage(context, 2) {}

 private:
  // The stored setting and the Run value are brought in line every time the page opens.
  void Init() override {
    CheckDlgButton(window(), IDC_GENERAL_AUTOSTART, settings().AutoStart == 1 ? BST_CHECKED : BST_UNCHECKED);
    SetAutostart(settings().AutoStart == 1, context().platform->ProgramFilePath(), store());
    const std::span<const std::uint8_t> notices = ProgramResource("NOTICE", RT_RCDATA);
    std::string text = LookupText(texts::CONFIG_BILDER);
    text += "\r\n";
    text += PictureCredits({reinterpret_cast<const char*>(notices.data()), notices.size()});
    SetDlgItemTextA(window(), IDC_GENERAL_PICTURES, text.c_str());
  }

  void SetActive() override {
    char product[256];
    FormatText(product, sizeof product, LookupFormat(texts::CONFIG_PRODUKT), kProgramVersion);
    SetDlgItemTextA(window(), IDC_GENERAL_PRODUCT, product);
    SetDlgItemTextA(window(), IDC_GENERAL_LINK, LookupText(texts::CONFIG_UEBER));
    SetDlgItemTextA(window(), IDC_GENERAL_LEGAL, LookupText(texts::CONFIG_LIZENZ));
    SetDlgItemTextA(window(), IDC_GENERAL_AUTOSTART, LookupText(texts::MAIN_AUTOSTART));
  }

  void Command(int id, int code) override {
    if (code != BN_CLICKED) return;
    if (id == IDC_GENERAL_AUTOSTART) Changed();
    if (id == IDC_GENERAL_LINK) ShowHelp(window(), kHelpAbout);
  }

  void Apply() override {
    settings().AutoStart = IsDlgButtonChecked(window(), IDC_GENERAL_AUTOSTART) == BST_CHECKED ? 1 : 0;
    SetAutostart(settings().AutoStart == 1, context().platform->ProgramFilePath(), store());
    SaveSettings(settings(), store());
  }
};

}  // namespace

std::unique_ptr<OptionPage> MakeGeneralPage(OptionsContext& context) { return std::make_unique<GeneralPage>(context); }
