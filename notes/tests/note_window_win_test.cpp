// The note window in its real window under Wine, driven through messages: typing, Tab, paging (by
// icon and by Ctrl key), new names within one minute, deleting by emptying, read-only (Ctrl + R), a
// folder that cannot be written, notes that cannot be read or deleted, the unsaved-notes file, the
// limit of notes, a note too long for the field, the window's rectangle, the save when the window is
// destroyed, and reading another note folder.
#include "notes/note_window_win.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "common/bounded_text.h"
#include "common/owned_handles_win.h"
#include "common/tests/answering_win.h"
#include "common/tests/temp_folder.h"
#include "resources/resource_ids.h"

namespace {

std::string Text(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string Contents(const std::string& path) {
  const auto bytes = ReadWholeFile(path, 1 << 20);
  return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
}

// A note file held open by another program for a moment, sharing only what share allows.
OwnedKernelHandle Lock(const std::string& path, DWORD share) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
  return OwnedKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

class NoteWindowWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_.NotePath = folder_.path();
    settings_.regional = RegionalSettings{.date_order = 1, .date_separator = "."};
  }

  HWND Open() {
    note_.emplace(context_);
    EXPECT_NE(note_->window(), nullptr);
    note_->Show();
    return note_->window();
  }

  HWND Field() { return GetDlgItem(note_->window(), IDC_NOTE_TEXT); }
  void Type(const std::string& text) {
    for (char c : text) SendMessageA(Field(), WM_CHAR, static_cast<unsigned char>(c), 0);
  }
  void Click(int id) { SendMessageA(note_->window(), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), 0); }
  // A key pressed with Ctrl held, as the text field's filter sees it: this thread's key state says
  // that Ctrl is down while the key arrives.
  void ControlKey(WPARAM key) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(Field(), WM_KEYDOWN, key, 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
  }
  std::string Note(const char* name) { return Contents(folder_.PathOf(name)); }

  TempFolder folder_{"note-window"};
  FixedClock clock_{LocalTime{.day = 7, .month = 3, .year = 2007, .hour = 14, .minute = 5, .weekday = 3}};
  Settings settings_;
  NoteList list_;
  MemorySettingsStore store_;
  TextTable text_table_;
  HtmlHelp help_{text_table_, ""};
  NoteWindowContext context_{&clock_, &settings_, &store_, &list_, &text_table_, &help_};
  std::optional<NoteWindow> note_;
};

TEST_F(NoteWindowWinTest, TypedNotesArePagedAndNamedByTheirMinute) {
  HWND window = Open();
  EXPECT_EQ(Text(window), "07.03.2007 14:05 a");
  Type("erste");
  SendMessageA(Field(), WM_KEYDOWN, VK_TAB, 0);
  Type("Zeile");
  Click(IDC_NOTE_NEW);
  EXPECT_EQ(Note("N_20070307_1405a.txt"), "erste    Zeile");
  EXPECT_EQ(Text(window), "07.03.2007 14:05 b");
  Type("zweite");
  Click(IDC_NOTE_BACK);
  EXPECT_EQ(Note("N_20070307_1405b.txt"), "zweite");
  EXPECT_EQ(Text(Field()), "erste    Zeile");
  Click(IDC_NOTE_FORWARD);
  EXPECT_EQ(Text(Field()), "zweite");

  // Emptying a note deletes its file; an empty new note leaves none.
  Click(IDC_NOTE_DELETE);
  EXPECT_FALSE(PathExists(folder_.PathOf("N_20070307_1405b.txt")));
  note_->Hide();
  note_->Show();
  note_->Hide();
  EXPECT_EQ(list_.count, 1);
}

TEST_F(NoteWindowWinTest, AReadOnlyNoteIsNeverWrittenAndNeitherIsOneTooLongForTheField) {
  folder_.Write("N_20070101_0900a.txt", "fest");
  std::string long_note;
  while (long_note.size() < 20000) long_note += std::string(78, 'x') + "\r\n";
  folder_.Write("N_20070101_0800a.txt", long_note);
  Open();
  ControlKey(VK_PRIOR);
  ASSERT_EQ(Text(Field()), "fest");
  ControlKey('R');
  EXPECT_EQ(IsReadOnly(folder_.PathOf("N_20070101_0900a.txt")), true);
  SendMessageA(Field(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(Text(Field()), "fest");
  Type("anders");
  Click(IDC_NOTE_DELETE);
  note_->Hide();
  EXPECT_EQ(Note("N_20070101_0900a.txt"), "fest");
  note_->Show();
  Click(IDC_NOTE_BACK);
  Click(IDC_NOTE_BACK);
  EXPECT_NE(GetWindowLongA(Field(), GWL_STYLE) & ES_READONLY, 0);
  note_->Hide();
  EXPECT_EQ(Note("N_20070101_0800a.txt"), long_note);
  ASSERT_TRUE(SetReadOnly(folder_.PathOf("N_20070101_0900a.txt"), false));
}

TEST_F(NoteWindowWinTest, ANoteThatCannotBeSavedStaysModifiedAndIsSavedLater) {
  const std::string later = folder_.PathOf("later");
  settings_.NotePath = later;
  Open();
  Type("wichtig");
  std::string message;
  {
    Answering user(JoinPath(later, "N_20070307_1405a.txt"), [&](HWND box) {
      message = "shown";
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    note_->Hide();
    user.Finish();
  }
  EXPECT_EQ(message, "shown");
  // A new note folder is not read while the note cannot be saved: its text would be lost.
  settings_.NotePath = folder_.path();
  note_->Rescan();
  ASSERT_TRUE(MakeFolder(later));
  note_.reset();
  EXPECT_EQ(Contents(JoinPath(later, "N_20070307_1405a.txt")), "wichtig");
}

TEST_F(NoteWindowWinTest, TheStoredRectangleIsWidenedAndKeptOnAMonitor) {
  const struct {
    int left, top, right, bottom;
    int width, height;
  } cases[] = {{100, 100, 200, 200, 256, 200}, {5000, 50, 5500, 400, 500, 350}};
  for (const auto& c : cases) {
    settings_.xNotizPos = c.left;
    settings_.yNotizPos = c.top;
    settings_.wNotizPos = c.right;
    settings_.hNotizPos = c.bottom;
    note_.emplace(context_);
    RECT outer{};
    GetWindowRect(note_->window(), &outer);
    EXPECT_EQ(outer.right - outer.left, c.width) << c.left;
    EXPECT_EQ(outer.bottom - outer.top, c.height) << c.left;
    EXPECT_NE(MonitorFromRect(&outer, MONITOR_DEFAULTTONULL), nullptr) << c.left;
    EXPECT_EQ(settings_.wNotizPos - settings_.xNotizPos, c.width);
    note_.reset();
  }
}

// A failed save keeps the note shown through New, Close and the next showing, with one message; an
// emptied new note removed meanwhile never takes the failed note's file with it.
TEST_F(NoteWindowWinTest, ANoteThatCouldNotBeSavedStaysShownAndNoOtherNoteIsLost) {
  const std::string path = folder_.Write("N_20070101_0900a.txt", "alt");
  folder_.Write("N_20070101_0800a.txt", "davor");
  settings_.data_folder = folder_.path();
  Open();
  ControlKey(VK_END);  // from the empty new note: the last stored note
  ASSERT_EQ(Text(Field()), "alt");
  SendMessageA(Field(), EM_SETSEL, 0, -1);
  Type("neu");
  int messages = 0;
  std::string message;
  {
    OwnedKernelHandle locked = Lock(path, 0);
    ASSERT_TRUE(locked);
    Answering user(path, [&](HWND box) {
      ++messages;
      message = MessageBoxText(box);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    ControlKey(VK_ADD);
    Click(IDC_NOTE_BACK);
    EXPECT_EQ(Text(Field()), "neu");
    Click(IDC_NOTE_CLOSE);
    note_->Show();
    EXPECT_EQ(Text(Field()), "neu");
    user.Finish();
  }
  EXPECT_EQ(messages, 1);
  EXPECT_NE(message.find(JoinPath(folder_.path(), kUnsavedNotesFileName)), std::string::npos) << message;
  Click(IDC_NOTE_CLOSE);
  note_->Show();
  note_.reset();
  EXPECT_EQ(Contents(path), "neu");
  EXPECT_EQ(list_.count, 2);
}

// At the end, a note that still cannot be saved goes to the unsaved-notes file in the data folder.
TEST_F(NoteWindowWinTest, TheEndKeepsANoteThatCannotBeSavedInTheUnsavedNotesFile) {
  settings_.NotePath = folder_.PathOf("fehlt");
  settings_.data_folder = folder_.path();
  Open();
  Type("wichtig");
  {
    Answering user(JoinPath(settings_.NotePath, "N_20070307_1405a.txt"),
                   [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
    note_->Hide();
    user.Finish();
  }
  SendMessageA(note_->window(), WM_ENDSESSION, TRUE, 0);
  note_.reset();
  EXPECT_EQ(Contents(folder_.PathOf(kUnsavedNotesFileName)),
            "----- " + JoinPath(settings_.NotePath, "N_20070307_1405a.txt") + "\r\nwichtig\r\n");
}

// A note that cannot be read is shown read-only and left as it is; one that cannot be deleted stays
// listed, with a message, and goes at the next save.
TEST_F(NoteWindowWinTest, ANoteThatCannotBeReadOrDeletedIsKept) {
  const std::string path = folder_.Write("N_20070101_0900a.txt", "alt");
  Open();
  {
    OwnedKernelHandle locked = Lock(path, 0);
    Answering user(path, [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
    Click(IDC_NOTE_BACK);
    EXPECT_TRUE(user.Finish());
  }
  EXPECT_NE(GetWindowLongA(Field(), GWL_STYLE) & ES_READONLY, 0);
  Type("anders");
  Click(IDC_NOTE_CLOSE);
  EXPECT_EQ(Contents(path), "alt");

  note_->Show();
  Click(IDC_NOTE_BACK);
  ASSERT_EQ(Text(Field()), "alt");
  {
    OwnedKernelHandle locked = Lock(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
    Answering user(path, [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
    Click(IDC_NOTE_DELETE);
    EXPECT_TRUE(user.Finish());
  }
  EXPECT_EQ(list_.count, 1);
  EXPECT_EQ(Contents(path), "alt");
  Click(IDC_NOTE_CLOSE);
  EXPECT_FALSE(PathExists(path));
  EXPECT_EQ(list_.count, 0);
}

// At the limit of notes no new one is begun: the field shows the note it belongs to.
TEST_F(NoteWindowWinTest, AtTheLimitTheFieldShowsTheNoteItBelongsTo) {
  char name[32];
  for (int i = 0; i < 2046; ++i) {
    FormatText(name, sizeof name, "N_2006%04d_0800a.txt", i + 101);
    folder_.Write(name, "alt");
  }
  folder_.Write(name, "letzte");
  Open();  // the empty new note begun at the start goes as the window shows
  EXPECT_EQ(Text(Field()), "letzte");
  Click(IDC_NOTE_CLOSE);
  note_->Show();
  EXPECT_EQ(Text(Field()), "letzte");
  SendMessageA(Field(), EM_SETSEL, 0, 0);
  Type("neu ");
  note_.reset();
  EXPECT_EQ(Contents(folder_.PathOf(name)), "neu letzte");
}

// The note window's once-a-minute save timer.
constexpr UINT_PTR kMinuteSaveTimer = 204;

// A new note folder: until the window is told to read it, a note open in it is saved where it came
// from; then the note typed is in the old folder and the window pages through the new one, beginning
// a new note there, shown or hidden as it was.
TEST_F(NoteWindowWinTest, ARescanSavesTheNoteWhereItCameFromAndShowsTheNewFolder) {
  for (const bool shown : {true, false}) {
    TempFolder old_folder(shown ? "rescan-old-shown" : "rescan-old-hidden");
    TempFolder new_folder(shown ? "rescan-new-shown" : "rescan-new-hidden");
    new_folder.Write("N_20060505_0800a.txt", "erste aus B");
    new_folder.Write("N_20060505_0900a.txt", "zweite aus B");
    settings_.NotePath = old_folder.path();
    HWND window = Open();
    Type("getippt");
    if (!shown) note_->Hide();
    settings_.NotePath = new_folder.path();
    if (shown) {
      // Until the window is told, the folder it read is the one it writes to.
      SendMessageA(window, WM_TIMER, kMinuteSaveTimer, 0);
      EXPECT_EQ(Contents(old_folder.PathOf("N_20070307_1405a.txt")), "getippt");
      Type(" weiter");
    }
    note_->Rescan();

    EXPECT_EQ(Contents(old_folder.PathOf("N_20070307_1405a.txt")), shown ? "getippt weiter" : "getippt") << shown;
    EXPECT_FALSE(PathExists(new_folder.PathOf("N_20070307_1405a.txt"))) << shown;
    EXPECT_EQ(IsWindowVisible(window) != FALSE, shown);
    EXPECT_EQ(list_.count, 3) << shown;  // the new folder's two notes and the new one
    EXPECT_EQ(Text(window), "07.03.2007 14:05 a");
    EXPECT_EQ(Text(Field()), "");
    Click(IDC_NOTE_BACK);
    EXPECT_EQ(Text(Field()), "zweite aus B");
    Click(IDC_NOTE_BACK);
    EXPECT_EQ(Text(Field()), "erste aus B");
    note_.reset();
  }
}

}  // namespace
