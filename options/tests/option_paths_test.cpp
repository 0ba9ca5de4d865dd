// The options pages' path rules: a typed appointments file cleaned at both ends, and a chosen note
// folder ending in one backslash within its buffer.
#include "options/option_paths.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionPathsTest, ATypedAppointmentsFileLosesBlanksAndTrailingBackslashes) {
  struct Case {
    const char* typed;
    const char* stored;
  };
  const Case cases[] = {
      {"C:\\Termine\\alarm.dtk", "C:\\Termine\\alarm.dtk"},
      {"   C:\\Termine\\alarm.dtk", "C:\\Termine\\alarm.dtk"},
      {"C:\\Termine\\alarm.dtk\\", "C:\\Termine\\alarm.dtk"},
      {" C:\\Termine\\alarm.dtk \\ \\\\ ", "C:\\Termine\\alarm.dtk"},
      {"C:\\Meine Termine\\alarm.dtk", "C:\\Meine Termine\\alarm.dtk"},  // blanks inside stay
      {"\\\\server\\daten\\alarm.dtk\\", "\\\\server\\daten\\alarm.dtk"},  // a network path keeps its start
      {"  \\alarm.dtk", "\\alarm.dtk"},
      {"", ""},
      {"   ", ""},
      {" \\\\ \\ ", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TrimmedAlarmFilePath(c.typed), c.stored) << '"' << c.typed << '"';
}

TEST(OptionPathsTest, AChosenFolderEndsInOneBackslashWhenItFits) {
  struct Case {
    std::string folder;
    std::size_t capacity;
    std::string written;
  };
  const std::string longest(258, 'n');  // 258 characters, a backslash and the zero fill 260
  const Case cases[] = {
      {"C:\\Notizen", 260, "C:\\Notizen\\"},
      {"C:\\", 260, "C:\\"},  // a drive's root has its backslash already
      {"\\\\server\\notizen", 260, "\\\\server\\notizen\\"},
      {longest, 260, longest + "\\"},
      {longest + "n", 260, longest + "n"},  // no room left: the folder as chosen
  };
  for (const Case& c : cases) EXPECT_EQ(FolderWithTrailingBackslash(c.folder, c.capacity), c.written) << c.folder;
}

}  // namespace
