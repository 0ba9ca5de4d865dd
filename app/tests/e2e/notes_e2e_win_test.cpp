// The note window in the running program: "&Notiz" shows it with a new note, and a user's "EXIT"
// right after typing still saves the text, with the program gone within a second of it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/tests/e2e/program_process_win.h"
#include "common/file_system.h"
#include "resources/resource_ids.h"

namespace {

// The shown note window: a dialog with the note's text field.
HWND WaitForNoteWindow(DWORD timeout_ms) {
  for (DWORD waited = 0; waited < timeout_ms; waited += 100) {
    for (HWND dialog = FindWindowExA(nullptr, nullptr, "#32770", nullptr); dialog != nullptr;
         dialog = FindWindowExA(nullptr, dialog, "#32770", nullptr)) {
      if (IsWindowVisible(dialog) && GetDlgItem(dialog, IDC_NOTE_TEXT) != nullptr) return dialog;
    }
    Sleep(100);
  }
  return nullptr;
}

TEST(NotesEndToEndTest, TextTypedJustBeforeAnExitIsSaved) {
  ForgetProgramSettings();
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "quellmoor-e2e-notes";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directory(folder);
  const std::string path = folder.string();
  StoreProgramText("NotePath", path);

  ProgramProcess program("");
  HWND window = WaitForMainWindow(20000);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForFirstTick(window, 40000));
  PostMessageA(window, WM_COMMAND, IDC_MAIN_NOTE, 0);
  HWND note = WaitForNoteWindow(10000);
  ASSERT_NE(note, nullptr);
  for (char c : std::string("Milch kaufen")) SendMessageA(GetDlgItem(note, IDC_NOTE_TEXT), WM_CHAR, c, 0);
  ExpectEndedBySecondStart("EXIT", program);

  const auto files = ListFolder(path);
  ASSERT_TRUE(files);
  ASSERT_EQ(files->size(), 1u);
  const auto text = ReadWholeFile(JoinPath(path, files->front().name), 1000);
  ASSERT_TRUE(text);
  EXPECT_EQ(std::string(text->begin(), text->end()), "Milch kaufen");
  std::filesystem::remove_all(folder);
}

}  // namespace
