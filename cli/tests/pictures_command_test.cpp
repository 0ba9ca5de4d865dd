// The pictures command: every record of a picture list with all its fields, lists longer than one
// read step, damaged lists, and missing files; adding a picture file with --add.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/picture_commands.h"
#include "cli/tests/run_command.h"
#include "common/bounded_text.h"
#include "common/file_system.h"
#include "common/tests/temp_folder.h"
#include "wallpaper/picture_list_edit.h"
#include "wallpaper/picture_record.h"

namespace {

std::vector<std::uint8_t> ListOf(const std::vector<PictureRecord>& records) {
  std::vector<std::uint8_t> bytes;
  for (const PictureRecord& record : records) {
    auto encoded = EncodePictureRecord(record);
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
  }
  return bytes;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// A user's picture with every field set to a value of its own.
PictureRecord UserRecord() {
  PictureRecord record = DefaultPictureRecord(17);
  record.record_number = 16;
  record.state = 3;
  record.weekday_mask = 0x41;
  record.first_hour = 22;
  record.last_hour = 6;
  record.first_month = 11;
  record.last_month = 2;
  record.option = 9;
  record.carried_24 = 24;
  record.carried_26 = 26;
  record.text_height = -13;
  record.text_weight = 400;
  record.text_italic = 1;
  CopyText(record.text_face.data(), record.text_face.size(), "Verdana");
  record.fit_mode = 0;
  record.background = 0x123456;
  record.text_colour = 0xFFFFFF;
  record.sharpness = -2;
  record.brightness = 15;
  record.contrast = -40;
  record.carried_94 = 94;
  record.gamma_level = 7;
  CopyText(record.picture_name.data(), record.picture_name.size(), "C:\\Bilder\\Mühle \"alt\".jpg");
  CopyText(record.second_name.data(), record.second_name.size(), "zweiter");
  return record;
}

class PicturesCommandTest : public ::testing::Test {
 protected:
  TempFolder folder_{"cli-pictures"};
  std::string list_path_ = folder_.PathOf("bilder.dat");
};

TEST_F(PicturesCommandTest, ListsEveryFieldByName) {
  ASSERT_TRUE(WriteWholeFile(list_path_, ListOf({DefaultPictureRecord(1), UserRecord()})));
  CommandRun run = RunCommand(PicturesCommand, {list_path_});
  ASSERT_EQ(run.exit_code, kExitSuccess) << run.err;
  EXPECT_EQ(run.err, "");
  std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0],
            R"({"index":0,"tag":"M","format_version":4,"record_number":1,"state":2,"weekday_mask":127,)"
            R"("first_hour":0,"last_hour":24,"first_month":1,"last_month":12,"option":1,"carried_24":0,)"
            R"("carried_26":0,"text_height":24,"text_weight":600,"text_italic":0,"text_face":"Courier New",)"
            R"("fit_mode":1,"background":0,"text_colour":8421504,"sharpness":0,"brightness":0,"contrast":0,)"
            R"("carried_94":0,"gamma_level":5,"picture_name":"C01X","second_name":"C01X"})");
  EXPECT_EQ(lines[1],
            Utf8(u8R"({"index":1,"tag":"M","format_version":4,"record_number":16,"state":3,"weekday_mask":65,)"
                 u8R"("first_hour":22,"last_hour":6,"first_month":11,"last_month":2,"option":9,"carried_24":24,)"
                 u8R"("carried_26":26,"text_height":-13,"text_weight":400,"text_italic":1,"text_face":"Verdana",)"
                 u8R"("fit_mode":0,"background":1193046,"text_colour":16777215,"sharpness":-2,"brightness":15,)"
                 u8R"("contrast":-40,"carried_94":94,"gamma_level":7,)"
                 u8R"("picture_name":"C:\\Bilder\\Mühle \"alt\".jpg","second_name":"zweiter"})"));
}

// More records than one read step takes, each found at its own place.
TEST_F(PicturesCommandTest, LongListsAreListedWhole) {
  std::vector<PictureRecord> records;
  for (int n = 1; n <= 600; ++n) records.push_back(DefaultPictureRecord(n));
  ASSERT_TRUE(WriteWholeFile(list_path_, ListOf(records)));
  CommandRun run = RunCommand(PicturesCommand, {list_path_});
  ASSERT_EQ(run.exit_code, kExitSuccess) << run.err;
  std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 600u);
  for (int i : {0, 255, 256, 511, 512, 599}) {
    EXPECT_EQ(lines[i].rfind("{\"index\":" + std::to_string(i) + ",", 0), 0u) << lines[i];
    EXPECT_NE(lines[i].find("\"record_number\":" + std::to_string(i + 1) + ","), std::string::npos) << lines[i];
  }
}

TEST_F(PicturesCommandTest, EmptyListHasNoRecords) {
  ASSERT_TRUE(WriteWholeFile(list_path_, {}));
  CommandRun run = RunCommand(PicturesCommand, {list_path_});
  EXPECT_EQ(run.exit_code, kExitSuccess);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
}

// A list that ends in part of a record (exactly at a read step, too): the whole records are listed,
// the rest is reported and the exit code says that the list is damaged.
TEST_F(PicturesCommandTest, DamagedListListsItsWholeRecordsAndFails) {
  for (int whole : {2, 256}) {
    std::vector<PictureRecord> records(whole, DefaultPictureRecord(3));
    std::vector<std::uint8_t> bytes = ListOf(records);
    bytes.resize(bytes.size() + 100, 0x4D);
    ASSERT_TRUE(WriteWholeFile(list_path_, bytes));
    CommandRun run = RunCommand(PicturesCommand, {list_path_});
    EXPECT_EQ(run.exit_code, kExitFailure);
    EXPECT_EQ(Lines(run.out).size(), static_cast<std::size_t>(whole));
    EXPECT_NE(run.err.find("is damaged: it ends with 100 bytes"), std::string::npos) << run.err;
  }
}

TEST_F(PicturesCommandTest, MissingListOrFolderFails) {
  for (const std::string& path : {folder_.PathOf("missing.dat"), folder_.path()}) {
    CommandRun run = RunCommand(PicturesCommand, {path});
    EXPECT_EQ(run.exit_code, kExitFailure) << path;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "quellmoor-cli pictures: cannot open picture list \"" + path + "\"\n");
  }
  EXPECT_EQ(RunCommand(PicturesCommand, {}).exit_code, kExitBadArguments);
  EXPECT_EQ(RunCommand(PicturesCommand, {"a", "b"}).exit_code, kExitBadArguments);
}


class PicturesAddTest : public PicturesCommandTest {
 protected:
  PicturesAddTest() {
    list_ = ListOf({DefaultPictureRecord(1), UserRecord()});
    list_.resize(list_.size() + 5, 0xEE);  // a damaged end, kept through every add
    EXPECT_TRUE(WriteWholeFile(list_path_, list_));
  }

  std::string picture_ = folder_.Write("see.png", "not looked into");
  std::vector<std::uint8_t> list_;
};

// The new record has the options given and the defaults otherwise; the records before it and the
// damaged end stay byte for byte, and the new record is printed.
TEST_F(PicturesAddTest, AppendsARecordWithTheOptionsGiven) {
  const struct {
    std::initializer_list<std::string_view> options;
    PictureFileOptions expected;
  } cases[] = {
      {{}, {}},
      {{"--fit", "0", "--months", "11-2", "--hours", "22-6", "--weekdays", "65"},
       {.fit_mode = 0, .first_month = 11, .last_month = 2, .first_hour = 22, .last_hour = 6, .weekday_mask = 65}},
      {{"--hours", "0-24", "--weekdays", "0", "--months", "12-12"},
       {.first_month = 12, .last_month = 12, .first_hour = 0, .last_hour = 24, .weekday_mask = 0}},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteWholeFile(list_path_, list_));
    std::vector<std::string_view> arguments{list_path_, "--add", picture_};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    std::ostringstream out, err;
    ASSERT_EQ(PicturesCommand(arguments, out, err), kExitSuccess) << err.str();
    EXPECT_NE(err.str().find("ends with 5 bytes that make no whole record of 622 bytes (kept behind the records)"),
              std::string::npos)
        << err.str();

    std::optional<PictureList> list = ReadPictureList(list_path_);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->records.size(), 3u);
    PictureList expected{{DefaultPictureRecord(1), UserRecord()}, std::vector<std::uint8_t>(5, 0xEE)};
    ASSERT_EQ(AddPictureFile(expected, picture_, c.expected), AddPictureOutcome::kAdded);
    ASSERT_TRUE(WritePictureList(folder_.PathOf("expected.dat"), expected));
    EXPECT_EQ(ReadWholeFile(list_path_, 1 << 20), ReadWholeFile(folder_.PathOf("expected.dat"), 1 << 20));
    EXPECT_EQ(out.str().rfind(R"({"index":2,"tag":"M","format_version":4,"record_number":2,)", 0), 0u) << out.str();
  }
}

// A relative path is stored as the full path, which the program finds from wherever it runs.
TEST_F(PicturesAddTest, StoresTheFullPath) {
  const std::filesystem::path previous_folder = std::filesystem::current_path();
  std::filesystem::current_path(folder_.path());
  CommandRun run = RunCommand(PicturesCommand, {"bilder.dat", "--add", "see.png"});
  std::filesystem::current_path(previous_folder);
  ASSERT_EQ(run.exit_code, kExitSuccess) << run.err;
  std::optional<PictureList> list = ReadPictureList(list_path_);
  ASSERT_TRUE(list);
  EXPECT_EQ(list->records.back().PictureName(), picture_);
}

TEST_F(PicturesAddTest, BadValuesAreRefusedAndNothingIsWritten) {
  const std::string_view list = list_path_;
  const std::string_view picture = picture_;
  ExpectRefused(PicturesCommand, "pictures",
                {
                    {{list, "--add", picture, "--fit", "2"}, "--fit"},
                    {{list, "--add", picture, "--months", "0-12"}, "--months"},
                    {{list, "--add", picture, "--months", "1-13"}, "--months"},
                    {{list, "--add", picture, "--months", "5"}, "--months"},
                    {{list, "--add", picture, "--months", "1-"}, "--months"},
                    {{list, "--add", picture, "--hours", "24-24"}, "--hours"},
                    {{list, "--add", picture, "--hours", "0-25"}, "--hours"},
                    {{list, "--add", picture, "--hours", "-1-5"}, "--hours"},
                    {{list, "--add", picture, "--weekdays", "128"}, "--weekdays"},
                    {{list, "--add", picture, "--weekdays", "0x7F"}, "--weekdays"},
                    {{list, "--fit", "0"}, "--fit goes with --add"},
                    {{list, "--add"}, "--add"},
                });
  EXPECT_EQ(ReadWholeFile(list_path_, 1 << 20), list_);
}

TEST_F(PicturesAddTest, MissingPictureOrListWritesNothing) {
  CommandRun run = RunCommand(PicturesCommand, {list_path_, "--add", folder_.PathOf("fehlt.png")});
  EXPECT_EQ(run.exit_code, kExitFailure);
  EXPECT_NE(run.err.find("no picture file"), std::string::npos) << run.err;
  run = RunCommand(PicturesCommand, {list_path_, "--add", folder_.path()});
  EXPECT_EQ(run.exit_code, kExitFailure);
  EXPECT_EQ(ReadWholeFile(list_path_, 1 << 20), list_);

  run = RunCommand(PicturesCommand, {folder_.PathOf("fehlt.dat"), "--add", picture_});
  EXPECT_EQ(run.exit_code, kExitFailure);
  EXPECT_FALSE(PathExists(folder_.PathOf("fehlt.dat")));
}

}  // namespace
