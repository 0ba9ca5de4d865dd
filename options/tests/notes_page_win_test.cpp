// The Notes page in the running options sheet: when a typed folder offers Apply, what Apply stores and
// whether it asks for the notes to be read again, a folder chosen in the browser, the font dialog's
// answers, and NoteTop taken at the click.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "options/tests/options_sheet_support_win.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kNotesPage = 4;
constexpr int kApplyButton = 0x3021;
const std::string kStoredFolder = "C:\\Notizen\\";

class NotesPageWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ForgetStoredSettings(fixture_);
    fixture_.platform.Store().WriteText(fixture_.settings.keys.main, "NotePath", kStoredFolder);
  }
  void TearDown() override { ForgetStoredSettings(fixture_); }

  std::optional<std::string> StoredText(const char* name) {
    return fixture_.platform.Store().ReadText(fixture_.settings.keys.main, name, 300);
  }

  OptionsFixture fixture_;
};

TEST_F(NotesPageWinTest, ApplyStoresTheTypedFolderAndAsksForARescanWhenItChanged) {
  struct Case {
    std::string typed;
    bool apply_offered;
    std::string stored;
    bool rescan;
  };
  const Case cases[] = {
      {kStoredFolder, false, kStoredFolder, false},
      {"C:\\NOTIZEN\\", true, "C:\\NOTIZEN\\", true},  // Windows would find the same folder; the text differs
      {"D:\\Andere Notizen", true, "D:\\Andere Notizen", true},
      {"", true, kStoredFolder, false},  // no folder: the stored one stays
      {"C:", true, kStoredFolder, false},
  };
  for (const Case& c : cases) {
    bool offered = false;
    ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
      HWND page = GoToPage(sheet, kNotesPage);
      SetDlgItemTextA(page, IDC_NOTESPAGE_PATH, c.typed.c_str());
      offered = IsWindowEnabled(GetDlgItem(sheet, kApplyButton)) != FALSE;
      PressSheetButton(sheet, PSBTN_OK);
    })) << c.typed;
    EXPECT_EQ(offered, c.apply_offered) << c.typed;
    EXPECT_EQ(fixture_.settings.NotePath, c.stored) << c.typed;
    EXPECT_EQ(StoredText("NotePath"), c.stored) << c.typed;
    EXPECT_EQ(fixture_.context.rescan_notes, c.rescan) << c.typed;
    fixture_.platform.Store().WriteText(fixture_.settings.keys.main, "NotePath", kStoredFolder);
  }
}

TEST_F(NotesPageWinTest, NoteTopIsTakenAtTheClickAndStoredOnlyByApply) {
  fixture_.platform.Store().WriteDword(fixture_.settings.keys.main, "NoteTop", 1);
  struct Seen {
    UINT checked;
    int note_top;
  };
  Seen opened{}, clicked{};
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kNotesPage);
    opened = {IsDlgButtonChecked(page, IDC_NOTESPAGE_TOP), fixture_.settings.NoteTop};
    ClickItem(page, IDC_NOTESPAGE_TOP);
    clicked = {IsDlgButtonChecked(page, IDC_NOTESPAGE_TOP), fixture_.settings.NoteTop};
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_EQ(opened.checked, static_cast<UINT>(BST_CHECKED));
  EXPECT_EQ(opened.note_top, 1);
  EXPECT_EQ(clicked.checked, static_cast<UINT>(BST_UNCHECKED));
  EXPECT_EQ(clicked.note_top, 0);
  EXPECT_EQ(fixture_.settings.NoteTop, 0);  // the click stays in memory after Cancel
  EXPECT_EQ(fixture_.platform.Store().ReadDword(fixture_.settings.keys.main, "NoteTop"), 1u);
  EXPECT_FALSE(fixture_.context.rescan_notes);

  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kNotesPage);
    ClickItem(page, IDC_NOTESPAGE_TOP);
    PressSheetButton(sheet, PSBTN_OK);
  }));
  EXPECT_EQ(fixture_.platform.Store().ReadDword(fixture_.settings.keys.main, "NoteTop"), 0u);
}

// The folder browser, answered with OK where it starts (the desktop folder), puts that folder into the
// field with a trailing backslash, which offers Apply.
TEST_F(NotesPageWinTest, BrowsingPutsTheChosenFolderWithATrailingBackslash) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));  // the new-style browser needs COM, as the program has it
  char desktop[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE));
  bool browser_came = false;
  bool offered = false;
  std::string field;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kNotesPage);
    // The browser's title as the test prefix's Windows gives it.
    Answering browser("Browse for Folder", [](HWND dialog) {
      Sleep(300);  // the browser selects its start folder once its tree is filled
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    ClickItem(page, IDC_NOTESPAGE_BROWSE);
    browser_came = browser.Finish();
    char text[300] = {};
    GetDlgItemTextA(page, IDC_NOTESPAGE_PATH, text, sizeof text);
    field = text;
    offered = IsWindowEnabled(GetDlgItem(sheet, kApplyButton)) != FALSE;
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  CoUninitialize();
  EXPECT_TRUE(browser_came);
  EXPECT_EQ(field, std::string(desktop) + "\\");
  EXPECT_TRUE(offered);
  EXPECT_EQ(fixture_.settings.NotePath, kStoredFolder);  // Cancel: nothing taken
}

// The font dialog: Cancel leaves everything as it was; OK offers Apply even for the font it showed.
TEST_F(NotesPageWinTest, OnlyAConfirmedFontDialogOffersApply) {
  struct Case {
    int answer;
    bool offered;
  };
  for (const Case& c : {Case{IDCANCEL, false}, Case{IDOK, true}}) {
    bool dialog_came = false;
    bool offered = !c.offered;
    ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
      HWND page = GoToPage(sheet, kNotesPage);
      // The font dialog's title as the test prefix's Windows gives it.
      Answering font_dialog("Font", [&c](HWND dialog) { PostMessageA(dialog, WM_COMMAND, c.answer, 0); });
      ClickItem(page, IDC_NOTESPAGE_FONT);
      dialog_came = font_dialog.Finish();
      offered = IsWindowEnabled(GetDlgItem(sheet, kApplyButton)) != FALSE;
      PressSheetButton(sheet, PSBTN_CANCEL);
    })) << c.answer;
    EXPECT_TRUE(dialog_came) << c.answer;
    EXPECT_EQ(offered, c.offered) << c.answer;
  }
}

}  // namespace
