// The pages' shared dialog procedure and helpers.
#include "options/option_page_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include "imaging/font_win.h"
#include "resources/resource_ids.h"

PROPSHEETPAGEA OptionPage::Page(int template_id, const char* title) {
  PROPSHEETPAGEA page = SheetPage(template_id);
  page.dwFlags = PSP_USETITLE | PSP_HASHELP;
  page.pszTitle = title;
  return page;
}

std::optional<INT_PTR> OptionPage::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      SendDlgItemMessageA(window(), IDC_PAGE_DATE_ICON, STM_SETICON, reinterpret_cast<WPARAM>(context_.date_icon), 0);
      Init();
      ShowTexts();
      return TRUE;
    case MSG_TEXTS_CHANGED:
      ShowSheetTexts();
      ShowTexts();
      return TRUE;
    case WM_COMMAND:
      Command(LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lparam)->hwndFrom == GetParent(window())) {
        return Notify(*reinterpret_cast<const NMHDR*>(lparam));
      }
      break;
    case WM_HELP:
      ShowHelp(0);
      return TRUE;
    default:
      break;
  }
  INT_PTR result = FALSE;
  if (Message(message, wparam, lparam, result)) return result;
  return std::nullopt;
}

void OptionPage::ShowSheetTexts() const {
  HWND sheet = GetParent(window());
  SetWindowTextA(sheet, Text(texts::CONFIG_CAPTION).substr(0, kSheetTitleCapacity - 1).c_str());
  HWND tabs = PropSheet_GetTabControl(sheet);
  for (std::size_t i = 0; i < context_.page_titles.size(); ++i) {
    std::string title = Text(context_.page_titles[i]).substr(0, kSheetTitleCapacity - 1);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = title.data();
    SendMessageA(tabs, TCM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
}

// Every page accepts leaving it, OK, Apply and Cancel.
INT_PTR OptionPage::Notify(const NMHDR& header) {
  switch (header.code) {
    case PSN_SETACTIVE:
      SetActive();
      break;
    case PSN_APPLY: {
      keep_sheet_open_ = false;
      Apply();
      SetWindowLongPtrA(window(), DWLP_MSGRESULT, keep_sheet_open_ ? PSNRET_INVALID : PSNRET_NOERROR);
      return TRUE;
    }
    case PSN_RESET:
      Reset();
      break;
    case PSN_HELP:
      ShowHelp(help_topic_);
      break;
    case PSN_KILLACTIVE:
      break;
    default:
      return FALSE;
  }
  SetWindowLongPtrA(window(), DWLP_MSGRESULT, PSNRET_NOERROR);
  return TRUE;
}

void OptionPage::SetItemTexts(std::span<const LabelText> items) const {
  for (const LabelText& item : items) SetDlgItemTextA(window(), item.id, Text(item.text).c_str());
}

std::string OptionPage::ItemText(int id) const {
  char text[1024] = {};
  GetDlgItemTextA(window(), id, text, sizeof text);
  return text;
}

void OptionPage::Changed() const { PropSheet_Changed(GetParent(window()), window()); }

void OptionPage::ShowCornerIcon(int id, const char* name) {
  corner_icon_.reset(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, 0, 0, 0)));
  if (!corner_icon_) return;
  ICONINFO info{};
  if (!GetIconInfo(corner_icon_.get(), &info)) return;
  const OwnedBitmap mask_bitmap(info.hbmMask);
  const OwnedBitmap colour_bitmap(info.hbmColor);
  BITMAP mask{};
  GetObjectA(mask_bitmap.get(), sizeof mask, &mask);
  // A monochrome icon's mask holds the AND and the XOR picture one above the other.
  const SIZE icon{mask.bmWidth, colour_bitmap ? mask.bmHeight : mask.bmHeight / 2};
  RECT outer{};
  GetWindowRect(window(), &outer);
  SendItem(id, STM_SETICON, reinterpret_cast<WPARAM>(corner_icon_.get()));
  SetWindowPos(Item(id), nullptr, outer.right - outer.left - icon.cx - 16, outer.bottom - outer.top - icon.cy - 5,
               icon.cx, icon.cy, SWP_NOZORDER | SWP_SHOWWINDOW);
}

int SelectedRow(HWND combo) {
  const LRESULT row = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  return row == CB_ERR ? -1 : static_cast<int>(row);
}

void SetSliderRange(HWND slider, int minimum, int maximum) {
  SendMessageA(slider, TBM_SETRANGEMIN, FALSE, minimum);
  SendMessageA(slider, TBM_SETRANGEMAX, TRUE, maximum);
}

bool ChooseScreenFont(HWND owner, LogFont& font, int smallest_points, int largest_points) {
  LOGFONTA record = ToLogFontRecord(font);
  CHOOSEFONTA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpLogFont = &record;
  dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_LIMITSIZE;
  dialog.nSizeMin = smallest_points;
  dialog.nSizeMax = largest_points;
  if (!ChooseFontA(&dialog)) return false;
  font = FromLogFontRecord(record);
  return true;
}
