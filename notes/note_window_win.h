// The note window: dialog 120, a row of icons above one note's text. It shows one note of the note
// list at a time; the user writes, pages back and forth, begins and deletes notes and makes them
// read-only. A hidden host window shows and hides it; every showing begins a new note. The note is
// saved when the user moves to another one, when the window hides, once a minute while it is
// modified, and when the program ends or the user logs off.
#pragma once

#include <windows.h>

#include "calendar/clock.h"
#include "notes/note_list.h"
#include "settings/settings.h"

// What the note host receives (from the main window, and from the note window's Close).
inline constexpr unsigned MSG_NOTE_HIDE = 0x8000 + 0x4B2;
inline constexpr unsigned MSG_NOTE_SHOW = 0x8000 + 0x4B3;
// The note folder has changed (the options applied a new NotePath): the note window reads it.
inline constexpr unsigned MSG_NOTE_RESCAN = 0x8000 + 0x4B4;
static_assert(MSG_NOTE_SHOW == 33971);

// The program's clock, settings (NotePath, NoteTop, the window's rectangle, the regional date
// format, the note font) and note list; they outlive the window.
struct NoteWindowContext {
  const Clock* clock;
  Settings* settings;
  SettingsStore* store;
  NoteList* list;
};

// Creates the note window hidden, with the notes of the note folder; its Close asks host to hide it.
// The window keeps to the folder it read until it is told to read another (RescanNoteDialog), so that
// a note open while NotePath changes is saved where it came from. Nothing when the window cannot be
// made.
HWND CreateNoteDialog(HWND host, NoteWindowContext& context);

// The host's two requests: show the window (in front, above all windows when NoteTop is 1) with a
// new note, or save the note and hide the window.
void ShowNoteDialog(HWND note_window);
void HideNoteDialog(HWND note_window);

// The host's MSG_NOTE_RESCAN: the current note is saved into the folder it came from, the note list
// is built from NotePath, and the window begins a new note there (shown or not, as it was). While the
// note cannot be saved the window stays on its folder, so that the note's text is kept.
void RescanNoteDialog(HWND note_window);
