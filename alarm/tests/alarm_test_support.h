// Small builders shared by the alarm clock's tests: a moment with its weekday, and an appointment.
#pragma once

#include <cstdint>

#include "alarm/appointment.h"
#include "calendar/clock.h"
#include "calendar/date_arithmetic.h"
#include "common/bounded_text.h"

inline LocalTime At(int year, int month, int day, int hour = 12, int minute = 0) {
  return LocalTime{.day = day, .month = month, .year = year, .hour = hour, .minute = minute,
                   .weekday = WeekdayOf(day, month, year)};
}

inline Appointment MakeAppointment(const char* name, int kind, int year = 2026, int month = 12, int day = 8,
                                   int hour = 8, int minute = 0) {
  Appointment appointment;
  CopyText(appointment.name, name);
  appointment.kind = static_cast<std::uint16_t>(kind);
  appointment.year = static_cast<std::uint16_t>(year);
  appointment.month = static_cast<std::uint16_t>(month);
  appointment.day = static_cast<std::uint16_t>(day);
  appointment.hour = static_cast<std::uint16_t>(hour);
  appointment.minute = static_cast<std::uint16_t>(minute);
  return appointment;
}
