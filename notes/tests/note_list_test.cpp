// The note list and note files: the scan, new names, reading, saving and removing, the read-only
// mark, notes longer than the text field, and the titles.
#include "notes/note_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/tests/temp_folder.h"
#include "notes/note_title.h"

namespace {

LocalTime At(int hour, int minute) {
  return LocalTime{.day = 7, .month = 3, .year = 2007, .hour = hour, .minute = minute};
}

std::vector<std::string> Names(const NoteList& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.count; ++i) names.emplace_back(list.entries[static_cast<std::size_t>(i)].file_name);
  return names;
}

std::string Contents(const std::string& path) {
  const auto bytes = ReadWholeFile(path, 1 << 20);
  return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
}

class NoteListTest : public ::testing::Test {
 protected:
  TempFolder folder_{"notes"};
  NoteList list_;
};

TEST_F(NoteListTest, TheScanListsNoteFilesOnlySortedIgnoringCase) {
  ScanNoteFolder(list_, folder_.PathOf("missing"));
  EXPECT_EQ(list_.count, 0);
  folder_.Write("N_20070101_0900a.TXT", "neun");
  folder_.Write("n_20070101_0800b.txt", "acht");
  folder_.Write("N_20070101_0800a.txt.bak", "x");
  folder_.Write("N_19990101_0800a.txt", "x");
  folder_.Write("notiz.txt", "x");
  std::filesystem::create_directory(folder_.PathOf("N_20070101_0700a.txt"));
  ASSERT_TRUE(SetReadOnly(folder_.PathOf("N_20070101_0900a.TXT"), true));
  ScanNoteFolder(list_, folder_.path());
  EXPECT_EQ(Names(list_), (std::vector<std::string>{"n_20070101_0800b.txt", "N_20070101_0900a.TXT"}));
  EXPECT_FALSE(list_.entries[0].read_only);
  EXPECT_TRUE(list_.entries[1].read_only);
  ASSERT_TRUE(SetReadOnly(folder_.PathOf("N_20070101_0900a.TXT"), false));
}

// A rescan keeps the order in which the notes were made: '0' ... '9' come after 'z' of their minute.
TEST_F(NoteListTest, TheScanKeepsTheOrderTheNotesWereMadeIn) {
  for (const char* name : {"N_20070307_14050.txt", "N_20070307_1405Z.txt", "N_20070307_1406a.txt",
                           "N_20070307_1405a.txt", "N_20070307_14059.txt"}) {
    folder_.Write(name, "x");
  }
  ScanNoteFolder(list_, folder_.path());
  EXPECT_EQ(Names(list_), (std::vector<std::string>{"N_20070307_1405a.txt", "N_20070307_1405Z.txt",
                                                    "N_20070307_14050.txt", "N_20070307_14059.txt",
                                                    "N_20070307_1406a.txt"}));
}

TEST_F(NoteListTest, NewNotesOfOneMinuteTakeTheFirstFreeCharacter) {
  const std::string folder = folder_.path();
  ASSERT_TRUE(BeginNewNote(list_, folder, At(14, 5)));
  EXPECT_STREQ(list_.Current().file_name, "N_20070307_1405a.txt");
  EXPECT_TRUE(list_.new_note_unsaved);
  EXPECT_EQ(SaveNote(list_, folder, "erste"), NoteSaved::kWritten);
  const auto second = BeginNewNote(list_, folder, At(14, 5));
  ASSERT_TRUE(second);
  EXPECT_EQ(second->letter, 'b');
  EXPECT_EQ(list_.count, 2);
  // The first one removed: its character is free again.
  list_.current = 0;
  list_.Current().modified = true;
  EXPECT_EQ(SaveNote(list_, folder, ""), NoteSaved::kRemoved);
  EXPECT_FALSE(PathExists(folder_.PathOf("N_20070307_1405a.txt")));
  EXPECT_EQ(BeginNewNote(list_, folder, At(14, 5))->letter, 'a');

  // A new note not yet saved keeps its name from the next one.
  EXPECT_EQ(BeginNewNote(list_, folder, At(14, 5))->letter, 'c');

  // Past the last character of the rule no name is made.
  for (char letter : std::string("abcdefghijklmnopqrstuvwxyz0123456789")) {
    folder_.Write(std::string("N_20070307_1500") + letter + ".txt", "x");
  }
  EXPECT_FALSE(BeginNewNote(list_, folder, At(15, 0)));
}

TEST_F(NoteListTest, SavingWritesOnlyChangedWritableNotesAndRemovesEmptiedOnes) {
  folder_.Write("N_20070307_1405a.txt", "alt");
  folder_.Write("N_20070307_1406a.txt", "zwei");
  ScanNoteFolder(list_, folder_.path());
  list_.current = 1;
  ASSERT_EQ(ReadNote(list_, folder_.path()), "zwei");
  EXPECT_EQ(SaveNote(list_, folder_.path(), "zwei neu"), NoteSaved::kNothing);  // not modified
  list_.Current().modified = true;
  list_.Current().read_only = true;
  EXPECT_EQ(SaveNote(list_, folder_.path(), "zwei neu"), NoteSaved::kNothing);
  list_.Current().read_only = false;
  EXPECT_EQ(SaveNote(list_, folder_.path(), "zwei neu"), NoteSaved::kWritten);
  EXPECT_EQ(Contents(folder_.PathOf("N_20070307_1406a.txt")), "zwei neu");

  // Emptying the last note removes it and moves to the new last one; emptying the only one leaves -1.
  list_.Current().modified = true;
  EXPECT_EQ(SaveNote(list_, folder_.path(), ""), NoteSaved::kRemoved);
  EXPECT_EQ(list_.count, 1);
  EXPECT_EQ(list_.current, 0);
  list_.Current().modified = true;
  EXPECT_EQ(SaveNote(list_, folder_.path(), ""), NoteSaved::kRemoved);
  EXPECT_EQ(list_.count, 0);
  EXPECT_EQ(list_.current, -1);
  EXPECT_FALSE(ReadNote(list_, folder_.path()));
}

TEST_F(NoteListTest, AFailedSaveKeepsTheNoteModifiedUntilASaveSucceeds) {
  const std::string folder = folder_.PathOf("later");
  ASSERT_TRUE(BeginNewNote(list_, folder, At(9, 0)));
  EXPECT_EQ(SaveNote(list_, folder, "wichtig"), NoteSaved::kFailed);
  EXPECT_TRUE(list_.Current().modified);
  ASSERT_TRUE(MakeFolder(folder));
  EXPECT_EQ(SaveNote(list_, folder, "wichtig"), NoteSaved::kWritten);
  EXPECT_EQ(Contents(JoinPath(folder, "N_20070307_0900a.txt")), "wichtig");
}

// A folder where a note file was can be neither read nor deleted, as a file locked for a moment.
TEST_F(NoteListTest, ANoteThatCannotBeReadOrDeletedIsKept) {
  const std::string path = folder_.Write("N_20070307_1405a.txt", "alt");
  ScanNoteFolder(list_, folder_.path());
  list_.current = 0;
  ASSERT_EQ(ReadNote(list_, folder_.path()), "alt");
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);

  list_.Current().modified = true;
  EXPECT_EQ(SaveNote(list_, folder_.path(), ""), NoteSaved::kNotRemoved);
  EXPECT_EQ(list_.count, 1);
  EXPECT_TRUE(list_.Current().modified);  // the next save tries again

  EXPECT_FALSE(ReadNote(list_, folder_.path()));
  EXPECT_TRUE(list_.Current().unread);
  EXPECT_EQ(SaveNote(list_, folder_.path(), "leer gezeigt"), NoteSaved::kNothing);
  EXPECT_FALSE(ToggleNoteReadOnly(list_, folder_.path()));
  std::filesystem::remove(path);
  folder_.Write("N_20070307_1405a.txt", "wieder da");
  EXPECT_EQ(ReadNote(list_, folder_.path()), "wieder da");
  EXPECT_TRUE(list_.Current().Writable());
}

TEST_F(NoteListTest, UnsavedNotesAreAddedToTheUnsavedNotesFile) {
  const std::string unsaved = folder_.PathOf(kUnsavedNotesFileName);
  ASSERT_TRUE(KeepUnsavedNote(unsaved, "C:\\Notizen\\N_20070307_1405a.txt", "erste"));
  ASSERT_TRUE(KeepUnsavedNote(unsaved, "C:\\Notizen\\N_20070307_1406a.txt", "zweite\r\nZeile"));
  EXPECT_EQ(Contents(unsaved),
            "----- C:\\Notizen\\N_20070307_1405a.txt\r\nerste\r\n"
            "----- C:\\Notizen\\N_20070307_1406a.txt\r\nzweite\r\nZeile\r\n");
  EXPECT_FALSE(KeepUnsavedNote(folder_.PathOf("fehlt/x.txt"), "N_20070307_1405a.txt", "text"));
}

TEST_F(NoteListTest, ANoteLongerThanTheFieldIsShownReadOnlyAndNeverWritten) {
  std::string long_text(20000, 'x');
  long_text.back() = 'E';
  const std::string path = folder_.Write("N_20070307_1405a.txt", long_text);
  folder_.Write("N_20070307_1406a.txt", std::string("vor\0nach", 8));
  ScanNoteFolder(list_, folder_.path());
  list_.current = 0;
  const auto shown = ReadNote(list_, folder_.path());
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->size(), kNoteTextCapacity);
  EXPECT_TRUE(list_.Current().held_back);
  list_.Current().modified = true;
  EXPECT_EQ(SaveNote(list_, folder_.path(), *shown), NoteSaved::kNothing);
  EXPECT_EQ(SaveNote(list_, folder_.path(), ""), NoteSaved::kNothing);
  EXPECT_FALSE(ToggleNoteReadOnly(list_, folder_.path()));
  EXPECT_EQ(Contents(path), long_text);
  // A zero byte, which the field cannot show, holds a note back too.
  list_.current = 1;
  EXPECT_EQ(ReadNote(list_, folder_.path()), "vor");
  EXPECT_TRUE(list_.Current().held_back);
}

TEST_F(NoteListTest, TheReadOnlyMarkFollowsTheFileOnlyOnceItExists) {
  ASSERT_TRUE(BeginNewNote(list_, folder_.path(), At(9, 0)));
  EXPECT_FALSE(ToggleNoteReadOnly(list_, folder_.path()));
  EXPECT_FALSE(list_.Current().read_only);
  ASSERT_EQ(SaveNote(list_, folder_.path(), "text"), NoteSaved::kWritten);
  const std::string path = CurrentNotePath(list_, folder_.path());
  EXPECT_TRUE(ToggleNoteReadOnly(list_, folder_.path()));
  EXPECT_EQ(IsReadOnly(path), true);
  EXPECT_TRUE(ToggleNoteReadOnly(list_, folder_.path()));
  EXPECT_EQ(IsReadOnly(path), false);
}

TEST(NoteTitleTest, TitlesFollowTheRegionalDateOrder) {
  const struct {
    int order;
    const char* separator;
    const char* expected;
  } cases[] = {{0, "/", "03/07/2007 14:05 a"}, {1, ".", "07.03.2007 14:05 a"}, {2, "-", "2007-03-07 14:05 a"},
               {3, ".", ""}};
  for (const auto& c : cases) {
    const RegionalSettings regional{.date_order = c.order, .date_separator = c.separator};
    EXPECT_EQ(NoteTitleOfFile("N_20070307_1405a.txt", regional), c.expected);
    EXPECT_EQ(NoteTitleOfNewNote({At(14, 5), 'a'}, regional), c.expected);
  }
}

}  // namespace
