// The pages' shared dialog procedure and helpers.
#include "options/option_page_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include "imaging/font_win.h"
#include "resources/resource_ids.h"
#include "texts/help_win.h"

INT_PTR CALLBACK OptionPage::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* page = reinterpret_cast<OptionPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lparam)->lParam);
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
    page->window_ = window;
    SendDlgItemMessageA(window, IDC_PAGE_DATE_ICON, STM_SETICON, reinterpret_cast<WPARAM>(page->context_.date_icon),
                        0);
    page->Init();
    return TRUE;
  }
  auto* page = reinterpret_cast<OptionPage*>(GetWindowLongPtrA(window, DWLP_USER));
  if (page == nullptr) return FALSE;  // the messages before WM_INITDIALOG
  switch (message) {
    case WM_COMMAND:
      page->Command(LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lparam)->hwndFrom == GetParent(window)) {
        return page->Notify(*reinterpret_cast<const NMHDR*>(lparam));
      }
      break;
    case WM_HELP:
      ShowHelp(window, 0);
      return TRUE;
    default:
      break;
  }
  INT_PTR result = FALSE;
  return page->Message(message, wparam, lparam, result) ? result : FALSE;
}

// Every page accepts leaving it, OK, Apply and Cancel.
INT_PTR OptionPage::Notify(const NMHDR& header) {
  switch (header.code) {
    case PSN_SETACTIVE:
      SetActive();
      break;
    case PSN_APPLY:
      Apply();
      break;
    case PSN_RESET:
      Reset();
      break;
    case PSN_HELP:
      ShowHelp(window_, help_topic_);
      break;
    case PSN_KILLACTIVE:
      break;
    default:
      return FALSE;
  }
  SetWindowLongPtrA(window_, DWLP_MSGRESULT, PSNRET_NOERROR);
  return TRUE;
}

void OptionPage::SetItemTexts(std::span<const LabelText> items) const {
  for (const LabelText& item : items) SetDlgItemTextA(window_, item.id, LookupText(item.text));
}

std::string OptionPage::ItemText(int id) const {
  char text[1024] = {};
  GetDlgItemTextA(window_, id, text, sizeof text);
  return text;
}

void OptionPage::Changed() const { PropSheet_Changed(GetParent(window_), window_); }

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
  GetWindowRect(window_, &outer);
  SendItem(id, STM_SETICON, reinterpret_cast<WPARAM>(corner_icon_.get()));
  SetWindowPos(Item(id), nullptr, outer.right - outer.left - icon.cx - 16, outer.bottom - outer.top - icon.cy - 5,
               icon.cx, icon.cy, SWP_NOZORDER | SWP_SHOWWINDOW);
}

int SelectedRow(HWND combo) {
  const LRESULT row = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  return row == CB_ERR ? -1 : static_cast<int>(row);
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
