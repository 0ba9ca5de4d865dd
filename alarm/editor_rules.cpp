// The alarm editor's rules for names, new and deleted records, dates and usable controls.
#include "alarm/editor_rules.h"

#include <algorithm>

#include "alarm/due_rule.h"
#include "calendar/date_arithmetic.h"
#include "common/bounded_text.h"
#include "common/cp1252.h"
#include "texts/text_table.h"

namespace {

bool NameInUse(const AppointmentTable& table, const std::string& name) {
  return std::ranges::any_of(table.InUse(), [&](const Appointment& a) { return EqualIgnoringCase(a.name, name); });
}

}  // namespace

int LastListedYear(int current_year) { return std::max(2030, current_year + 25); }

std::string NewAppointmentName(const AppointmentTable& table, const TextTable& text_table) {
  // At most 128 names are in use, so one of the first 129 candidates is free.
  for (int i = 1;; ++i) {
    char name[kAppointmentNameCapacity];
    if (i == 1) {
      CopyText(name, text_table.LookupText(texts::ALARM_NEU0));
    } else {
      FormatText(name, sizeof name, text_table.LookupFormat(texts::ALARM_NEU1).c_str(), i);
    }
    if (!NameInUse(table, name)) return name;
  }
}

bool AppendNewAppointment(AppointmentTable& table, const LocalTime& now, const TextTable& text_table) {
  if (table.count >= kEditorRecordLimit) return false;
  const std::string name = NewAppointmentName(table, text_table);
  Appointment& appointment = table.records[static_cast<std::size_t>(table.count)];
  appointment = Appointment{};
  appointment.kind = kKindOnce;
  appointment.day = static_cast<std::uint16_t>(now.day);
  appointment.month = static_cast<std::uint16_t>(now.month);
  appointment.year = static_cast<std::uint16_t>(now.year);
  appointment.hour = static_cast<std::uint16_t>(std::min(now.hour + 1, 23));
  CopyText(appointment.name, name);
  table.selected = table.count++;
  return true;
}

bool DeleteSelectedAppointment(AppointmentTable& table) {
  if (table.count == 0 || table.records[static_cast<std::size_t>(table.selected)].protected_flag != 0) return false;
  auto first = table.records.begin() + table.selected;
  std::move(first + 1, table.records.begin() + table.count, first);
  table.records[static_cast<std::size_t>(--table.count)] = Appointment{};
  table.selected = std::max(table.selected - 1, 0);
  return true;
}

void ChooseDate(Appointment& appointment, DateField field, int position) {
  switch (field) {
    case DateField::kDay:
      appointment.day = static_cast<std::uint16_t>(position + 1);
      break;
    case DateField::kMonth:
      appointment.month = static_cast<std::uint16_t>(position + 1);
      break;
    case DateField::kYear:
      appointment.year = static_cast<std::uint16_t>(position + kFirstListedYear);
      break;
  }
  if (appointment.kind != kKindMonthly) {
    const int length = DaysInMonth(appointment.month, appointment.year);
    if (length > 0 && appointment.day > length) appointment.day = static_cast<std::uint16_t>(length);
  }
  ArmAfresh(appointment);
}

EditorControls UsableControls(const AppointmentTable& table) {
  EditorControls controls;
  controls.add = table.count < kEditorRecordLimit;
  if (table.count == 0) return controls;
  const Appointment& appointment = table.records[static_cast<std::size_t>(table.selected)];
  const int kind = appointment.kind;
  const bool usable = appointment.protected_flag == 0;
  controls.name = true;
  controls.test = appointment.action != kActionNothing;
  controls.kind = usable;
  controls.remove = usable;
  controls.day = usable && (kind == kKindOnce || kind == kKindMonthly || kind == kKindYearly);
  controls.month = usable && (kind == kKindOnce || kind == kKindYearly);
  controls.year = usable && kind == kKindOnce;
  controls.time_action_remark = usable && kind != kKindOff;
  controls.file = usable && (appointment.action == kActionSound || appointment.action == kActionProgram);
  return controls;
}
