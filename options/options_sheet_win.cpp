// The options sheet: its pages in tab order, its caption and icon, and the close box.
#include "options/options_sheet_win.h"

#include <commctrl.h>

#include <array>
#include <memory>

#include "common/bounded_text.h"
#include "options/option_pages_win.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"

namespace {

struct PageDescription {
  int template_id;
  std::unique_ptr<OptionPage> (*make)(OptionsContext& context);
};

// The pages in tab order: their tabs' titles, and their dialogs with the pages behind them.
constexpr TextEntry kPageTitles[] = {texts::TABS_CONFIG, texts::TABS_DESKTOP, texts::TABS_PICS,
                                     texts::TABS_ALARM,  texts::TABS_NOTES,   texts::TABS_HOTKEYS};
constexpr PageDescription kPages[] = {
    {IDD_OPTIONS_GENERAL, MakeGeneralPage}, {IDD_OPTIONS_DESKTOP, MakeDesktopPage},
    {IDD_OPTIONS_PICTURES, MakePicturesPage}, {IDD_OPTIONS_ALARM, MakeAlarmPage},
    {IDD_OPTIONS_NOTES, MakeNotesPage},     {IDD_OPTIONS_HOTKEYS, MakeHotkeysPage},
};
constexpr std::size_t kPageCount = std::size(kPages);
static_assert(std::size(kPageTitles) == kPageCount);

// Before the sheet's frame is made, its template gets the system menu, so that the sheet has a close
// box. Once made, the sheet is centred on its monitor's work area, shown and brought to the front:
// its owner, the main window, hides while the sheet is open.
int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lparam) {
  if (message == PSCB_PRECREATE) {
    auto* words = reinterpret_cast<WORD*>(lparam);
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    auto* style = reinterpret_cast<DWORD*>(extended ? words + 6 : words);
    *style |= WS_SYSMENU;
  }
  if (message == PSCB_INITIALIZED) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(sheet, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{};
    GetWindowRect(sheet, &frame);
    const RECT& work = monitor.rcWork;
    SetWindowPos(sheet, nullptr, work.left + (work.right - work.left - (frame.right - frame.left)) / 2,
                 work.top + (work.bottom - work.top - (frame.bottom - frame.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(sheet);
  }
  return 0;
}

}  // namespace

bool OpenOptions(HWND owner, OptionsContext& context) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  if (!InitCommonControlsEx(&controls)) return false;
  LoadSettings(*context.settings, *context.platform);
  context.rebuild_wallpaper = false;
  context.rescan_notes = false;
  context.page_titles = kPageTitles;

  std::array<std::unique_ptr<OptionPage>, kPageCount> pages;
  char titles[kPageCount][kSheetTitleCapacity];
  std::array<PROPSHEETPAGEA, kPageCount> sheet_pages{};
  for (std::size_t i = 0; i < kPageCount; ++i) {
    pages[i] = kPages[i].make(context);
    CopyText(titles[i], context.text_table->LookupText(kPageTitles[i]));
    sheet_pages[i] = pages[i]->Page(kPages[i].template_id, titles[i]);
  }
  char caption[kSheetTitleCapacity];
  CopyText(caption, context.text_table->LookupText(texts::CONFIG_CAPTION));
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_USEICONID | PSH_USECALLBACK | PSH_NOCONTEXTHELP | PSH_HASHELP;
  header.hwndParent = owner;
  header.hInstance = GetModuleHandleA(nullptr);
  header.pszIcon = "CONFIG";
  header.pszCaption = caption;
  header.nPages = kPageCount;
  header.nStartPage = 0;
  header.ppsp = sheet_pages.data();
  header.pfnCallback = SheetCallback;
  PropertySheetA(&header);
  return true;
}
