// quellmoor-cli pictures FILE: every PictureRecord of a picture list (bilder.dat), one JSON line each
// with all fields by name, read as the program reads them: record i at byte i x 622. A file that
// ends in part of a record is damaged; the program ignores such a part, and so does the listing,
// but it reports the part and ends with exit code 1, so that scripts notice.
//
// pictures FILE --add PATH [...]: appends a record for a picture file as the options' Pictures page
// does, writes the list through a temporary file and prints the new record. A damaged part at the
// end is kept behind the records and reported; the add itself succeeds.
#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <string>
#include <utility>

#include "cli/argument_text.h"
#include "cli/arguments.h"
#include "cli/json_writer.h"
#include "cli/picture_commands.h"
#include "common/file_system.h"
#include "wallpaper/picture_list_edit.h"
#include "wallpaper/picture_record.h"

namespace {

// The file is read in steps of this many records, so that a large file needs no large buffer.
constexpr std::size_t kRecordsPerRead = 256;

// A fixed-size text field up to its first zero byte.
template <std::size_t N>
std::string_view FieldText(const std::array<char, N>& field) {
  return {field.data(), static_cast<std::size_t>(std::find(field.begin(), field.end(), '\0') - field.begin())};
}

JsonObject RecordJson(std::size_t index, const PictureRecord& record) {
  const char tag[3] = {static_cast<char>(record.tag[0]), static_cast<char>(record.tag[1]), '\0'};
  JsonObject json;
  json.AddNumber("index", static_cast<long long>(index))
      .AddText("tag", tag)
      .AddNumber("format_version", record.format_version)
      .AddNumber("record_number", record.record_number)
      .AddNumber("state", record.state)
      .AddNumber("weekday_mask", record.weekday_mask)
      .AddNumber("first_hour", record.first_hour)
      .AddNumber("last_hour", record.last_hour)
      .AddNumber("first_month", record.first_month)
      .AddNumber("last_month", record.last_month)
      .AddNumber("option", record.option)
      .AddNumber("carried_24", record.carried_24)
      .AddNumber("carried_26", record.carried_26)
      .AddNumber("text_height", record.text_height)
      .AddNumber("text_weight", record.text_weight)
      .AddNumber("text_italic", record.text_italic)
      .AddText("text_face", FieldText(record.text_face))
      .AddNumber("fit_mode", record.fit_mode)
      .AddNumber("background", record.background)
      .AddNumber("text_colour", record.text_colour)
      .AddNumber("sharpness", record.sharpness)
      .AddNumber("brightness", record.brightness)
      .AddNumber("contrast", record.contrast)
      .AddNumber("carried_94", record.carried_94)
      .AddNumber("gamma_level", record.gamma_level)
      .AddText("picture_name", FieldText(record.picture_name))
      .AddText("second_name", FieldText(record.second_name));
  return json;
}

struct RangeLimits {
  int first_minimum, first_maximum, last_minimum, last_maximum;
};

// The option "--name A-B": two whole numbers, each within its range; the defaults when not given,
// nothing after a message on err when the value does not fit.
std::optional<std::pair<int, int>> RangeOption(const CommandArguments& arguments, std::string_view name,
                                               std::pair<int, int> defaults, const RangeLimits& limits,
                                               std::ostream& err) {
  std::optional<std::string_view> text = arguments.Option(name);
  if (!text) return defaults;
  const std::size_t dash = text->find('-');
  std::optional<int> first;
  std::optional<int> last;
  if (dash != std::string_view::npos) {
    first = ParseInteger(text->substr(0, dash), limits.first_minimum, limits.first_maximum);
    last = ParseInteger(text->substr(dash + 1), limits.last_minimum, limits.last_maximum);
  }
  if (!first || !last) {
    BadArgumentMessage(err, arguments.command)
        << "bad value " << std::quoted(*text) << " of option " << name << " (expected A-B, A from "
        << limits.first_minimum << " to " << limits.first_maximum << ", B from " << limits.last_minimum << " to "
        << limits.last_maximum << ")\n";
    return std::nullopt;
  }
  return std::pair{*first, *last};
}

// The options of --add; nothing after a message on err naming the bad one.
std::optional<PictureFileOptions> ReadPictureFileOptions(const CommandArguments& arguments, std::ostream& err) {
  const PictureFileOptions defaults;
  std::optional<int> fit = RangedOption(arguments, "--fit", defaults.fit_mode, 0, 1, err);
  if (!fit) return std::nullopt;
  // Hours run from 0 to the last hour 24 of the default records; a range may wrap (22-6).
  std::optional<std::pair<int, int>> months =
      RangeOption(arguments, "--months", {defaults.first_month, defaults.last_month}, {1, 12, 1, 12}, err);
  if (!months) return std::nullopt;
  std::optional<std::pair<int, int>> hours =
      RangeOption(arguments, "--hours", {defaults.first_hour, defaults.last_hour}, {0, 23, 0, 24}, err);
  if (!hours) return std::nullopt;
  std::optional<int> weekdays = RangedOption(arguments, "--weekdays", defaults.weekday_mask, 0, 127, err);
  if (!weekdays) return std::nullopt;
  return PictureFileOptions{.fit_mode = static_cast<std::uint16_t>(*fit),
                            .first_month = static_cast<std::uint16_t>(months->first),
                            .last_month = static_cast<std::uint16_t>(months->second),
                            .first_hour = static_cast<std::uint16_t>(hours->first),
                            .last_hour = static_cast<std::uint16_t>(hours->second),
                            .weekday_mask = static_cast<std::uint16_t>(*weekdays)};
}

void ReportDamagedTail(std::ostream& err, const std::string& path, std::size_t bytes, const char* outcome) {
  err << "quellmoor-cli pictures: picture list " << QuotedText{path} << " is damaged: it ends with " << bytes
      << " bytes that make no whole record of " << kPictureRecordSize << " bytes (" << outcome << ")\n";
}

int ListPictures(const std::string& path, std::ostream& out, std::ostream& err) {
  std::size_t index = 0;
  std::size_t trailing = 0;
  for (;;) {
    std::optional<std::vector<std::uint8_t>> chunk =
        ReadFileRange(path, std::uint64_t{index} * kPictureRecordSize, kRecordsPerRead * kPictureRecordSize);
    if (!chunk) {
      err << "quellmoor-cli pictures: cannot read picture list " << QuotedText{path} << "\n";
      return kExitFailure;
    }
    const std::size_t whole = chunk->size() / kPictureRecordSize;
    for (std::size_t i = 0; i < whole; ++i, ++index) {
      std::span<const std::uint8_t, kPictureRecordSize> bytes(chunk->data() + i * kPictureRecordSize,
                                                              kPictureRecordSize);
      WriteJsonLine(out, RecordJson(index, DecodePictureRecord(bytes)));
    }
    if (whole < kRecordsPerRead) {
      trailing = chunk->size() % kPictureRecordSize;
      break;
    }
  }
  if (trailing != 0) {
    ReportDamagedTail(err, path, trailing, "not listed");
    return kExitFailure;
  }
  return kExitSuccess;
}

int AddPicture(const CommandArguments& arguments, const std::string& path, std::ostream& out, std::ostream& err) {
  std::optional<PictureFileOptions> options = ReadPictureFileOptions(arguments, err);
  if (!options) return kExitBadArguments;
  // The record holds the full path: the program reads it from wherever it runs.
  const std::string picture = AbsolutePathText(*arguments.Option("--add"));
  if (!PathExists(picture) || FolderExists(picture)) {
    err << "quellmoor-cli pictures: no picture file " << QuotedText{picture} << "\n";
    return kExitFailure;
  }
  std::optional<PictureList> list = ReadPictureList(path);
  if (!list) {
    err << "quellmoor-cli pictures: cannot read picture list " << QuotedText{path} << "\n";
    return kExitFailure;
  }
  switch (AddPictureFile(*list, picture, *options)) {
    case AddPictureOutcome::kAdded:
      break;
    case AddPictureOutcome::kPathTooLong:
      BadArgumentMessage(err, arguments.command) << "picture path " << QuotedText{picture} << " is longer than "
                                                 << PictureRecord{}.picture_name.size() - 1 << " characters\n";
      return kExitBadArguments;
    case AddPictureOutcome::kNotAFilePath:
      BadArgumentMessage(err, arguments.command)
          << "picture path " << QuotedText{picture} << " would name a built-in picture\n";
      return kExitBadArguments;
  }
  if (!WritePictureList(path, *list)) {
    err << "quellmoor-cli pictures: cannot write picture list " << QuotedText{path} << "\n";
    return kExitFailure;
  }
  WriteJsonLine(out, RecordJson(list->records.size() - 1, list->records.back()));
  if (!list->damaged_tail.empty()) ReportDamagedTail(err, path, list->damaged_tail.size(), "kept behind the records");
  return kExitSuccess;
}

}  // namespace

int PicturesCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kOptions[] = {"--add", "--fit", "--months", "--hours", "--weekdays"};
  constexpr std::string_view kPositional[] = {"FILE"};
  std::optional<CommandArguments> split = SplitArguments("pictures", arguments, kOptions, kPositional, err);
  if (!split) return kExitBadArguments;
  const std::string path = ArgumentText(split->positional[0]);
  if (!split->Option("--add") && !split->options.empty()) {
    return ReportBadArgument(err, "pictures", std::string(split->options.front().first) + " goes with --add PATH");
  }
  if (FolderExists(path) || !FileSize(path)) {
    err << "quellmoor-cli pictures: cannot open picture list " << QuotedText{path} << "\n";
    return kExitFailure;
  }
  if (split->Option("--add")) return AddPicture(*split, path, out, err);
  return ListPictures(path, out, err);
}
