// The alarm editor's rules, apart from its window: the names of new appointments, creating and
// deleting records, the date a list choice stores, the year list and which controls are usable.
#pragma once

#include <string>

#include "alarm/appointment_table.h"
#include "calendar/clock.h"
#include "texts/text_table.h"

// The editor offers New while the table holds fewer records than this.
inline constexpr int kEditorRecordLimit = 127;

// The year list: 2001 up to 25 years from now, and at least up to 2030; list position = year - 2001.
inline constexpr int kFirstListedYear = 2001;
int LastListedYear(int current_year);

// The first of "(neu)", "(neu 2)", "(neu 3)", ... that no record bears (ignoring case).
std::string NewAppointmentName(const AppointmentTable& table, const TextTable& text_table);

// Appends a cleared record and selects it: once, today, the next full hour (at most 23:00), no
// action, the new name. False when the table is at the editor's limit.
bool AppendNewAppointment(AppointmentTable& table, const LocalTime& now, const TextTable& text_table);

// Removes the selected record; the previous one becomes selected. False when it is protected.
bool DeleteSelectedAppointment(AppointmentTable& table);

// Which date field a list changed.
enum class DateField { kDay, kMonth, kYear };
// Stores a list position into the record; unless the appointment is monthly, the day is clamped to
// the length of its month. The record is armed afresh.
void ChooseDate(Appointment& appointment, DateField field, int position);

// Which of the editor's controls are usable for the selected record.
struct EditorControls {
  bool name = false;
  bool kind = false;
  bool day = false;
  bool month = false;
  bool year = false;
  bool time_action_remark = false;  // hour, minute, action, remark
  bool file = false;                // the file edit and its "..." button
  bool test = false;
  bool remove = false;
  bool add = false;
};
EditorControls UsableControls(const AppointmentTable& table);
