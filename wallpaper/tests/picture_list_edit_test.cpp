// Editing the picture list as a whole: every byte of every record kept through reading and writing,
// a damaged end kept, records added with the defaults and the place the regrouping gives them,
// only user pictures removed, and records another program added meanwhile kept.
#include "wallpaper/picture_list_edit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/file_system.h"
#include "common/tests/temp_folder.h"
#include "settings/settings_store.h"
#include "wallpaper/picture_list.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Encoded(const PictureRecord& record) {
  auto bytes = EncodePictureRecord(record);
  return Bytes(bytes.begin(), bytes.end());
}

PictureRecord FileRecord(const std::string& path, std::uint32_t number) {
  PictureList list;
  EXPECT_EQ(AddPictureFile(list, path, {}), AddPictureOutcome::kAdded);
  list.records[0].record_number = number;
  return list.records[0];
}

// The 16 default records numbered by their place, as the regrouping leaves them.
PictureList BuiltinList() {
  PictureList list;
  for (int n = 1; n <= 16; ++n) {
    list.records.push_back(DefaultPictureRecord(n));
    list.records.back().record_number = static_cast<std::uint32_t>(n - 1);
  }
  return list;
}

class PictureListEditTest : public ::testing::Test {
 protected:
  TempFolder folder_{"list-edit"};
  std::string list_path_ = folder_.PathOf("bilder.dat");
};

// Records whose every byte is set, carried fields and bytes behind the texts' terminators included,
// and damaged ends of every kind, come back out exactly as they went in.
TEST_F(PictureListEditTest, ReadingAndWritingKeepsEveryByte) {
  for (std::size_t tail : {0u, 1u, 621u}) {
    Bytes file(3 * kPictureRecordSize + tail);
    for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(i * 7 + 3);
    ASSERT_TRUE(WriteWholeFile(list_path_, file));
    std::optional<PictureList> list = ReadPictureList(list_path_);
    ASSERT_TRUE(list) << tail;
    EXPECT_EQ(list->records.size(), 3u);
    EXPECT_EQ(list->damaged_tail, Bytes(file.end() - static_cast<std::ptrdiff_t>(tail), file.end()));
    ASSERT_TRUE(WritePictureList(list_path_, *list));
    EXPECT_EQ(ReadWholeFile(list_path_, 1 << 20), file) << tail;
  }
  EXPECT_FALSE(ReadPictureList(folder_.PathOf("missing.dat")));
}

TEST_F(PictureListEditTest, AddedRecordHasTheDefaultsTheOptionsAndItsPlaceAsNumber) {
  for (std::size_t before : {0u, 16u, 17u}) {
    PictureList list = BuiltinList();
    list.records.resize(std::min<std::size_t>(before, 16));
    if (before == 17) list.records.push_back(FileRecord("D:\\a.png", 16));
    const PictureFileOptions options{.fit_mode = 0, .first_month = 11, .last_month = 2, .first_hour = 22,
                                     .last_hour = 6, .weekday_mask = 0x41};
    ASSERT_EQ(AddPictureFile(list, "C:\\Bilder\\Mühle.jpg", options), AddPictureOutcome::kAdded);
    ASSERT_EQ(list.records.size(), before + 1);

    PictureRecord expected = DefaultPictureRecord(0);
    expected.record_number = static_cast<std::uint32_t>(before);
    expected.fit_mode = 0;
    expected.first_month = 11;
    expected.last_month = 2;
    expected.first_hour = 22;
    expected.last_hour = 6;
    expected.weekday_mask = 0x41;
    expected.picture_name.fill('\0');
    std::strcpy(expected.picture_name.data(), "C:\\Bilder\\Mühle.jpg");
    expected.second_name = expected.picture_name;
    EXPECT_EQ(Encoded(list.records.back()), Encoded(expected)) << before;
  }
}

// The regrouping that runs when the settings load finds the added record where it was, with the same
// number: it renumbers nothing and leaves the record byte for byte.
TEST_F(PictureListEditTest, RegroupingKeepsAnAddedRecord) {
  PictureList list = BuiltinList();
  ASSERT_EQ(AddPictureFile(list, "/home/anna/bilder/see.png", {}), AddPictureOutcome::kAdded);
  ASSERT_EQ(AddPictureFile(list, "/home/anna/bilder/berg.jpg", {}), AddPictureOutcome::kAdded);
  ASSERT_TRUE(WritePictureList(list_path_, list));
  const auto written = ReadWholeFile(list_path_, 1 << 20);

  Settings settings;
  settings.data_folder = folder_.path();
  settings.BuiltinPictureCount = 16;
  MemorySettingsStore store;
  RegroupPictureList(settings, store);
  EXPECT_EQ(ReadWholeFile(list_path_, 1 << 20), written);
}

TEST_F(PictureListEditTest, AddRefusesNamesThatAreNoFilePathOrDoNotFit) {
  const struct {
    std::string path;
    AddPictureOutcome outcome;
  } cases[] = {
      {"C:\\" + std::string(253, 'x') + ".jp", AddPictureOutcome::kAdded},  // 259 characters and the terminator
      {"C:\\" + std::string(254, 'x') + ".jp", AddPictureOutcome::kPathTooLong},
      {"C17X", AddPictureOutcome::kNotAFilePath},
      {"abc", AddPictureOutcome::kNotAFilePath},
      {"", AddPictureOutcome::kNotAFilePath},
      {"a.jp", AddPictureOutcome::kAdded},
  };
  for (const auto& c : cases) {
    PictureList list = BuiltinList();
    EXPECT_EQ(AddPictureFile(list, c.path, {}), c.outcome) << c.path;
    const bool added = c.outcome == AddPictureOutcome::kAdded;
    ASSERT_EQ(list.records.size(), added ? 17u : 16u) << c.path;
    if (added) {
      EXPECT_EQ(list.records.back().PictureName(), c.path);
    }
  }
  // All at once: those added come in their order, and those left out are named with their reason.
  PictureList list = BuiltinList();
  std::vector<std::string> paths;
  for (const auto& c : cases) paths.push_back(c.path);
  const std::vector<LeftOutPicture> left_out = AddPictureFiles(list, paths, {});
  ASSERT_EQ(left_out.size(), 4u);
  EXPECT_EQ(list.records.back().PictureName(), "a.jp");
  EXPECT_EQ(list.records.back().record_number, 17u);
  for (std::size_t i = 0; i < left_out.size(); ++i) {
    EXPECT_EQ(left_out[i].path, cases[i + 1].path);
    EXPECT_EQ(left_out[i].outcome, cases[i + 1].outcome);
  }
}

TEST_F(PictureListEditTest, OnlyUserPicturesAreRemovedAndTheOnesBehindMoveUp) {
  PictureList list = BuiltinList();
  list.records.push_back(FileRecord("D:\\a.png", 16));
  list.records.push_back(FileRecord("D:\\b.png", 17));
  list.records.push_back(FileRecord("D:\\c.png", 18));
  list.records[18].carried_94 = 94;
  list.damaged_tail = {1, 2, 3};
  const PictureList before = list;

  for (std::size_t refused : {0u, 15u, 19u, 1000u}) EXPECT_FALSE(RemovePictureFile(list, refused)) << refused;
  ASSERT_EQ(list.records.size(), 19u);

  ASSERT_TRUE(RemovePictureFile(list, 17));
  ASSERT_EQ(list.records.size(), 18u);
  for (std::size_t i = 0; i < 17; ++i) EXPECT_EQ(Encoded(list.records[i]), Encoded(before.records[i])) << i;
  PictureRecord moved = before.records[18];
  moved.record_number = 17;
  EXPECT_EQ(Encoded(list.records[17]), Encoded(moved));
  EXPECT_EQ(list.damaged_tail, before.damaged_tail);
}

// The page read 17 records and removed one; meanwhile the file got two more. They follow the page's
// records with their new places; with none added the page's list is written as it is.
TEST_F(PictureListEditTest, RecordsAddedMeanwhileFollowTheEditedOnes) {
  PictureList read = BuiltinList();
  read.records.push_back(FileRecord("D:\\a.png", 16));
  PictureList file_now = read;
  file_now.records.push_back(FileRecord("D:\\neu1.png", 17));
  file_now.records.push_back(FileRecord("D:\\neu2.png", 18));
  file_now.records[18].carried_94 = 94;
  PictureList edited = read;
  ASSERT_TRUE(RemovePictureFile(edited, 16));

  const PictureList merged = WithRecordsAddedSince(edited, file_now, read.records.size());
  ASSERT_EQ(merged.records.size(), 18u);
  for (std::size_t i : {16u, 17u}) {
    PictureRecord expected = file_now.records[i + 1];
    expected.record_number = static_cast<std::uint32_t>(i);
    EXPECT_EQ(Encoded(merged.records[i]), Encoded(expected)) << i;
  }
  EXPECT_EQ(WithRecordsAddedSince(edited, read, read.records.size()).records.size(), 16u);
}

}  // namespace
