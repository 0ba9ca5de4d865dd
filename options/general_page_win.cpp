// The General page: the product line, the licence and the built-in pictures' credits, a button to
// the help page about the program, whether the program starts with Windows, and the language of the
// texts.
#include <iterator>

#include "common/bounded_text.h"
#include "options/option_pages_win.h"
#include "options/picture_credits.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"
#include "wallpaper/builtin_pictures_win.h"

namespace {

// The help topic of the page about the program.
constexpr int kHelpAbout = 16;

constexpr LabelText kLabelTexts[] = {{IDC_GENERAL_LINK, texts::CONFIG_UEBER},
                                     {IDC_GENERAL_LEGAL, texts::CONFIG_LIZENZ},
                                     {IDC_GENERAL_AUTOSTART, texts::MAIN_AUTOSTART},
                                     {IDC_GENERAL_LANGUAGE_LABEL, texts::CONFIG_SPRACHE}};

class GeneralPage : public OptionPage {
 public:
  explicit GeneralPage(OptionsContext& context) : OptionPage(context, 2) {}

 private:
  // The stored setting and the Run value are brought in line every time the page opens.
  void Init() override {
    CheckDlgButton(window(), IDC_GENERAL_AUTOSTART, settings().AutoStart == 1 ? BST_CHECKED : BST_UNCHECKED);
    SetAutostart(settings().AutoStart == 1, context().platform->ProgramFilePath(), store());
    // The list's rows are the languages in order, each under its own name.
    for (const Language& language : kLanguages) {
      SendItem(IDC_GENERAL_LANGUAGE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(language.name));
    }
    const Language& chosen = LanguageOf(settings().Sprache);
    SendItem(IDC_GENERAL_LANGUAGE, CB_SETCURSEL, static_cast<WPARAM>(&chosen - kLanguages));
  }

  void ShowTexts() override {
    char product[256];
    FormatText(product, sizeof product, Format(texts::CONFIG_PRODUKT).c_str(), kProgramVersion);
    SetDlgItemTextA(window(), IDC_GENERAL_PRODUCT, product);
    SetItemTexts(kLabelTexts);
    const std::span<const std::uint8_t> notices = ProgramResource("NOTICE", RT_RCDATA);
    std::string text = Text(texts::CONFIG_BILDER);
    text += "\r\n";
    text += PictureCredits({reinterpret_cast<const char*>(notices.data()), notices.size()});
    SetDlgItemTextA(window(), IDC_GENERAL_PICTURES, text.c_str());
  }

  void Command(int id, int code) override {
    if (id == IDC_GENERAL_LANGUAGE && code == CBN_SELCHANGE) Changed();
    if (code != BN_CLICKED) return;
    if (id == IDC_GENERAL_AUTOSTART) Changed();
    if (id == IDC_GENERAL_LINK) ShowHelp(kHelpAbout);
  }

  void Apply() override {
    settings().AutoStart = IsDlgButtonChecked(window(), IDC_GENERAL_AUTOSTART) == BST_CHECKED ? 1 : 0;
    SetAutostart(settings().AutoStart == 1, context().platform->ProgramFilePath(), store());
    const int row = SelectedRow(Item(IDC_GENERAL_LANGUAGE));
    if (row >= 0 && row < static_cast<int>(std::size(kLanguages))) settings().Sprache = kLanguages[row].code;
    SaveSettings(settings(), store());
    // Every text shown from now on is in the chosen language, in the windows open now (this sheet
    // included) as in those opened later.
    const Language& chosen = LanguageOf(settings().Sprache);
    if (&chosen == &context().text_table->language()) return;
    context().text_table->UseLanguage(settings().text_folder, chosen);
    SendToProgramWindows(MSG_TEXTS_CHANGED);
  }
};

}  // namespace

std::unique_ptr<OptionPage> MakeGeneralPage(OptionsContext& context) { return std::make_unique<GeneralPage>(context); }
