// quellmoor-cli notes FOLDER: the notes of a note folder in the order the note window pages through
// them, one JSON line each with the beginning of the text.
#include <string>

#include "cli/argument_text.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "common/file_system.h"
#include "notes/note_list.h"

namespace {

// The characters of the text shown per note.
constexpr std::size_t kShownText = 200;

JsonObject NoteJson(int index, const NoteEntry& entry, const std::string& folder) {
  const std::string name = entry.file_name;
  const std::string path = JoinPath(folder, name);
  const auto text = ReadFileRange(path, 0, kShownText);
  JsonObject json;
  json.AddNumber("index", index)
      .AddText("file", name)
      .AddText("date", name.substr(2, 4) + "-" + name.substr(6, 2) + "-" + name.substr(8, 2))
      .AddText("time", name.substr(11, 2) + ":" + name.substr(13, 2))
      .AddText("letter", name.substr(15, 1))
      .AddNumber("read_only", entry.read_only ? 1 : 0)
      .AddNumber("bytes", static_cast<long long>(FileSize(path).value_or(0)))
      .AddText("text", text ? std::string(text->begin(), text->end()) : std::string());
  return json;
}

}  // namespace

int NotesCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kPositional[] = {"FOLDER"};
  std::optional<CommandArguments> split = SplitArguments("notes", arguments, {}, kPositional, err);
  if (!split) return kExitBadArguments;
  const std::string folder = ArgumentText(split->positional[0]);
  if (PathExists(folder) && !FolderExists(folder)) {
    err << "quellmoor-cli notes: " << QuotedText{folder} << " is a file, not a note folder\n";
    return kExitFailure;
  }
  // A missing folder is an empty list, as the program sees it.
  NoteList list;
  ScanNoteFolder(list, folder);
  for (int index = 0; index < list.count; ++index) {
    WriteJsonLine(out, NoteJson(index, list.entries[static_cast<std::size_t>(index)], folder));
  }
  return kExitSuccess;
}
