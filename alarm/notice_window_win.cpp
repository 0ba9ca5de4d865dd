// The notice window, dialog 102: title, the stored date and time with the remark, the remark again
// below the line, both in a bold version of the dialog's font; Snooze, OK, Esc and the close box.
#include "alarm/notice_window_win.h"

#include <algorithm>

#include "common/bounded_text.h"
#include "common/dialog_window_win.h"
#include "common/owned_handles_win.h"
#include "common/shared_icon_win.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"

namespace {

// The dialog's font made bolder (weight 600) and an eighth larger.
OwnedFont BoldFontOf(HWND window) {
  LOGFONTA font{};
  const auto dialog_font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  if (dialog_font == nullptr || GetObjectA(dialog_font, sizeof font, &font) == 0) return nullptr;
  font.lfWeight = 600;
  font.lfHeight += font.lfHeight / 8;
  return OwnedFont(CreateFontIndirectA(&font));
}

class NoticeWindow : public DialogWindow {
 public:
  NoticeWindow(AlarmClock& alarm, int index) : alarm_(alarm), index_(index) {}

  NoticeAnswer Run() {
    RunModal(IDD_NOTICE, nullptr);
    return answer_;
  }

 private:
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wparam, LPARAM) override {
    switch (message) {
      case WM_INITDIALOG:
        Initialise();
        // Enter answers OK, the default button, rather than the first button in the tab order.
        SetFocus(GetDlgItem(window(), IDC_NOTICE_OK));
        return FALSE;
      case MSG_TEXTS_CHANGED:
        ShowTexts();
        return TRUE;
      case WM_COMMAND:
        switch (LOWORD(wparam)) {
          case IDC_NOTICE_OK:
          case IDOK:
            Close(NoticeAnswer::kOk);
            return TRUE;
          case IDC_NOTICE_SNOOZE:
          case IDCANCEL:
            Close(NoticeAnswer::kSnooze);
            return TRUE;
          default:
            return std::nullopt;
        }
      case WM_HELP:
        alarm_.help->Show(window(), 0);
        return TRUE;
      case WM_DESTROY:
        std::erase(alarm_.notice_windows, window());
        return std::nullopt;
      default:
        return std::nullopt;
    }
  }

  void Initialise() {
    const Appointment& appointment = alarm_.table.records[static_cast<std::size_t>(index_)];
    SetWindowTextA(window(), appointment.name);
    char when[400];
    FormatText(when, sizeof when, "%02d.%02d.%04d %02d:%02d\n\n%s", appointment.day, appointment.month,
               appointment.year, appointment.hour, appointment.minute, appointment.remark);
    SetDlgItemTextA(window(), IDC_NOTICE_WHEN, when);
    SetDlgItemTextA(window(), IDC_NOTICE_REMARK, appointment.remark);
    bold_font_ = BoldFontOf(window());
    for (int id : {IDC_NOTICE_WHEN, IDC_NOTICE_REMARK}) {
      SendDlgItemMessageA(window(), id, WM_SETFONT, reinterpret_cast<WPARAM>(bold_font_.get()), FALSE);
    }
    ShowTexts();
    HICON icon = SharedIcon("UHR", 32);
    SendMessageA(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    alarm_.notice_windows.push_back(window());
  }

  void ShowTexts() {
    SetDlgItemTextA(window(), IDC_NOTICE_OK, alarm_.text_table->LookupText(texts::MAIN_OK).c_str());
    SetDlgItemTextA(window(), IDC_NOTICE_SNOOZE, alarm_.text_table->LookupText(texts::ALARM_SNOOZE).c_str());
  }

  void Close(NoticeAnswer answer) {
    answer_ = answer;
    EndDialog(window(), 0);
  }

  AlarmClock& alarm_;
  int index_;
  // Esc, the close box and the program's end (its modal loop ended without an answer) snooze.
  NoticeAnswer answer_ = NoticeAnswer::kSnooze;
  OwnedFont bold_font_;
};

}  // namespace

NoticeAnswer RunNoticeWindow(AlarmClock& alarm, int index) { return NoticeWindow(alarm, index).Run(); }
