// The appointment record's fixed layout: little-endian numbers and zero-terminated texts at their
// offsets, reserved bytes zero.
#include "alarm/appointment.h"

#include <algorithm>
#include <cstring>

#include "common/byte_order.h"

namespace {

// Byte offsets of the fields within the record.
constexpr std::size_t kLastFiredAt = 0;
constexpr std::size_t kProtectedAt = 2;
constexpr std::size_t kKindAt = 4;
constexpr std::size_t kDayAt = 6;
constexpr std::size_t kMonthAt = 8;
constexpr std::size_t kYearAt = 10;
constexpr std::size_t kHourAt = 12;
constexpr std::size_t kMinuteAt = 14;
constexpr std::size_t kLastFiredYearAt = 16;
constexpr std::size_t kSnoozeAt = 26;
constexpr std::size_t kActionAt = 28;
constexpr std::size_t kFileAt = 48;
constexpr std::size_t kRemarkAt = 568;
constexpr std::size_t kNameAt = 824;
static_assert(kNameAt + kAppointmentNameCapacity + 16 == kAppointmentRecordSize);

struct NumberField {
  std::size_t offset;
  std::uint16_t Appointment::*field;
};

constexpr NumberField kNumbers[] = {
    {kLastFiredAt, &Appointment::last_fired}, {kProtectedAt, &Appointment::protected_flag},
    {kKindAt, &Appointment::kind},            {kDayAt, &Appointment::day},
    {kMonthAt, &Appointment::month},          {kYearAt, &Appointment::year},
    {kHourAt, &Appointment::hour},            {kMinuteAt, &Appointment::minute},
    {kLastFiredYearAt, &Appointment::last_fired_year},
    {kSnoozeAt, &Appointment::snooze},        {kActionAt, &Appointment::action},
};

template <std::size_t N>
void EncodeText(std::uint8_t* record, std::size_t offset, const char (&text)[N]) {
  const std::size_t length = strnlen(text, N - 1);
  std::memcpy(record + offset, text, length);
}

template <std::size_t N>
void DecodeText(char (&text)[N], const std::uint8_t* record, std::size_t offset) {
  std::memcpy(text, record + offset, N - 1);
  text[N - 1] = '\0';
}

}  // namespace

int CompareStoredDate(const Appointment& appointment, const LocalTime& when) {
  if (appointment.year != when.year) return appointment.year - when.year;
  if (appointment.month != when.month) return appointment.month - when.month;
  return appointment.day - when.day;
}

std::array<std::uint8_t, kAppointmentRecordSize> EncodeAppointment(const Appointment& appointment) {
  std::array<std::uint8_t, kAppointmentRecordSize> record{};
  for (const NumberField& number : kNumbers) WriteU16LE(record.data() + number.offset, appointment.*number.field);
  EncodeText(record.data(), kFileAt, appointment.file);
  EncodeText(record.data(), kRemarkAt, appointment.remark);
  EncodeText(record.data(), kNameAt, appointment.name);
  return record;
}

Appointment DecodeAppointment(std::span<const std::uint8_t> bytes) {
  std::array<std::uint8_t, kAppointmentRecordSize> record{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
  Appointment appointment;
  for (const NumberField& number : kNumbers) appointment.*number.field = ReadU16LE(record.data() + number.offset);
  DecodeText(appointment.file, record.data(), kFileAt);
  DecodeText(appointment.remark, record.data(), kRemarkAt);
  DecodeText(appointment.name, record.data(), kNameAt);
  return appointment;
}
