// The alarm clock in the running program: the appointment table and the sound, with the state that
// the minute check, the notice windows and the editor share. One instance lives for the whole run
// and belongs to the user-interface thread.
#pragma once

#include <windows.h>

#include <vector>

#include "alarm/alarm_sound_win.h"
#include "alarm/appointment_table.h"
#include "calendar/clock.h"
#include "settings/settings.h"
#include "texts/help_win.h"
#include "texts/text_table.h"

struct AlarmClock {
  AlarmClock(const Clock& program_clock, Settings& program_settings, const TextTable& program_texts,
             const HtmlHelp& program_help)
      : clock(&program_clock), settings(&program_settings), text_table(&program_texts), help(&program_help) {}

  // The program's clock and settings (AlarmFile, AutoDelete, Snooze, the sound's device and volume),
  // its texts and its help; they outlive the alarm clock.
  const Clock* clock;
  Settings* settings;
  const TextTable* text_table;
  const HtmlHelp* help;

  AlarmSound sound;
  bool sound_available = false;
  AppointmentTable table;
  bool editor_open = false;
  // Check passes under way: each holds record indexes while a notice window of its own is open.
  int passes_under_way = 0;
  // Something fired in a pass that ran while another held its indexes; the outermost pass saves, so
  // that the sort of the save never moves a record under a notice window.
  bool save_pending = false;
  int last_checked_minute = -1;
  // The notice windows on the screen, so that the program's end can close them.
  std::vector<HWND> notice_windows;
};

// The table from the appointments file (see LoadAppointments); the selection goes back to 0.
void LoadAppointmentTable(AlarmClock& alarm);

// Sorts the table and writes the file. On failure the user is told with ERR / SAVEALARM in a
// message box owned by owner, and the file stays as it was; false then.
bool SaveAppointmentTable(AlarmClock& alarm, HWND owner);

// Fades out a playing alarm sound, while sound is available.
void FadeAlarmSound(AlarmClock& alarm);

// The check on each tick of the main window's timer: at most once a minute, and not while the
// editor is open, it fires every appointment that falls due and then saves the table.
void AlarmCheck(AlarmClock& alarm, HWND main_window);

// Carries out one appointment; in test mode (the editor's Test) its record is left as it was.
void FireAppointment(AlarmClock& alarm, HWND window, int index, bool test);

// The editor may open only while no check pass holds record indexes and it is not open already.
bool AlarmEditorAvailable(const AlarmClock& alarm);

// At the program's end: every open notice window closes as its close box does (the appointment
// comes back after the snooze time), so that the passes finish and save before the program ends.
void CloseNoticeWindows(AlarmClock& alarm);
