// The note window: dialog 120, a row of icons above one note's text. It shows one note of the note
// list at a time; the user writes, pages back and forth, begins and deletes notes and makes them
// read-only. The program makes it hidden at its start and shows and hides it; every showing begins a
// new note. The note is saved when the user moves to another one, when the window hides, once a
// minute while it is modified, and when the program ends or the user logs off.
#pragma once

#include <windows.h>

#include <memory>

#include "calendar/clock.h"
#include "common/dialog_window_win.h"
#include "notes/note_list.h"
#include "settings/settings.h"
#include "texts/help_win.h"
#include "texts/text_table.h"

// The program's clock, settings (NotePath, NoteTop, the window's rectangle, the regional date
// format, the note font), note list, texts and help; they outlive the window.
struct NoteWindowContext {
  const Clock* clock;
  Settings* settings;
  SettingsStore* store;
  NoteList* list;
  const TextTable* text_table;
  const HtmlHelp* help;
};

class NoteWindow final : public DialogWindow {
 public:
  // Makes the window hidden, with the notes of the note folder. The window keeps to the folder it read
  // until it is told to read another (Rescan), so that a note open while NotePath changes is saved
  // where it came from. Without a window (it could not be made) every request does nothing.
  explicit NoteWindow(NoteWindowContext& context);
  // The note is saved as the window goes.
  ~NoteWindow() override;

  // Shows the window (in front, above all windows when NoteTop is 1) with a new note, or with the
  // note that could not be saved, which stays until a save succeeds.
  void Show();
  // Saves the note and hides the window.
  void Hide();
  // Whether the user has the window open.
  bool shown() const;
  // The current note is saved into the folder it came from, the note list is built from NotePath, and
  // the window begins a new note there (shown or not, as it was). While the note cannot be saved the
  // window stays on its folder, so that the note's text is kept.
  void Rescan();

 private:
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

  std::unique_ptr<struct NoteWindowState> state_;
};
