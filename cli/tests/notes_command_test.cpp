// quellmoor-cli notes: the notes in paging order with their fields, a missing folder, a file.
#include <gtest/gtest.h>

#include <string>

#include "cli/commands.h"
#include "cli/tests/run_command.h"
#include "common/tests/temp_folder.h"

namespace {

TEST(NotesCommandTest, ListsTheNotesInPagingOrderWithTheBeginningOfTheirText) {
  TempFolder folder("notes-cli");
  folder.Write("N_20070307_1405b.txt", std::string(250, 'y'));
  folder.Write("n_20070307_1405a.TXT", "K\xE4se\r\nkaufen");
  folder.Write("readme.txt", "no note");
  ASSERT_TRUE(SetReadOnly(folder.PathOf("n_20070307_1405a.TXT"), true));
  CommandRun run = RunCommand(NotesCommand, {folder.path()});
  ASSERT_TRUE(SetReadOnly(folder.PathOf("n_20070307_1405a.TXT"), false));
  ASSERT_EQ(run.exit_code, kExitSuccess) << run.err;
  EXPECT_EQ(run.out, Utf8(u8R"({"index":0,"file":"n_20070307_1405a.TXT","date":"2007-03-07","time":"14:05",)"
                          u8R"("letter":"a","read_only":1,"bytes":12,"text":"Käse\r\nkaufen"})"
                          "\n") +
                         R"({"index":1,"file":"N_20070307_1405b.txt","date":"2007-03-07","time":"14:05",)"
                         R"("letter":"b","read_only":0,"bytes":250,"text":")" +
                         std::string(200, 'y') + "\"}\n");
}

TEST(NotesCommandTest, AMissingFolderHasNoNotesAndAFileIsRefused) {
  TempFolder folder("notes-cli");
  CommandRun missing = RunCommand(NotesCommand, {folder.PathOf("none")});
  EXPECT_EQ(missing.exit_code, kExitSuccess);
  EXPECT_EQ(missing.out, "");
  CommandRun file = RunCommand(NotesCommand, {folder.Write("x.txt", "x")});
  EXPECT_EQ(file.exit_code, kExitFailure);
  EXPECT_NE(file.err.find("is a file"), std::string::npos);
}

}  // namespace
