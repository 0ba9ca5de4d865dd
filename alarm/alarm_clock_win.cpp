// The alarm clock's work on the user-interface thread: loading and saving the table, the minute
// check, and firing an appointment's action.
#include "alarm/alarm_clock_win.h"

#include <algorithm>
#include <cstring>

#include "alarm/due_rule.h"
#include "alarm/notice_window_win.h"
#include "alarm/program_start_win.h"
#include "texts/text_table.h"

namespace {

// A file field this short names no file or program.
constexpr std::size_t kShortestFileField = 3;

bool NamesFile(const Appointment& appointment) {
  return strnlen(appointment.file, sizeof appointment.file) >= kShortestFileField;
}

// Counts a check pass as under way for its whole run, however it ends.
class PassUnderWay {
 public:
  explicit PassUnderWay(AlarmClock& alarm) : alarm_(alarm) { ++alarm_.passes_under_way; }
  ~PassUnderWay() { --alarm_.passes_under_way; }
  PassUnderWay(const PassUnderWay&) = delete;
  PassUnderWay& operator=(const PassUnderWay&) = delete;

 private:
  AlarmClock& alarm_;
};

// The notice of the record at index, and its answer applied to the record. A test leaves the record
// exactly as it was.
void ShowNotice(AlarmClock& alarm, int index, bool test) {
  MessageBeep(MB_ICONEXCLAMATION);
  Appointment& record = alarm.table.records[static_cast<std::size_t>(index)];
  const Appointment before = record;
  const NoticeAnswer answer = RunNoticeWindow(alarm, index);
  if (test) {
    record = before;
    return;
  }
  if (answer == NoticeAnswer::kSnooze) {
    SnoozeAppointment(record, alarm.settings->Snooze);
  } else {
    AcknowledgeNotice(record);
  }
}

// Every pass that fires something asks for the table to be saved; only the last pass to end saves.
void SaveAfterPass(AlarmClock& alarm, HWND main_window) {
  if (alarm.passes_under_way > 0 || !alarm.save_pending) return;
  alarm.save_pending = false;
  SaveAppointmentTable(alarm, main_window);
}

}  // namespace

void LoadAppointmentTable(AlarmClock& alarm) {
  LoadAppointments(alarm.table, alarm.settings->AlarmFile, alarm.settings->AutoDelete != 0, alarm.clock->Now());
}

bool SaveAppointmentTable(AlarmClock& alarm, HWND owner) {
  if (SaveAppointments(alarm.table, alarm.settings->AlarmFile)) return true;
  MessageBoxA(owner, alarm.text_table->LookupText(texts::ERR_SAVEALARM).c_str(), "", MB_ICONERROR);
  return false;
}

void FadeAlarmSound(AlarmClock& alarm) {
  if (alarm.sound_available) alarm.sound.FadeOut();
}

void AlarmCheck(AlarmClock& alarm, HWND main_window) {
  const LocalTime now = alarm.clock->Now();
  if (alarm.editor_open || now.minute == alarm.last_checked_minute) return;
  alarm.last_checked_minute = now.minute;
  {
    const PassUnderWay pass(alarm);
    for (int index = 0; index < alarm.table.count; ++index) {
      Appointment& appointment = alarm.table.records[static_cast<std::size_t>(index)];
      if (!IsCandidate(appointment, now) || !FallsDueAtThisPass(appointment, now)) continue;
      alarm.save_pending = true;
      FireAppointment(alarm, main_window, index, false);
    }
  }
  SaveAfterPass(alarm, main_window);
}

void FireAppointment(AlarmClock& alarm, HWND window, int index, bool test) {
  Appointment& appointment = alarm.table.records[static_cast<std::size_t>(index)];
  if (appointment.kind == kKindOff) return;
  if (!test) MarkFired(appointment, alarm.clock->Now());
  switch (appointment.action) {
    case kActionNotice:
      ShowNotice(alarm, index, test);
      return;
    case kActionSound:
      if (!test) SwitchOffOnce(appointment);
      if (alarm.sound_available && NamesFile(appointment)) alarm.sound.PlayFile(appointment.file);
      return;
    case kActionProgram:
      if (!test) SwitchOffOnce(appointment);
      if (NamesFile(appointment)) StartAppointmentProgram(window, appointment.file);
      return;
    default:
      return;
  }
}

bool AlarmEditorAvailable(const AlarmClock& alarm) { return !alarm.editor_open && alarm.passes_under_way == 0; }

void CloseNoticeWindows(AlarmClock& alarm) {
  // Each window leaves the list as it closes.
  const std::vector<HWND> open = alarm.notice_windows;
  for (HWND notice : open) SendMessageA(notice, WM_COMMAND, IDCANCEL, 0);
}
