// The note list and the note files.
#include "notes/note_list.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "common/bounded_text.h"
#include "common/cp1252.h"
#include "common/file_system.h"

namespace {

constexpr std::string_view kNoteLetters = "abcdefghijklmnopqrstuvwxyz0123456789";

std::string PathOf(const std::string& folder, const NoteEntry& entry) { return JoinPath(folder, entry.file_name); }

// The place of a note's distinguishing character in the order they are given out.
std::size_t LetterRank(char letter) {
  return kNoteLetters.find(static_cast<char>(Cp1252LowerCase(static_cast<unsigned char>(letter))));
}

// Notes sort by the minute they were begun, then by the order their characters are given out ('a' ...
// 'z', then '0' ... '9'), so that a rescan keeps the order in which they were made.
bool BegunBefore(const NoteEntry& a, const NoteEntry& b) {
  constexpr std::size_t kLetter = 15;  // "N_YYYYMMDD_hhmm" comes before it
  const int minute =
      CompareIgnoringCase(std::string_view(a.file_name, kLetter), std::string_view(b.file_name, kLetter));
  if (minute != 0) return minute < 0;
  return LetterRank(a.file_name[kLetter]) < LetterRank(b.file_name[kLetter]);
}

bool Listed(const NoteList& list, const char* name) {
  return std::any_of(list.entries.begin(), list.entries.begin() + list.count,
                     [name](const NoteEntry& entry) { return EqualIgnoringCase(entry.file_name, name); });
}

void RemoveCurrent(NoteList& list) {
  auto first = list.entries.begin() + list.current;
  std::move(first + 1, list.entries.begin() + list.count, first);
  list.entries[static_cast<std::size_t>(--list.count)] = NoteEntry{};
  if (list.current >= list.count - 1) list.current = list.count - 1;
}

}  // namespace

bool IsNoteFileName(const std::string& name) {
  constexpr std::string_view kPattern = "n_20??????_?????.txt";
  if (name.size() != kPattern.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (kPattern[i] != '?' && Cp1252LowerCase(static_cast<unsigned char>(name[i])) != kPattern[i]) return false;
  }
  return true;
}

void ScanNoteFolder(NoteList& list, const std::string& folder) {
  list.entries.fill(NoteEntry{});
  list.count = 0;
  const auto found = ListFolder(folder);
  if (!found) return;
  for (const FolderEntry& file : *found) {
    if (list.count == kMaxNotes) break;
    if (file.is_folder || !IsNoteFileName(file.name)) continue;
    NoteEntry& entry = list.entries[static_cast<std::size_t>(list.count++)];
    CopyText(entry.file_name, file.name);
    entry.read_only = file.read_only;
  }
  std::stable_sort(list.entries.begin(), list.entries.begin() + list.count, BegunBefore);
}

std::optional<NewNote> BeginNewNote(NoteList& list, const std::string& folder, const LocalTime& now) {
  if (list.count >= kMaxNotes) return std::nullopt;
  for (char letter : kNoteLetters) {
    char name[kNoteFileNameCapacity];
    FormatText(name, sizeof name, "N_%04d%02d%02d_%02d%02d%c.txt", now.year, now.month, now.day, now.hour,
               now.minute, letter);
    // A note begun but not yet saved has no file, yet its name is taken.
    if (PathExists(JoinPath(folder, name)) || Listed(list, name)) continue;
    list.current = list.count++;
    list.new_note_unsaved = true;
    NoteEntry& entry = list.Current();
    entry = NoteEntry{};
    CopyText(entry.file_name, name);
    entry.modified = true;
    return NewNote{now, letter};
  }
  return std::nullopt;
}

std::optional<std::string> ReadNote(NoteList& list, const std::string& folder) {
  if (!list.HasCurrent()) return std::nullopt;
  NoteEntry& entry = list.Current();
  const auto bytes = ReadFileRange(PathOf(folder, entry), 0, kNoteTextCapacity + 1);
  entry.unread = !bytes;
  if (!bytes) return std::nullopt;
  const std::size_t shown = std::min(bytes->size(), kNoteTextCapacity);
  const auto zero = std::find(bytes->begin(), bytes->begin() + static_cast<std::ptrdiff_t>(shown), 0);
  entry.held_back = bytes->size() > kNoteTextCapacity || zero != bytes->begin() + static_cast<std::ptrdiff_t>(shown);
  entry.modified = false;
  return std::string(bytes->begin(), zero);
}

NoteSaved SaveNote(NoteList& list, const std::string& folder, const std::string& text) {
  if (!list.HasCurrent()) return NoteSaved::kNothing;
  NoteEntry& entry = list.Current();
  if (!entry.Writable() || !entry.modified) return NoteSaved::kNothing;
  const std::string path = PathOf(folder, entry);
  if (text.empty()) {
    // A note not yet saved has no file to delete.
    if (!RemoveFile(path) && PathExists(path)) return NoteSaved::kNotRemoved;
    RemoveCurrent(list);
    return NoteSaved::kRemoved;
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  if (!ReplaceFileContents(path, std::span(bytes, text.size()))) return NoteSaved::kFailed;
  entry.modified = false;
  return NoteSaved::kWritten;
}

bool KeepUnsavedNote(const std::string& unsaved_notes_path, const std::string& note_path, const std::string& text) {
  // Notes kept earlier stay; a file too large to be read whole is not overwritten.
  constexpr std::size_t kKeptLimit = 64u << 20;
  std::vector<std::uint8_t> kept;
  if (PathExists(unsaved_notes_path)) {
    auto earlier = ReadWholeFile(unsaved_notes_path, kKeptLimit);
    if (!earlier) return false;
    kept = std::move(*earlier);
  }
  const std::string block = "----- " + note_path + "\r\n" + text + "\r\n";
  kept.insert(kept.end(), block.begin(), block.end());
  return ReplaceFileContents(unsaved_notes_path, kept);
}

bool ToggleNoteReadOnly(NoteList& list, const std::string& folder) {
  if (!list.HasCurrent() || list.Current().held_back || list.Current().unread) return false;
  NoteEntry& entry = list.Current();
  const std::string path = PathOf(folder, entry);
  if (!IsReadOnly(path)) return false;
  if (!SetReadOnly(path, !entry.read_only)) return false;
  entry.read_only = !entry.read_only;
  return true;
}

std::string CurrentNotePath(const NoteList& list, const std::string& folder) {
  return list.HasCurrent() ? PathOf(folder, list.Current()) : std::string();
}
