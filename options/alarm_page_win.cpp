// The Alarm page of the options sheet: the appointments file, the automatic deletion of old
// appointments, the snooze time, the sound device and the volume. Apply stores them, reloads the
// appointments when the file changed and opens the sound device afresh, so that a new device or
// volume takes effect.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include "alarm/sound_device.h"
#include "common/bounded_text.h"
#include "common/cp1252.h"
#include "options/option_pages_win.h"
#include "options/option_paths.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"

namespace {

constexpr int kHelpTopic = 5;
constexpr int kPathCapacity = 260;
constexpr int kShortestSnooze = 2;
constexpr int kLongestSnooze = 60;
// The sound devices looked for: 1 .. 29.
constexpr int kLastListedDevice = 29;
// The device list's first row is the system's default device, the rows after it devices 1, 2, ...
constexpr int kDefaultDeviceRow = 0;

constexpr LabelText kLabelTexts[] = {{IDC_ALARMPAGE_FILE_LABEL, texts::ALARM_TERMINDATEI},
                                     {IDC_ALARMPAGE_AUTODELETE, texts::ALARM_AUTODELETE},
                                     {IDC_ALARMPAGE_DEVICE_LABEL, texts::ALARM_SNDDEVICE},
                                     {IDC_ALARMPAGE_VOLUME_LABEL, texts::ALARM_SNDVOLUME}};

class AlarmPage : public OptionPage {
 public:
  explicit AlarmPage(OptionsContext& context) : OptionPage(context, kHelpTopic) {}

 private:
  AlarmClock& alarm() const { return *context().alarm; }

  void Init() override {
    snooze_at_opening_ = settings().Snooze;
    CheckDlgButton(window(), IDC_ALARMPAGE_AUTODELETE, settings().AutoDelete != 0 ? BST_CHECKED : BST_UNCHECKED);
    SendItem(IDC_ALARMPAGE_FILE, EM_SETLIMITTEXT, kPathCapacity);
    SetDlgItemTextA(window(), IDC_ALARMPAGE_FILE, settings().AlarmFile.c_str());
    SetUpTrackbar(IDC_ALARMPAGE_SNOOZE, kShortestSnooze, kLongestSnooze, 5, settings().Snooze);
    SetUpTrackbar(IDC_ALARMPAGE_VOLUME, 0, 100, 10, settings().SndVolume);
    if (alarm().sound_available) {
      FillDeviceList();
    } else {
      for (int id :
           {IDC_ALARMPAGE_DEVICE, IDC_ALARMPAGE_VOLUME, IDC_ALARMPAGE_DEVICE_LABEL, IDC_ALARMPAGE_VOLUME_LABEL}) {
        EnableWindow(Item(id), FALSE);
      }
    }
    ShowCornerIcon(IDC_ALARMPAGE_CORNER_ICON, "WECKER");
  }

  // Range, page size, position and a tick mark at every page step inside the range.
  void SetUpTrackbar(int id, int lowest, int highest, int page, int position) {
    SetSliderRange(Item(id), lowest, highest);
    SendItem(id, TBM_SETPAGESIZE, 0, page);
    SendItem(id, TBM_CLEARTICS, FALSE);
    for (int tick = page; tick < highest; tick += page) SendItem(id, TBM_SETTIC, 0, tick);
    SendItem(id, TBM_SETPOS, TRUE, position);
  }

  int TrackbarPosition(int id) const { return static_cast<int>(SendItem(id, TBM_GETPOS)); }

  // The default device and the devices that have a name. The stored device is selected; a device
  // that is not there now (unplugged) selects nothing, so that Apply keeps it stored.
  void FillDeviceList() {
    SendItem(IDC_ALARMPAGE_DEVICE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Text(texts::ALARM_SNDDEFAULT).c_str()));
    int listed = 0;
    char name[256];
    while (listed < kLastListedDevice && alarm().sound.DeviceName(listed + 1, name, sizeof name)) {
      SendItem(IDC_ALARMPAGE_DEVICE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
      ++listed;
    }
    const int device = settings().SndDevice;
    const int row = device == kDefaultSoundDevice       ? kDefaultDeviceRow
                    : device >= 1 && device <= listed ? device
                                                      : -1;
    SendItem(IDC_ALARMPAGE_DEVICE, CB_SETCURSEL, static_cast<WPARAM>(row));
  }

  // The first row, the system's default device, named in the language of the texts (the list is
  // empty without sound).
  void ShowDefaultDeviceName() {
    if (SendItem(IDC_ALARMPAGE_DEVICE, CB_GETCOUNT) <= kDefaultDeviceRow) return;
    const LRESULT selected = SendItem(IDC_ALARMPAGE_DEVICE, CB_GETCURSEL);
    SendItem(IDC_ALARMPAGE_DEVICE, CB_DELETESTRING, kDefaultDeviceRow);
    SendItem(IDC_ALARMPAGE_DEVICE, CB_INSERTSTRING, kDefaultDeviceRow,
             reinterpret_cast<LPARAM>(Text(texts::ALARM_SNDDEFAULT).c_str()));
    SendItem(IDC_ALARMPAGE_DEVICE, CB_SETCURSEL, static_cast<WPARAM>(selected));
  }

  void ShowSnoozeTime() {
    char text[61];
    FormatText(text, sizeof text, Format(texts::ALARM_SNOOZETIME).c_str(), TrackbarPosition(IDC_ALARMPAGE_SNOOZE));
    SetDlgItemTextA(window(), IDC_ALARMPAGE_SNOOZE_LABEL, text);
  }

  void ShowTexts() override {
    ShowSnoozeTime();
    SetItemTexts(kLabelTexts);
    ShowDefaultDeviceName();
  }

  void Command(int id, int code) override {
    if (id == IDC_ALARMPAGE_FILE && code == EN_CHANGE) {
      if (ItemText(IDC_ALARMPAGE_FILE) != settings().AlarmFile) Changed();
    } else if (id == IDC_ALARMPAGE_CHOOSE_FILE && code == BN_CLICKED) {
      ChooseFile();
    } else if (id == IDC_ALARMPAGE_DEVICE && code == CBN_SELCHANGE) {
      if (SelectedRow(Item(IDC_ALARMPAGE_DEVICE)) >= 0) Changed();
    } else if (id == IDC_ALARMPAGE_AUTODELETE && code == BN_CLICKED) {
      Changed();
    }
  }

  // The file dialog starts at the field's path; the chosen file goes into the field, whose change
  // notice enables Apply.
  void ChooseFile() {
    char path[kPathCapacity] = {};
    CopyText(path, ItemText(IDC_ALARMPAGE_FILE));
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window();
    dialog.lpstrFilter = "Termin-Dateien (*.dtk)\0*.dtk\0Alle Dateien (*.*)\0*.*\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrDefExt = "dtk";
    dialog.Flags = OFN_HIDEREADONLY | OFN_CREATEPROMPT | OFN_NOCHANGEDIR;
    if (GetOpenFileNameA(&dialog)) SetDlgItemTextA(window(), IDC_ALARMPAGE_FILE, path);
  }

  // The trackbars report their moves to the page: the snooze time takes effect at once (a notice
  // snoozed meanwhile uses it), the volume at Apply, when the device is opened with it.
  bool Message(UINT message, WPARAM, LPARAM lparam, INT_PTR& result) override {
    if (message != WM_HSCROLL) return false;
    const auto trackbar = reinterpret_cast<HWND>(lparam);
    if (trackbar == Item(IDC_ALARMPAGE_SNOOZE)) {
      settings().Snooze = TrackbarPosition(IDC_ALARMPAGE_SNOOZE);
      ShowSnoozeTime();
    }
    if (trackbar == Item(IDC_ALARMPAGE_SNOOZE) || trackbar == Item(IDC_ALARMPAGE_VOLUME)) Changed();
    result = TRUE;
    return true;
  }

  void Apply() override {
    alarm().sound.Unload();
    std::string path = TrimmedAlarmFilePath(ItemText(IDC_ALARMPAGE_FILE));
    if (path.size() < kShortestPath) path = settings().AlarmFile;
    const bool new_file = !EqualIgnoringCase(path, settings().AlarmFile);
    settings().AlarmFile = path;
    SetDlgItemTextA(window(), IDC_ALARMPAGE_FILE, path.c_str());
    settings().AutoDelete = IsDlgButtonChecked(window(), IDC_ALARMPAGE_AUTODELETE) == BST_CHECKED ? 1 : 0;
    settings().Snooze = TrackbarPosition(IDC_ALARMPAGE_SNOOZE);
    snooze_at_opening_ = settings().Snooze;
    if (const int row = SelectedRow(Item(IDC_ALARMPAGE_DEVICE)); row >= 0) {
      settings().SndDevice = row == kDefaultDeviceRow ? kDefaultSoundDevice : row;
    }
    settings().SndVolume = TrackbarPosition(IDC_ALARMPAGE_VOLUME);
    SaveSettings(settings(), store());
    if (new_file) LoadAppointmentTable(alarm());
    // The device is opened with a copy: a device that is missing now stays stored for later runs.
    int device = settings().SndDevice;
    alarm().sound_available = alarm().sound.Load(device, settings().SndVolume);
  }

  void Reset() override { settings().Snooze = snooze_at_opening_; }

  int snooze_at_opening_ = 0;  // and at the last Apply
};

}  // namespace

std::unique_ptr<OptionPage> MakeAlarmPage(OptionsContext& context) { return std::make_unique<AlarmPage>(context); }
