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
  const auto by_name = [](const NoteEntry& a, const NoteEntry& b) {
    return CompareIgnoringCase(a.file_name, b.file_name) < 0;
  };
  std::stable_sort(list.entries.begin(), list.entries.begin() + list.count, by_name);
}

std::optional<NewNote> BeginNewNote(NoteList& list, const std::string& folder, const LocalTime& now) {
  if (list.count >= kMaxNotes) return std::nullopt;
  for (char letter : kNoteLetters) {
    char name[kNoteFileNameCapacity];
    FormatText(name, sizeof name, "N_%04d%02d%02d_%02d%02d%c.txt", now.year, now.month, now.day, now.hour,
               now.minute, letter);
    if (PathExists(JoinPath(folder, name))) continue;
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
    RemoveFile(path);
    RemoveCurrent(list);
    return NoteSaved::kRemoved;
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  if (!ReplaceFileContents(path, std::span(bytes, text.size()))) return NoteSaved::kFailed;
  entry.modified = false;
  return NoteSaved::kWritten;
}

bool ToggleNoteReadOnly(NoteList& list, const std::string& folder) {
  if (!list.HasCurrent() || list.Current().held_back) return false;
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
