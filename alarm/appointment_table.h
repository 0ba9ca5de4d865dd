// The appointment table: up to 128 appointments in memory, loaded from and saved to the
// appointments file (the records one after the other, sorted by name; no header).
#pragma once

#include <array>
#include <span>
#include <string>

#include "alarm/appointment.h"
#include "calendar/clock.h"

inline constexpr int kAppointmentCapacity = 128;

struct AppointmentTable {
  std::array<Appointment, kAppointmentCapacity> records{};
  int count = 0;     // the records in use occupy slots 0 to count - 1
  int selected = 0;  // the record the editor shows

  std::span<Appointment> InUse() { return std::span(records).first(static_cast<std::size_t>(count)); }
  std::span<const Appointment> InUse() const {
    return std::span(records).first(static_cast<std::size_t>(count));
  }
};

// Fills the table from the file: the first 128 records kept. With auto_delete, switched-off records
// dated before today are dropped. False when the file cannot be read (the table is then empty).
bool LoadAppointments(AppointmentTable& table, const std::string& path, bool auto_delete, const LocalTime& today);

// Sorts the records by name and writes the file through a temporary file renamed into place, so a
// failed write leaves the previous file as it was. False on failure; the sorted table stays.
[[nodiscard]] bool SaveAppointments(AppointmentTable& table, const std::string& path);

// Sorts by name, case-insensitively, keeping the order of names that compare equal.
void SortAppointmentsByName(AppointmentTable& table);

// The order of two names: below 0, 0 or above 0. Windows compares them as the user's locale does;
// elsewhere the letters of code page 1252 are folded to lower case.
int CompareAppointmentNames(const char* left, const char* right);
