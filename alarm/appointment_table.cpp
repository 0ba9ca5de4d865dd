// Loading, sorting and saving the appointment table.
#include "alarm/appointment_table.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "common/file_system.h"

namespace {

// The file is read in pieces of this many records, so that a file of any length is read to the
// end of the 128 records kept without holding it whole.
constexpr std::size_t kRecordsPerRead = 64;

}  // namespace

bool LoadAppointments(AppointmentTable& table, const std::string& path, bool auto_delete, const LocalTime& today) {
  table.records.fill(Appointment{});
  table.count = 0;
  table.selected = 0;
  std::uint64_t offset = 0;
  while (table.count < kAppointmentCapacity) {
    std::optional<std::vector<std::uint8_t>> piece =
        ReadFileRange(path, offset, kRecordsPerRead * kAppointmentRecordSize);
    if (!piece) return offset > 0;
    if (piece->empty()) return true;
    offset += piece->size();
    for (std::size_t start = 0; start < piece->size() && table.count < kAppointmentCapacity;
         start += kAppointmentRecordSize) {
      Appointment appointment = DecodeAppointment(std::span(*piece).subspan(start));
      if (auto_delete && appointment.kind == kKindOff && CompareStoredDate(appointment, today) < 0) continue;
      table.records[static_cast<std::size_t>(table.count++)] = appointment;
    }
    if (piece->size() < kRecordsPerRead * kAppointmentRecordSize) return true;
  }
  return true;
}

void SortAppointmentsByName(AppointmentTable& table) {
  std::span<Appointment> records = table.InUse();
  // Passes over neighbouring pairs until none swaps: stable, and small for 128 records.
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (std::size_t i = 1; i < records.size(); ++i) {
      if (CompareAppointmentNames(records[i - 1].name, records[i].name) > 0) {
        std::swap(records[i - 1], records[i]);
        swapped = true;
      }
    }
  }
}

bool SaveAppointments(AppointmentTable& table, const std::string& path) {
  SortAppointmentsByName(table);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(table.count) * kAppointmentRecordSize);
  for (const Appointment& appointment : table.InUse()) {
    const auto record = EncodeAppointment(appointment);
    bytes.insert(bytes.end(), record.begin(), record.end());
  }
  return ReplaceFileContents(path, bytes);
}
