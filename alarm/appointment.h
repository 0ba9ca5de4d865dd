// An appointment of the alarm clock and its 920-byte record in the appointments file: the kinds by
// which it falls due, the actions it carries out, and the record's fixed little-endian layout.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "calendar/clock.h"

inline constexpr std::size_t kAppointmentRecordSize = 920;

// How an appointment falls due; the editor lists the kinds in this order.
enum AppointmentKind : std::uint16_t {
  kKindOff = 0,  // never: switched off
  kKindOnce = 1,
  kKindDaily = 2,
  kKindMonthly = 3,  // on the stored day of the month
  kKindYearly = 4,   // on the stored day and month
  kKindMonday = 5,   // 5-10: Monday to Saturday
  kKindSunday = 11,
};
inline constexpr int kKindCount = 12;

// What an appointment does when it fires; the editor lists the actions in this order.
enum AppointmentAction : std::uint16_t {
  kActionNothing = 0,
  kActionNotice = 1,   // beep and the notice window with snooze
  kActionSound = 2,    // play the MP3 file of the file field
  kActionProgram = 3,  // start the program command line of the file field
};
inline constexpr int kActionCount = 4;

inline constexpr std::size_t kAppointmentFileCapacity = 260;
inline constexpr std::size_t kAppointmentRemarkCapacity = 256;
inline constexpr std::size_t kAppointmentNameCapacity = 80;

// The record's fields. Texts are zero-terminated code page 1252 texts.
struct Appointment {
  std::uint16_t last_fired = 0;       // day of the year of the last firing; 0: not fired, or armed again
  std::uint16_t protected_flag = 0;   // 1: the editor shows it but refuses changes and deletion
  std::uint16_t kind = kKindOff;
  std::uint16_t day = 1;
  std::uint16_t month = 1;
  std::uint16_t year = 2001;
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  // The year of the last firing, beside its day of the year; 0 in records written before it was
  // kept (those compare the day of the year alone until they fire again).
  std::uint16_t last_fired_year = 0;
  std::uint16_t snooze = 0;  // minute passes still to wait before a snoozed appointment fires again
  std::uint16_t action = kActionNothing;
  char file[kAppointmentFileCapacity] = {};
  char remark[kAppointmentRemarkCapacity] = {};
  char name[kAppointmentNameCapacity] = {};
};

// The stored date (year, month, day) against the day of when: below 0 before it, 0 on it, above 0 after.
int CompareStoredDate(const Appointment& appointment, const LocalTime& when);

// The record as stored; every reserved byte is zero.
std::array<std::uint8_t, kAppointmentRecordSize> EncodeAppointment(const Appointment& appointment);

// Reads one record. A shorter piece (the end of a damaged file) is read as far as it goes, with
// the rest cleared; a text field without its terminating zero is cut at the field's last byte.
Appointment DecodeAppointment(std::span<const std::uint8_t> record);
