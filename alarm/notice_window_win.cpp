// The notice window, dialog 102: title, the stored date and time with the remark, the remark again
// below the line, both in a bold version of the dialog's font; Snooze, OK, Esc and the close box.
#include "alarm/notice_window_win.h"

#include <algorithm>

#include "common/bounded_text.h"
#include "common/owned_handles_win.h"
#include "common/shared_icon_win.h"
#include "resources/resource_ids.h"
#include "texts/help_win.h"
#include "texts/text_table.h"

namespace {

struct NoticeState {
  AlarmClock& alarm;
  int index;
  NoticeAnswer answer = NoticeAnswer::kSnooze;
  OwnedFont bold_font;
};

// The dialog's font made bolder (weight 600) and an eighth larger.
OwnedFont BoldFontOf(HWND window) {
  LOGFONTA font{};
  const auto dialog_font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  if (dialog_font == nullptr || GetObjectA(dialog_font, sizeof font, &font) == 0) return nullptr;
  font.lfWeight = 600;
  font.lfHeight += font.lfHeight / 8;
  return OwnedFont(CreateFontIndirectA(&font));
}

void Initialise(HWND window, NoticeState& state) {
  const Appointment& appointment = state.alarm.table.records[static_cast<std::size_t>(state.index)];
  SetWindowTextA(window, appointment.name);
  char when[400];
  FormatText(when, sizeof when, "%02d.%02d.%04d %02d:%02d\n\n%s", appointment.day, appointment.month,
             appointment.year, appointment.hour, appointment.minute, appointment.remark);
  SetDlgItemTextA(window, IDC_NOTICE_WHEN, when);
  SetDlgItemTextA(window, IDC_NOTICE_REMARK, appointment.remark);
  state.bold_font = BoldFontOf(window);
  for (int id : {IDC_NOTICE_WHEN, IDC_NOTICE_REMARK}) {
    SendDlgItemMessageA(window, id, WM_SETFONT, reinterpret_cast<WPARAM>(state.bold_font.get()), FALSE);
  }
  SetDlgItemTextA(window, IDC_NOTICE_OK, LookupText(texts::MAIN_OK));
  SetDlgItemTextA(window, IDC_NOTICE_SNOOZE, LookupText(texts::ALARM_SNOOZE));
  HICON icon = SharedIcon("UHR", 32);
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  state.alarm.notice_windows.push_back(window);
}

void Close(HWND window, NoticeState& state, NoticeAnswer answer) {
  state.answer = answer;
  std::erase(state.alarm.notice_windows, window);
  EndDialog(window, 0);
}

INT_PTR CALLBACK NoticeDialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = reinterpret_cast<NoticeState*>(GetWindowLongPtrA(window, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(window, DWLP_USER, lparam);
      Initialise(window, *reinterpret_cast<NoticeState*>(lparam));
      // Enter answers OK, the default button, rather than the first button in the tab order.
      SetFocus(GetDlgItem(window, IDC_NOTICE_OK));
      return FALSE;
    case WM_COMMAND:
      if (state == nullptr) return FALSE;
      switch (LOWORD(wparam)) {
        case IDC_NOTICE_OK:
        case IDOK:
          Close(window, *state, NoticeAnswer::kOk);
          return TRUE;
        case IDC_NOTICE_SNOOZE:
        case IDCANCEL:
          Close(window, *state, NoticeAnswer::kSnooze);
          return TRUE;
        default:
          return FALSE;
      }
    case WM_HELP:
      ShowHelp(window, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

NoticeAnswer RunNoticeWindow(AlarmClock& alarm, int index) {
  NoticeState state{.alarm = alarm, .index = index, .answer = NoticeAnswer::kSnooze, .bold_font = nullptr};
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_NOTICE), nullptr, NoticeDialogProc,
                  reinterpret_cast<LPARAM>(&state));
  return state.answer;
}
