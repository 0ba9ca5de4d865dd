// The Pictures page under Wine, driven as a user would through the sheet's and the controls'
// messages: a picture file added through the open-file dialog, a user's picture removed, a record
// edited, a failed write, records added meanwhile, a damaged end, and Cancel. Every byte the user did
// not change must reach the list file as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "common/cp1252.h"
#include "common/file_system.h"
#include "common/owned_handles_win.h"
#include "common/tests/temp_folder.h"
#include "imaging/tests/reader_samples.h"
#include "options/tests/options_sheet_support_win.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"
#include "wallpaper/picture_list.h"
#include "wallpaper/picture_list_edit.h"

namespace {

constexpr int kPicturesTab = 2;

// Waits up to ten seconds for done; false when it never came.
bool WaitFor(const std::function<bool()>& done) {
  for (int wait = 0; wait < 500; ++wait) {
    if (done()) return true;
    Sleep(20);
  }
  return false;
}

int RowCount(HWND page) {
  return static_cast<int>(SendDlgItemMessageA(page, IDC_PICTURES_LIST, LVM_GETITEMCOUNT, 0, 0));
}

// A click on a row of the list.
void SelectListRow(HWND page, int row) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendDlgItemMessageA(page, IDC_PICTURES_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(&item));
}

class PicturesPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteWholeFile(picture_, PngFile(PngOfSample())));
    for (int n = 1; n <= 16; ++n) {
      original_.records.push_back(DefaultPictureRecord(n));
      original_.records.back().record_number = static_cast<std::uint32_t>(n - 1);
    }
    original_.records.push_back(HandMadeRecord(picture_, 16));
    ASSERT_TRUE(WritePictureList(list_path_, original_));
  }

  // A user's picture as another program might have written it: carried fields of its own, and
  // bytes behind the name's terminator.
  static PictureRecord HandMadeRecord(const std::string& path, std::uint32_t number) {
    PictureList list;
    EXPECT_EQ(AddPictureFile(list, path, {}), AddPictureOutcome::kAdded);
    PictureRecord record = list.records[0];
    record.record_number = number;
    record.option = 9;
    record.carried_24 = 0xBEEF;
    record.text_height = -13;
    record.carried_94 = 94;
    record.brightness = 250;  // beyond the slider's end
    record.picture_name[path.size() + 2] = 'Z';
    std::memset(record.second_name.data(), 'S', record.second_name.size());
    return record;
  }

  std::optional<std::vector<std::uint8_t>> ListBytes() const { return ReadWholeFile(list_path_, 1 << 20); }

  static std::vector<std::uint8_t> Bytes(const PictureList& list) {
    std::vector<std::uint8_t> bytes;
    for (const PictureRecord& record : list.records) {
      auto encoded = EncodePictureRecord(record);
      bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    return bytes;
  }

  TempFolder folder_{"pictures-page"};
  std::string picture_ = folder_.PathOf("see.png");
  OptionsFixture fixture_;
  std::string list_path_ = PictureListPath(fixture_.settings);
  PictureList original_;
};

TEST_F(PicturesPageTest, AddingAPictureFileAppendsItsRecord) {
  const std::string dialog_title = fixture_.text_table.LookupText(texts::PICS_OEFFNEN);
  const std::string added = folder_.PathOf("berg.png");
  ASSERT_TRUE(WriteWholeFile(added, PngFile(PngOfSample())));
  int rows_before = 0;
  int rows_after = 0;
  bool dialog_came = false;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kPicturesTab);
    rows_before = RowCount(page);
    Answering user(dialog_title, [&](HWND dialog) {
      // The file name box: edt1 in the older layout of the dialog, cmb13 in the newer.
      SetDlgItemTextA(dialog, 0x480, added.c_str());
      SetDlgItemTextA(dialog, 0x47C, added.c_str());
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    // Posted: the page's click opens the modal dialog, which this thread answers.
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_PICTURES_ADD, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_PICTURES_ADD)));
    WaitFor([&] { return RowCount(page) == rows_before + 1; });
    dialog_came = user.Finish();
    rows_after = RowCount(page);
    PressSheetButton(sheet, PSBTN_OK);
  }));
  ASSERT_TRUE(dialog_came);
  EXPECT_EQ(rows_before, 17);
  ASSERT_EQ(rows_after, 18);

  std::optional<PictureList> written = ReadPictureList(list_path_);
  ASSERT_TRUE(written);
  ASSERT_EQ(written->records.size(), 18u);
  const std::string stored = written->records.back().PictureName();
  EXPECT_TRUE(EqualIgnoringCase(stored, added)) << stored;
  PictureList expected = original_;
  ASSERT_EQ(AddPictureFile(expected, stored, {}), AddPictureOutcome::kAdded);
  EXPECT_EQ(ListBytes(), Bytes(expected));
  EXPECT_TRUE(fixture_.context.rebuild_wallpaper);
}

// Removing is offered for user pictures only and takes just the selected record; an edit of the
// hand-made record changes its one field, and every other byte of it reaches the file as it was.
TEST_F(PicturesPageTest, RemovingAndEditingKeepEveryOtherByte) {
  original_.records.push_back(HandMadeRecord(folder_.PathOf("weg.png"), 17));
  ASSERT_TRUE(WritePictureList(list_path_, original_));
  bool remove_for_builtin = true;
  bool remove_for_file = false;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kPicturesTab);
    SelectListRow(page, 0);
    remove_for_builtin = IsWindowEnabled(GetDlgItem(page, IDC_PICTURES_REMOVE)) != FALSE;
    SelectListRow(page, 17);
    remove_for_file = IsWindowEnabled(GetDlgItem(page, IDC_PICTURES_REMOVE)) != FALSE;
    ClickItem(page, IDC_PICTURES_REMOVE);
    SelectListRow(page, 16);
    ClickItem(page, IDC_PICTURES_MONDAY);
    SelectRow(page, IDC_PICTURES_LAST_HOUR, 20);
    PressSheetButton(sheet, PSBTN_OK);
  }));
  EXPECT_FALSE(remove_for_builtin);
  EXPECT_TRUE(remove_for_file);

  PictureList expected = original_;
  ASSERT_TRUE(RemovePictureFile(expected, 17));
  expected.records[16].weekday_mask = 127 & ~2;
  expected.records[16].last_hour = 20;
  EXPECT_EQ(ListBytes(), Bytes(expected));
  EXPECT_TRUE(fixture_.context.rebuild_wallpaper);
}

// A list file that cannot be written keeps the sheet open on the page with the edit, and the file as
// it was; the next OK writes the edit, and a record another program added meanwhile stays behind.
TEST_F(PicturesPageTest, AFailedWriteKeepsTheSheetOpenAndRecordsAddedMeanwhileStay) {
  PictureList added_meanwhile = original_;
  ASSERT_EQ(AddPictureFile(added_meanwhile, folder_.PathOf("neu.png"), {}), AddPictureOutcome::kAdded);
  bool message_came = false;
  bool stayed_on_page = false;
  std::optional<std::vector<std::uint8_t>> after_failure;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kPicturesTab);
    SelectListRow(page, 16);
    ClickItem(page, IDC_PICTURES_MONDAY);
    ASSERT_TRUE(WritePictureList(list_path_, added_meanwhile));
    {
      // Another program holds the list open, sharing nothing.
      OwnedKernelHandle locked(CreateFileA(list_path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
      Answering user(list_path_, [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
      GoToPage(sheet, 0);
      PressSheetButton(sheet, PSBTN_OK);
      message_came = user.Finish();
    }
    after_failure = ListBytes();
    stayed_on_page = IsWindow(sheet) && PropSheet_GetCurrentPageHwnd(sheet) == page;
    PressSheetButton(sheet, PSBTN_OK);
  }));
  EXPECT_TRUE(message_came);
  EXPECT_TRUE(stayed_on_page);
  PictureList expected = added_meanwhile;
  expected.records[16].weekday_mask = 127 & ~2;
  EXPECT_EQ(after_failure, Bytes(added_meanwhile));
  EXPECT_EQ(ListBytes(), Bytes(expected));
}

// A damaged end of the list is told when the page opens, with its size, and stays.
TEST_F(PicturesPageTest, ADamagedEndOfTheListIsTold) {
  original_.damaged_tail = {1, 2, 3};
  ASSERT_TRUE(WritePictureList(list_path_, original_));
  std::string message;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    Answering user(list_path_, [&](HWND box) {
      message = MessageBoxText(box);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    GoToPage(sheet, kPicturesTab);
    user.Finish();
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_NE(message.find(" 3 "), std::string::npos) << message;
  std::vector<std::uint8_t> kept = Bytes(original_);
  kept.insert(kept.end(), {1, 2, 3});
  EXPECT_EQ(ListBytes(), kept);
}

TEST_F(PicturesPageTest, CancelWritesNothing) {
  const auto before = ListBytes();
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kPicturesTab);
    SelectListRow(page, 16);
    ClickItem(page, IDC_PICTURES_USE);
    ClickItem(page, IDC_PICTURES_FIT);
    ClickItem(page, IDC_PICTURES_REMOVE);
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_EQ(ListBytes(), before);
  EXPECT_FALSE(fixture_.context.rebuild_wallpaper);
}

}  // namespace
