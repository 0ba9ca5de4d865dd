// Sticky notes as files: the note list (one entry per note file of the note folder), the scan that
// builds it, the name of a new note, and reading, saving, removing and the read-only mark. The note
// window decides when these run and shows their messages.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calendar/clock.h"

inline constexpr int kMaxNotes = 2048;
// The current index that makes the next load begin a new note.
inline constexpr int kNewNoteIndex = 9999;
// The note window's text field holds this many characters; a longer note file is shown read-only.
inline constexpr std::size_t kNoteTextCapacity = 16384;
inline constexpr std::size_t kNoteFileNameCapacity = 24;

struct NoteEntry {
  bool modified = false;   // changed since it was last read or saved
  bool read_only = false;  // the file's read-only mark: the note is never written
  // Longer than the text field holds (or holding a zero byte, which the field cannot show): shown
  // read-only and never written in this run, so that nothing beyond the field is lost.
  bool held_back = false;
  // Its file could not be read when it was last shown (locked for a moment, say): shown read-only, so
  // that an empty field never replaces the file, and read again the next time it is shown.
  bool unread = false;
  char file_name[kNoteFileNameCapacity] = {};

  bool Writable() const { return !read_only && !held_back && !unread; }
};

struct NoteList {
  std::array<NoteEntry, kMaxNotes> entries{};
  int count = 0;
  int current = kNewNoteIndex;
  bool new_note_unsaved = false;  // the current entry was begun as a new note and has no file yet

  bool HasCurrent() const { return current >= 0 && current < count; }
  NoteEntry& Current() { return entries[static_cast<std::size_t>(current)]; }
  const NoteEntry& Current() const { return entries[static_cast<std::size_t>(current)]; }
};

// Whether a file name has the form of a note: "N_20??????_?????.txt", ignoring case.
bool IsNoteFileName(const std::string& name);

// Fills the list with the note files of the folder (folders skipped, at most kMaxNotes), in the order
// in which they were begun: by their minute, then by their character in the order BeginNewNote gives
// them out, ignoring case. A missing folder gives none.
void ScanNoteFolder(NoteList& list, const std::string& folder);

// The date, time and distinguishing character of a new note.
struct NewNote {
  LocalTime begun;
  char letter;
};

// Appends and selects an entry for a new note, named after now with the first of 'a' ... 'z',
// '0' ... '9' that no file and no listed note has yet (the file is made by the first save). Nothing
// when every character is taken for this minute, or the list is full.
std::optional<NewNote> BeginNewNote(NoteList& list, const std::string& folder, const LocalTime& now);

// The current note's text, or nothing when its file cannot be read (the note is then unread, see
// NoteEntry). A file longer than the text
// field holds is held back (see NoteEntry) and its beginning shown.
std::optional<std::string> ReadNote(NoteList& list, const std::string& folder);

enum class NoteSaved {
  kNothing,  // no current note, unchanged, or not writable
  kWritten,
  kFailed,   // the file could not be written; the note stays modified, so a later save tries again
  kRemoved,  // the text was empty: the file and the entry are gone
  kNotRemoved,  // the text was empty but the file could not be deleted: the entry stays, still modified
};

// Saves the current note: through a temporary file renamed into place, or by removing the note when
// its text is empty.
NoteSaved SaveNote(NoteList& list, const std::string& folder, const std::string& text);

// The file in the data folder that takes the text of notes that could not be saved when the program
// or the Windows session ended.
inline constexpr const char* kUnsavedNotesFileName = "Ungespeicherte Notizen.txt";

// Appends a note's text, under a line naming the note file it belongs to, to the unsaved-notes file
// (rewritten through a temporary file). False when it could not be written.
bool KeepUnsavedNote(const std::string& unsaved_notes_path, const std::string& note_path, const std::string& text);

// Flips the read-only mark of the current note and of its file. False when there is no file yet (or
// the note is held back or unread), and nothing changes.
bool ToggleNoteReadOnly(NoteList& list, const std::string& folder);

// The full path of the current note.
std::string CurrentNotePath(const NoteList& list, const std::string& folder);
