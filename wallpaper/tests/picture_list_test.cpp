// The picture list file: creation from the template or the built-in pictures, conversion of the
// 596-byte format, regrouping with the built-in pictures first, and reading damaged lists. A step
// that fails must leave bilder.dat as it was.
#include "wallpaper/picture_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "common/byte_order.h"
#include "common/file_system.h"
#include "common/tests/temp_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class PictureListTest : public ::testing::Test {
 protected:
  PictureListTest() : folder_("list") {
    settings_.keys = MakeSettingsKeys("Quellmoor");
    settings_.data_folder = folder_.path();
    settings_.BuiltinPictureCount = 16;
  }

  std::string PathOf(const char* name) const { return folder_.PathOf(name); }
  std::string ListPath() const { return PictureListPath(settings_); }
  static std::optional<Bytes> Contents(const std::string& path) { return ReadWholeFile(path, 1 << 20); }

  std::vector<PictureRecord> ReadList() {
    std::vector<PictureRecord> records;
    int count = PictureCount(ListPath()).value_or(0);
    for (int i = 0; i < count; ++i) {
      PictureRecord record;
      EXPECT_TRUE(ReadPictureRecord(ListPath(), i, record));
      records.push_back(record);
    }
    return records;
  }

  static void AddRecord(Bytes& list, PictureRecord record) {
    auto bytes = EncodePictureRecord(record);
    list.insert(list.end(), bytes.begin(), bytes.end());
  }

  static PictureRecord FileRecord(const char* path) {
    PictureRecord record = DefaultPictureRecord(0);
    std::memset(record.picture_name.data(), 0, record.picture_name.size());
    std::strcpy(record.picture_name.data(), path);
    record.fit_mode = 0;
    record.background = 0x123456;
    return record;
  }

  // Makes a rename or write onto this name fail: a folder that is not empty.
  void BlockName(const char* name) {
    std::filesystem::create_directories(PathOf(name));
    ASSERT_TRUE(WriteWholeFile(JoinPath(PathOf(name), "x"), Bytes{1}));
  }

  TempFolder folder_;
  Settings settings_;
  MemorySettingsStore store_;
};

// A version-3 record of 596 bytes with recognisable fields.
Bytes Version3Record(const char* name, std::uint16_t first) {
  Bytes old(596, 0);
  std::memcpy(old.data(), "OLD!", 4);
  for (int i = 0; i < 9; ++i) WriteU16LE(old.data() + 4 + 2 * i, static_cast<std::uint16_t>(first + i));
  WriteI32LE(old.data() + 22, -20);
  WriteI32LE(old.data() + 26, 700);
  WriteI32LE(old.data() + 30, 1);
  std::memset(old.data() + 34, 'F', 32);  // a face name that fills its field
  WriteU16LE(old.data() + 66, 0);
  WriteU32LE(old.data() + 68, 0x00112233);
  WriteU32LE(old.data() + 72, 0x00445566);
  std::strcpy(reinterpret_cast<char*>(old.data() + 76), name);
  std::strcpy(reinterpret_cast<char*>(old.data() + 336), "zweiter Name");
  return old;
}

TEST_F(PictureListTest, MissingListBecomesDefaultRecordsAndVersionMark) {
  EnsurePictureList(settings_, store_);
  auto records = ReadList();
  ASSERT_EQ(records.size(), 16u);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(EncodePictureRecord(records[i]), EncodePictureRecord(DefaultPictureRecord(i + 1))) << i;
  }
  EXPECT_EQ(records[0].PictureName(), "C01X");
  EXPECT_EQ(records[15].PictureName(), "C16X");
  EXPECT_EQ(FileSize(ListPath()), 16u * 622);
  EXPECT_EQ(settings_.dbver, 4u);
  EXPECT_EQ(settings_.Version, "2.6.3");
  EXPECT_EQ(store_.ReadDword(settings_.keys.main, "dbver"), 4u);
  EXPECT_EQ(store_.ReadText(settings_.keys.main, "Version", 256), "2.6.3");
}

TEST_F(PictureListTest, MissingListIsCopiedFromTemplate) {
  TempFolder installation("install");
  settings_.picture_default_folder = installation.path();
  Bytes template_list;
  AddRecord(template_list, FileRecord("C:\\Bilder\\Meer.jpg"));
  AddRecord(template_list, DefaultPictureRecord(1));
  ASSERT_TRUE(WriteWholeFile(installation.PathOf("bilder.def"), template_list));

  EnsurePictureList(settings_, store_);
  EXPECT_EQ(Contents(ListPath()), template_list);
  EXPECT_EQ(settings_.dbver, 4u);
}

TEST_F(PictureListTest, Version3ListIsConvertedAndKept) {
  const char* names[] = {"C01X", "C:\\Bilder\\Berg.jpg", "C03X"};
  Bytes old;
  for (int i = 0; i < 3; ++i) {
    Bytes record = Version3Record(names[i], static_cast<std::uint16_t>(10 * i));
    old.insert(old.end(), record.begin(), record.end());
  }
  ASSERT_TRUE(WriteWholeFile(ListPath(), old));

  EnsurePictureList(settings_, store_);
  ASSERT_EQ(FileSize(ListPath()), 3u * 622);
  auto records = ReadList();
  for (std::uint32_t i = 0; i < 3; ++i) {
    const PictureRecord& r = records[i];
    EXPECT_EQ(r.tag[0], 'M');
    EXPECT_EQ(r.format_version, 4u);
    EXPECT_EQ(r.record_number, i);
    EXPECT_EQ(r.state, 10 * i);
    EXPECT_EQ(r.weekday_mask, 10 * i + 1);
    EXPECT_EQ(r.last_month, 10 * i + 5);
    EXPECT_EQ(r.carried_26, 10 * i + 8);
    EXPECT_EQ(r.text_height, -20);
    EXPECT_EQ(r.text_weight, 700);
    EXPECT_EQ(r.text_italic, 1);
    EXPECT_EQ(std::string(r.text_face.data()), std::string(31, 'F'));  // cut to 31 and terminated
    EXPECT_EQ(r.fit_mode, 0);
    EXPECT_EQ(r.background, 0x00112233u);
    EXPECT_EQ(r.text_colour, 0x00445566u);
    EXPECT_EQ(r.sharpness, 0);
    EXPECT_EQ(r.brightness, 0);
    EXPECT_EQ(r.contrast, 0);
    EXPECT_EQ(r.carried_94, 0);
    EXPECT_EQ(r.gamma_level, 5);
    EXPECT_EQ(std::string(r.second_name.data()), "zweiter Name");
  }
  EXPECT_EQ(records[1].PictureName(), "C:\\Bilder\\Berg.jpg");
  EXPECT_EQ(Contents(PathOf("bilder.V3")), old);
  EXPECT_FALSE(PathExists(PathOf("bilder.convert")));
  EXPECT_EQ(settings_.dbver, 4u);
}

TEST_F(PictureListTest, ConversionDropsTrailingPartialRecord) {
  Bytes old = Version3Record("C01X", 2);
  old.resize(596 + 300, 0x41);
  ASSERT_TRUE(WriteWholeFile(ListPath(), old));
  EnsurePictureList(settings_, store_);
  EXPECT_EQ(FileSize(ListPath()), 622u);
  EXPECT_EQ(Contents(PathOf("bilder.V3")), old);
}

TEST_F(PictureListTest, CurrentListIsNotConvertedAgain) {
  Bytes list;
  AddRecord(list, DefaultPictureRecord(1));
  ASSERT_TRUE(WriteWholeFile(ListPath(), list));
  ASSERT_TRUE(WriteWholeFile(PathOf("bilder.convert"), Bytes{9, 9}));  // left over from a crash
  EnsurePictureList(settings_, store_);
  EXPECT_EQ(Contents(ListPath()), list);
  EXPECT_FALSE(PathExists(PathOf("bilder.V3")));
  EXPECT_FALSE(PathExists(PathOf("bilder.convert")));
}

// A list of 17 records: C01X, C02X, a picture file, C03X ... C16X.
Bytes ListWithFileInThirdPlace() {
  Bytes list;
  for (int n = 1; n <= 16; ++n) {
    if (n == 3) {
      PictureRecord file = DefaultPictureRecord(0);
      std::memset(file.picture_name.data(), 0, file.picture_name.size());
      std::strcpy(file.picture_name.data(), "D:\\Fotos\\Urlaub.png");
      file.sharpness = 2;
      auto bytes = EncodePictureRecord(file);
      list.insert(list.end(), bytes.begin(), bytes.end());
    }
    PictureRecord builtin = DefaultPictureRecord(n);
    builtin.brightness = 10 * n;  // user's settings, dropped where a fresh record takes the slot
    auto bytes = EncodePictureRecord(builtin);
    list.insert(list.end(), bytes.begin(), bytes.end());
  }
  return list;
}

TEST_F(PictureListTest, RegroupPutsBuiltinPicturesFirst) {
  Bytes old = ListWithFileInThirdPlace();
  ASSERT_TRUE(WriteWholeFile(ListPath(), old));
  settings_.dbver = 4;
  settings_.Version = "2.5";

  EnsurePictureList(settings_, store_);
  auto records = ReadList();
  ASSERT_EQ(records.size(), 17u);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(records[i].PictureName(), DefaultPictureRecord(i + 1).PictureName());
  EXPECT_EQ(records[2].PictureName(), "C03X");
  // The user's first two records keep their settings and get the running numbers 0 and 1.
  EXPECT_EQ(records[0].brightness, 10);
  EXPECT_EQ(records[1].record_number, 1u);
  for (int i = 2; i < 16; ++i) {
    EXPECT_EQ(EncodePictureRecord(records[i]), EncodePictureRecord(DefaultPictureRecord(i + 1))) << i;
  }
  EXPECT_EQ(records[16].PictureName(), "D:\\Fotos\\Urlaub.png");
  EXPECT_EQ(records[16].record_number, 2u);
  EXPECT_EQ(records[16].sharpness, 2);
  EXPECT_EQ(Contents(PathOf("bilder.bak")), old);
  EXPECT_EQ(settings_.Version, "2.6.3");
}

TEST_F(PictureListTest, RegroupAppendsMissingBuiltinPictures) {
  Bytes old;
  AddRecord(old, DefaultPictureRecord(1));
  AddRecord(old, DefaultPictureRecord(2));
  ASSERT_TRUE(WriteWholeFile(ListPath(), old));
  ASSERT_TRUE(WriteWholeFile(PathOf("bilder.bak"), Bytes{1, 2, 3}));  // an older backup is replaced
  RegroupPictureList(settings_, store_);
  auto records = ReadList();
  ASSERT_EQ(records.size(), 16u);
  EXPECT_EQ(records[15].PictureName(), "C16X");
  EXPECT_EQ(Contents(PathOf("bilder.bak")), old);
}

TEST_F(PictureListTest, CurrentVersionIsNotRegrouped) {
  Bytes old = ListWithFileInThirdPlace();
  ASSERT_TRUE(WriteWholeFile(ListPath(), old));
  settings_.dbver = 4;
  settings_.Version = "2.6.3";
  EnsurePictureList(settings_, store_);
  EXPECT_EQ(Contents(ListPath()), old);
  EXPECT_FALSE(PathExists(PathOf("bilder.bak")));
}

TEST_F(PictureListTest, FailedWriteLeavesListUntouched) {
  Bytes v3 = Version3Record("C01X", 2);
  ASSERT_TRUE(WriteWholeFile(ListPath(), v3));
  BlockName("bilder.convert");
  EnsurePictureList(settings_, store_);
  EXPECT_EQ(Contents(ListPath()), v3);
  EXPECT_FALSE(PathExists(PathOf("bilder.V3")));
  EXPECT_EQ(settings_.dbver, 0u);
  EXPECT_FALSE(store_.ReadDword(settings_.keys.main, "dbver").has_value());

  Bytes v4 = ListWithFileInThirdPlace();
  ASSERT_TRUE(WriteWholeFile(ListPath(), v4));
  RegroupPictureList(settings_, store_);
  EXPECT_EQ(Contents(ListPath()), v4);
  EXPECT_FALSE(PathExists(PathOf("bilder.bak")));
}

TEST_F(PictureListTest, FailedBackupRenameLeavesListUntouched) {
  Bytes v3 = Version3Record("C01X", 2);
  ASSERT_TRUE(WriteWholeFile(ListPath(), v3));
  Bytes earlier_backup{7, 7, 7};
  ASSERT_TRUE(WriteWholeFile(PathOf("bilder.V3"), earlier_backup));
  EnsurePictureList(settings_, store_);
  EXPECT_EQ(Contents(ListPath()), v3);
  EXPECT_EQ(Contents(PathOf("bilder.V3")), earlier_backup);
  EXPECT_FALSE(PathExists(PathOf("bilder.convert")));

  Bytes v4 = ListWithFileInThirdPlace();
  ASSERT_TRUE(WriteWholeFile(ListPath(), v4));
  BlockName("bilder.bak");
  RegroupPictureList(settings_, store_);
  EXPECT_EQ(Contents(ListPath()), v4);
  EXPECT_FALSE(PathExists(PathOf("bilder.convert")));
}

TEST_F(PictureListTest, DamagedListIsReadWithoutHarm) {
  Bytes list;
  AddRecord(list, DefaultPictureRecord(1));
  AddRecord(list, DefaultPictureRecord(2));
  list.resize(list.size() + 100, 0xEE);  // a record cut short
  ASSERT_TRUE(WriteWholeFile(ListPath(), list));

  EXPECT_EQ(PictureCount(ListPath()), 2);
  PictureRecord record = DefaultPictureRecord(9);
  EXPECT_TRUE(ReadPictureRecord(ListPath(), 1, record));
  EXPECT_EQ(record.PictureName(), "C02X");
  record = DefaultPictureRecord(9);
  EXPECT_FALSE(ReadPictureRecord(ListPath(), 2, record));  // the cut record
  EXPECT_EQ(record.PictureName(), "C09X");
  EXPECT_TRUE(ReadPictureRecord(ListPath(), 3, record));  // past the end: nothing read
  EXPECT_EQ(record.PictureName(), "C09X");
  EXPECT_FALSE(ReadPictureRecord(ListPath(), -1, record));

  EXPECT_FALSE(PictureCount(PathOf("absent.dat")).has_value());
  EXPECT_FALSE(ReadPictureRecord(PathOf("absent.dat"), 0, record));
}

TEST_F(PictureListTest, GarbageListIsRegroupedWithoutLosingIt) {
  Bytes garbage(3 * 622 + 17, 'A');  // names without terminators, a cut record at the end
  garbage[102 + 622] = '.';          // the second one looks like a file name
  ASSERT_TRUE(WriteWholeFile(ListPath(), garbage));
  RegroupPictureList(settings_, store_);
  auto records = ReadList();
  // No name is a built-in one: C01X ... C16X take the first slots and the three records follow.
  ASSERT_EQ(records.size(), 19u);
  EXPECT_EQ(records[0].PictureName(), "C01X");
  EXPECT_EQ(records[15].PictureName(), "C16X");
  EXPECT_EQ(records[16].PictureName(), std::string(260, 'A'));
  EXPECT_EQ(records[17].PictureName()[0], '.');
  EXPECT_EQ(records[18].PictureName(), std::string(260, 'A'));
  EXPECT_EQ(Contents(PathOf("bilder.bak")), garbage);
}

}  // namespace
