// The due rule by kind, and the record changes of firing, snoozing, acknowledging and editing.
#include "alarm/due_rule.h"

#include "calendar/date_arithmetic.h"

namespace {

int MinuteOfDay(int hour, int minute) { return hour * 60 + minute; }

// Fired today: the stored day of the year is today's, and so is the stored year. A record that
// holds no year (written before the year was kept) goes by the day of the year alone.
bool FiredToday(const Appointment& appointment, const LocalTime& now) {
  if (appointment.last_fired != DayOfYear(now.day, now.month, now.year)) return false;
  return appointment.last_fired_year == 0 || appointment.last_fired_year == now.year;
}

}  // namespace

bool IsCandidate(const Appointment& appointment, const LocalTime& now) {
  switch (appointment.kind) {
    case kKindOnce:
      return appointment.last_fired == 0 && CompareStoredDate(appointment, now) <= 0;
    case kKindDaily:
      return !FiredToday(appointment, now);
    case kKindMonthly:
      return now.day == appointment.day && !FiredToday(appointment, now);
    case kKindYearly:
      return now.day == appointment.day && now.month == appointment.month && !FiredToday(appointment, now);
    case kKindSunday:
      return now.weekday == 0 && !FiredToday(appointment, now);
    default:
      // Monday (5) to Saturday (10); kind 0 and unknown kinds never fall due.
      if (appointment.kind < kKindMonday || appointment.kind > kKindSunday) return false;
      return now.weekday + 4 == appointment.kind && !FiredToday(appointment, now);
  }
}

bool FallsDueAtThisPass(Appointment& appointment, const LocalTime& now) {
  if (appointment.snooze > 0) {
    --appointment.snooze;
    return appointment.snooze == 0;
  }
  return MinuteOfDay(appointment.hour, appointment.minute) <= MinuteOfDay(now.hour, now.minute);
}

void MarkFired(Appointment& appointment, const LocalTime& now) {
  appointment.last_fired = static_cast<std::uint16_t>(DayOfYear(now.day, now.month, now.year));
  appointment.last_fired_year = static_cast<std::uint16_t>(now.year);
}

void SwitchOffOnce(Appointment& appointment) {
  if (appointment.kind == kKindOnce) appointment.kind = kKindOff;
}

void SnoozeAppointment(Appointment& appointment, int snooze_minutes) {
  appointment.last_fired = 0;
  appointment.last_fired_year = 0;
  appointment.snooze = static_cast<std::uint16_t>(appointment.snooze + snooze_minutes);
}

void AcknowledgeNotice(Appointment& appointment) {
  SwitchOffOnce(appointment);
  appointment.snooze = 0;
}

void ArmAfresh(Appointment& appointment) {
  appointment.last_fired = 0;
  appointment.last_fired_year = 0;
  appointment.snooze = 0;
}
