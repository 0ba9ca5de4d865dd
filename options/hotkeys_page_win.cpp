// The Hotkeys page of the options sheet: one row per hotkey slot (a modifier list, a key list and the
// "aktiv" check box). While the page exists the program's hotkeys are unregistered, so that the user
// can press the combinations while choosing them; Apply registers the new ones, Cancel the stored
// ones. A combination another program holds is marked at its check box, which stays switchable, and
// a tooltip says why.
#include <windows.h>

#include <commctrl.h>

#include <iterator>
#include <string>

#include "common/owned_handles_win.h"
#include "options/hotkey_registration_win.h"
#include "options/option_pages_win.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"

namespace {

struct HotkeyRow {
  int slot;
  int label;
  int modifier;
  int key;
  int active;
  const TextEntry& text;
};

// From the top of the page down.
constexpr HotkeyRow kRows[] = {
    {0, IDC_HOTKEYS_DESKTOP_LABEL, IDC_HOTKEYS_DESKTOP_MODIFIER, IDC_HOTKEYS_DESKTOP_KEY, IDC_HOTKEYS_DESKTOP_ACTIVE,
     texts::HOTKEYS_DESKTOP},
    {1, IDC_HOTKEYS_ALARM_LABEL, IDC_HOTKEYS_ALARM_MODIFIER, IDC_HOTKEYS_ALARM_KEY, IDC_HOTKEYS_ALARM_ACTIVE,
     texts::HOTKEYS_TERMINE},
    {3, IDC_HOTKEYS_CALENDAR_LABEL, IDC_HOTKEYS_CALENDAR_MODIFIER, IDC_HOTKEYS_CALENDAR_KEY,
     IDC_HOTKEYS_CALENDAR_ACTIVE, texts::HOTKEYS_MONKAL},
    {2, IDC_HOTKEYS_NOTE_LABEL, IDC_HOTKEYS_NOTE_MODIFIER, IDC_HOTKEYS_NOTE_KEY, IDC_HOTKEYS_NOTE_ACTIVE,
     texts::HOTKEYS_NOTIZ},
    {4, IDC_HOTKEYS_WINDOW_LABEL, IDC_HOTKEYS_WINDOW_MODIFIER, IDC_HOTKEYS_WINDOW_KEY, IDC_HOTKEYS_WINDOW_ACTIVE,
     texts::HOTKEYS_FENSTER},
};
static_assert(std::size(kRows) == kHotkeySlotCount);

constexpr int kHelpTopic = 6;

class HotkeysPage : public OptionPage {
 public:
  explicit HotkeysPage(OptionsContext& context) : OptionPage(context, kHelpTopic) {}

 private:
  HotkeySlots& slots() const { return *context().hotkeys; }

  void Init() override {
    UnregisterHotkeys(context().hotkey_window, slots());
    for (const HotkeyRow& row : kRows) {
      const HotkeySlot& slot = slots()[row.slot];
      for (const HotkeyModifier& modifier : HotkeyModifiers()) {
        SendItem(row.modifier, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(modifier.name));
      }
      for (const HotkeyKey& key : HotkeyKeys()) SendItem(row.key, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key.name));
      SendItem(row.modifier, CB_SETCURSEL, static_cast<WPARAM>(slot.modifier));
      SendItem(row.key, CB_SETCURSEL, static_cast<WPARAM>(slot.key));
      CheckDlgButton(window(), row.active, slot.active != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
    tooltip_.reset(CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window(), nullptr,
                                   GetModuleHandleA(nullptr), nullptr));
    for (const HotkeyRow& row : kRows) MarkTakenCombination(row);
    ShowCornerIcon(IDC_HOTKEYS_CORNER_ICON, "HOTKEYS");
  }

  void ShowTexts() override {
    for (const HotkeyRow& row : kRows) {
      SetDlgItemTextA(window(), row.label, Text(row.text).c_str());
      ShowActiveText(row);
    }
  }

  void ShowActiveText(const HotkeyRow& row) const {
    const bool taken = (taken_rows_ & (1u << row.slot)) != 0;
    SetDlgItemTextA(window(), row.active, Text(taken ? texts::HOTKEYS_AKTIVBELEGT : texts::HOTKEYS_AKTIV).c_str());
  }

  void Command(int id, int code) override {
    for (const HotkeyRow& row : kRows) {
      if ((id == row.modifier || id == row.key) && code == CBN_SELCHANGE) {
        MarkTakenCombination(row);
        Changed();
      } else if (id == row.active && code == BN_CLICKED) {
        Changed();
      }
    }
  }

  void Apply() override {
    for (const HotkeyRow& row : kRows) slots()[row.slot] = ChosenSlot(row);
    SaveHotkeys(slots(), store(), settings().keys);
    RegisterHotkeys(context().hotkey_window, slots());
    registered_ = true;
  }

  void Reset() override {
    LoadHotkeys(slots(), store(), settings().keys);
    RegisterHotkeys(context().hotkey_window, slots());
  }

  // The row's choice; a list without a selection keeps the slot's value.
  HotkeySlot ChosenSlot(const HotkeyRow& row) const {
    HotkeySlot slot = slots()[row.slot];
    slot.id = kFirstHotkeyId + row.slot;
    if (const int modifier = SelectedRow(Item(row.modifier)); modifier >= 0) slot.modifier = modifier;
    if (const int key = SelectedRow(Item(row.key)); key >= 0) slot.key = key;
    slot.active = IsDlgButtonChecked(window(), row.active) == BST_CHECKED ? 1 : 0;
    return slot;
  }

  // Whether another program holds the row's combination. The program's own hotkeys, registered again
  // by an Apply, are let go while the combination is tried, so that they never count as taken.
  bool TakenByAnotherProgram(const HotkeyRow& row) const {
    const HotkeySlot slot = ChosenSlot(row);
    if (registered_) UnregisterHotkeys(context().hotkey_window, slots());
    const bool taken = HotkeyCombinationTaken(window(), HotkeyModifierFlags(slot), HotkeyVirtualKey(slot));
    if (registered_) RegisterHotkeys(context().hotkey_window, slots());
    return taken;
  }

  // A taken combination is marked in the row's check box text, and the tooltip over it says why. The
  // box stays switchable: a slot stored as active must be able to go off while its key is taken.
  void MarkTakenCombination(const HotkeyRow& row) {
    const bool taken = TakenByAnotherProgram(row);
    if (taken) {
      taken_rows_ |= 1u << row.slot;
    } else {
      taken_rows_ &= ~(1u << row.slot);
    }
    ShowActiveText(row);
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window();
    tool.uId = static_cast<UINT_PTR>(row.active);
    SendMessageA(tooltip_.get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (!taken) return;
    tool.uFlags = TTF_SUBCLASS;
    GetWindowRect(Item(row.active), &tool.rect);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&tool.rect), 2);
    std::string text = Text(texts::HOTKEYS_BELEGT);
    tool.lpszText = text.data();
    SendMessageA(tooltip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }

  // The tooltip goes with the page, before the sheet (its owner) would take it along.
  bool Message(UINT message, WPARAM, LPARAM, INT_PTR&) override {
    if (message == WM_DESTROY) tooltip_.reset();
    return false;
  }

  OwnedWindow tooltip_;
  bool registered_ = false;  // an Apply has registered the program's hotkeys again
  unsigned taken_rows_ = 0;  // a bit per slot whose combination another program holds
};

}  // namespace

std::unique_ptr<OptionPage> MakeHotkeysPage(OptionsContext& context) { return std::make_unique<HotkeysPage>(context); }
