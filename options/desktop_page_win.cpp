// The Desktop page: how often the wallpaper picture changes, which monitors show the calendar and
// whether each monitor gets a picture of its own, the calendar's font and the holiday region.
// Applying it asks for a wallpaper build once the sheet has closed.
#include "calendar/holidays.h"
#include "common/cp1252.h"
#include "options/option_pages_win.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"

namespace {

// The change policy's radio buttons; the row is the value of HGwechsel.
constexpr int kChangeRadios[] = {IDC_DESKTOP_CHANGE_AT_START, IDC_DESKTOP_CHANGE_HOURLY, IDC_DESKTOP_CHANGE_DAILY};

// A check box and the 0/1 setting it shows.
struct SettingBox {
  int id;
  int Settings::*setting;
};

constexpr SettingBox kMonitorBoxes[] = {{IDC_DESKTOP_ALL_MONITORS, &Settings::KalenderMonitore},
                                        {IDC_DESKTOP_PICTURE_PER_MONITOR, &Settings::BildProMonitor}};

constexpr LabelText kLabelTexts[] = {
    {IDC_DESKTOP_CHANGE_LABEL, texts::DESKTOP_HGWECHSEL},   {IDC_DESKTOP_CHANGE_AT_START, texts::DESKTOP_HGWECHSEL1},
    {IDC_DESKTOP_CHANGE_HOURLY, texts::DESKTOP_HGWECHSEL2}, {IDC_DESKTOP_CHANGE_DAILY, texts::DESKTOP_HGWECHSEL3},
    {IDC_DESKTOP_FONT, texts::DESKTOP_CALFONT},             {IDC_DESKTOP_REGION_LABEL, texts::DESKTOP_FEIERTAG},
    {IDC_DESKTOP_ALL_MONITORS, texts::DESKTOP_KALENDERMONITORE},
    {IDC_DESKTOP_PICTURE_PER_MONITOR, texts::DESKTOP_BILDPROMONITOR}};

bool SameFont(const LogFont& a, const LogFont& b) {
  return a.height == b.height && a.weight == b.weight && a.italic == b.italic &&
         EqualIgnoringCase(a.face_name, b.face_name);
}

class DesktopPage : public OptionPage {
 public:
  explicit DesktopPage(OptionsContext& context) : OptionPage(context, 3) {}

 private:
  void Init() override {
    for (const char* name : kRegionNames) SendItem(IDC_DESKTOP_REGION, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendItem(IDC_DESKTOP_REGION, CB_SETCURSEL, static_cast<WPARAM>(settings().Feiertage));
    ShowCornerIcon(IDC_DESKTOP_CORNER_ICON, "DESKTOP");
    applied_font_ = settings().calendar_font;
  }

  void ShowTexts() override { SetItemTexts(kLabelTexts); }

  void SetActive() override {
    for (int row = 0; row < 3; ++row) {
      CheckDlgButton(window(), kChangeRadios[row], settings().HGwechsel == row ? BST_CHECKED : BST_UNCHECKED);
    }
    for (const SettingBox& box : kMonitorBoxes) {
      CheckDlgButton(window(), box.id, settings().*box.setting == 1 ? BST_CHECKED : BST_UNCHECKED);
    }
  }

  void Command(int id, int code) override {
    if (id == IDC_DESKTOP_REGION && code == CBN_SELCHANGE && SelectedRow(Item(id)) >= 0) Changed();
    if (code != BN_CLICKED) return;
    for (int radio : kChangeRadios) {
      if (radio != id) continue;
      CheckRadioButton(window(), kChangeRadios[0], kChangeRadios[2], id);
      Changed();
    }
    for (const SettingBox& box : kMonitorBoxes) {
      if (box.id == id) Changed();
    }
    if (id == IDC_DESKTOP_FONT) ChooseCalendarFont();
  }

  // The chosen font is in the settings at once; choosing the same font again changes nothing.
  void ChooseCalendarFont() {
    const LogFont before = settings().calendar_font;
    if (ChooseScreenFont(window(), settings().calendar_font, 8, 999) && !SameFont(before, settings().calendar_font)) {
      Changed();
    }
  }

  void Apply() override {
    for (int row = 0; row < 3; ++row) {
      if (IsDlgButtonChecked(window(), kChangeRadios[row]) == BST_CHECKED) settings().HGwechsel = row;
    }
    const int region = SelectedRow(Item(IDC_DESKTOP_REGION));
    if (region >= 0) settings().Feiertage = region;
    for (const SettingBox& box : kMonitorBoxes) {
      settings().*box.setting = IsDlgButtonChecked(window(), box.id) == BST_CHECKED ? 1 : 0;
    }
    SaveSettings(settings(), store());
    SaveCalendarFont(settings(), store());
    applied_font_ = settings().calendar_font;
    context().rebuild_wallpaper = true;
  }

  // A font chosen but not applied goes, so that neither the next build nor the next save takes it.
  void Reset() override { settings().calendar_font = applied_font_; }

  LogFont applied_font_;
};

}  // namespace

std::unique_ptr<OptionPage> MakeDesktopPage(OptionsContext& context) { return std::make_unique<DesktopPage>(context); }
