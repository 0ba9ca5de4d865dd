// The appointment record's layout and the appointments file: load, automatic deletion, the 128
// limit, damaged pieces, sorting, and a save that never leaves a broken file.
#include "alarm/appointment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "alarm/appointment_table.h"
#include "alarm/tests/alarm_test_support.h"
#include "common/byte_order.h"
#include "common/tests/temp_folder.h"

namespace {

std::string Bytes(const std::vector<Appointment>& appointments) {
  std::string bytes;
  for (const Appointment& a : appointments) {
    const auto record = EncodeAppointment(a);
    bytes.append(record.begin(), record.end());
  }
  return bytes;
}

std::vector<std::string> Names(const AppointmentTable& table) {
  std::vector<std::string> names;
  for (const Appointment& a : table.InUse()) names.emplace_back(a.name);
  return names;
}

TEST(AppointmentRecordTest, FieldsSitAtTheirOffsetsAndRoundTrip) {
  Appointment a = MakeAppointment("Zahnarzt", kKindYearly, 2027, 3, 14, 9, 45);
  a.last_fired = 73;
  a.last_fired_year = 2026;
  a.protected_flag = 1;
  a.snooze = 5;
  a.action = kActionProgram;
  CopyText(a.file, "\"C:\\Program Files\\x.exe\" -a");
  CopyText(a.remark, "Zeile 1\r\nZeile 2");
  const auto record = EncodeAppointment(a);
  const struct {
    std::size_t offset;
    int value;
  } numbers[] = {{0, 73}, {2, 1}, {4, 4}, {6, 14}, {8, 3}, {10, 2027}, {12, 9}, {14, 45}, {16, 2026}, {26, 5}, {28, 3}};
  for (const auto& n : numbers) EXPECT_EQ(ReadU16LE(record.data() + n.offset), n.value) << n.offset;
  EXPECT_STREQ(reinterpret_cast<const char*>(record.data() + 48), a.file);
  EXPECT_STREQ(reinterpret_cast<const char*>(record.data() + 568), a.remark);
  EXPECT_STREQ(reinterpret_cast<const char*>(record.data() + 824), "Zahnarzt");
  const Appointment back = DecodeAppointment(record);
  EXPECT_EQ(EncodeAppointment(back), record);
}

TEST(AppointmentRecordTest, DamagedRecordsDecodeSafely) {
  // A text field without a terminator is cut at its last byte; a short piece is cleared beyond its end.
  std::array<std::uint8_t, kAppointmentRecordSize> full;
  full.fill('x');
  const Appointment unterminated = DecodeAppointment(full);
  EXPECT_EQ(std::string(unterminated.name).size(), kAppointmentNameCapacity - 1);
  EXPECT_EQ(std::string(unterminated.file).size(), kAppointmentFileCapacity - 1);
  const Appointment shortened = DecodeAppointment(std::span(full).first(10));
  EXPECT_EQ(shortened.month, ReadU16LE(full.data() + 8));
  EXPECT_EQ(shortened.year, 0);
  EXPECT_STREQ(shortened.name, "");
}

TEST(AppointmentFileTest, LoadsKeepsOrderAndDropsOnlyOldSwitchedOffRecordsWhenAsked) {
  TempFolder folder("alarm");
  const std::string path = folder.Write("alarm.dtk", Bytes({
      MakeAppointment("aus gestern", kKindOff, 2026, 12, 7),
      MakeAppointment("aus heute", kKindOff, 2026, 12, 8),
      MakeAppointment("einmal alt", kKindOnce, 2020, 1, 1),
      MakeAppointment("aus letztes Jahr", kKindOff, 2025, 12, 31),
  }));
  AppointmentTable table;
  table.selected = 3;
  ASSERT_TRUE(LoadAppointments(table, path, false, At(2026, 12, 8)));
  EXPECT_EQ(table.count, 4);
  EXPECT_EQ(table.selected, 0);
  ASSERT_TRUE(LoadAppointments(table, path, true, At(2026, 12, 8)));
  EXPECT_EQ(Names(table), (std::vector<std::string>{"aus heute", "einmal alt"}));
}

TEST(AppointmentFileTest, KeepsAtMost128AfterDroppingAndReadsAShortLastPiece) {
  TempFolder folder("alarm");
  std::vector<Appointment> many;
  for (int i = 0; i < 140; ++i) {
    many.push_back(MakeAppointment(std::to_string(i).c_str(), i < 20 ? kKindOff : kKindDaily, 2000));
  }
  AppointmentTable table;
  ASSERT_TRUE(LoadAppointments(table, folder.Write("many.dtk", Bytes(many)), true, At(2026, 12, 8)));
  EXPECT_EQ(table.count, 120);
  ASSERT_TRUE(LoadAppointments(table, folder.PathOf("many.dtk"), false, At(2026, 12, 8)));
  EXPECT_EQ(table.count, 128);
  EXPECT_STREQ(table.records[127].name, "127");

  std::string cut = Bytes({MakeAppointment("ganz", kKindDaily), MakeAppointment("halb", kKindDaily)});
  cut.resize(kAppointmentRecordSize + 830);
  ASSERT_TRUE(LoadAppointments(table, folder.Write("cut.dtk", cut), false, At(2026, 12, 8)));
  EXPECT_EQ(Names(table), (std::vector<std::string>{"ganz", "halb"}));
}

TEST(AppointmentFileTest, MissingFileIsAnEmptyTableAndEmptyTableSavesAnEmptyFile) {
  TempFolder folder("alarm");
  AppointmentTable table;
  table.count = 1;
  EXPECT_FALSE(LoadAppointments(table, folder.PathOf("none.dtk"), false, At(2026, 12, 8)));
  EXPECT_EQ(table.count, 0);
  ASSERT_TRUE(SaveAppointments(table, folder.PathOf("empty.dtk")));
  EXPECT_EQ(FileSize(folder.PathOf("empty.dtk")), 0u);
  EXPECT_TRUE(LoadAppointments(table, folder.PathOf("empty.dtk"), false, At(2026, 12, 8)));
}

TEST(AppointmentFileTest, SavesSortedByNameIgnoringCaseAndKeepsEqualNamesInOrder) {
  TempFolder folder("alarm");
  AppointmentTable table;
  for (const char* name : {"b", "A", "a", "\xC4rger", "\xE4rger", "Zoo"}) {
    table.records[static_cast<std::size_t>(table.count++)] = MakeAppointment(name, kKindDaily);
  }
  ASSERT_TRUE(SaveAppointments(table, folder.PathOf("sorted.dtk")));
  AppointmentTable loaded;
  ASSERT_TRUE(LoadAppointments(loaded, folder.PathOf("sorted.dtk"), false, At(2026, 12, 8)));
  // Windows orders letters with umlauts as the user's locale does; elsewhere they follow "z".
#ifdef _WIN32
  const std::vector<std::string> expected = {"A", "a", "\xC4rger", "\xE4rger", "b", "Zoo"};
#else
  const std::vector<std::string> expected = {"A", "a", "b", "Zoo", "\xC4rger", "\xE4rger"};
#endif
  EXPECT_EQ(Names(loaded), expected);
  EXPECT_EQ(Names(table), expected);
}

TEST(AppointmentFileTest, AFailedSaveReportsItAndLeavesNothingBehind) {
  TempFolder folder("alarm");
  AppointmentTable table;
  table.records[0] = MakeAppointment("neu", kKindDaily);
  table.count = 1;
  // A folder where the file should go, and a file in a folder that does not exist.
  std::filesystem::create_directory(folder.PathOf("blocked.dtk"));
  EXPECT_FALSE(SaveAppointments(table, folder.PathOf("blocked.dtk")));
  EXPECT_FALSE(SaveAppointments(table, folder.PathOf("missing/alarm.dtk")));
  EXPECT_TRUE(FolderExists(folder.PathOf("blocked.dtk")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
