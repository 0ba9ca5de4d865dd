// quellmoor-cli pictures FILE: every PictureRecord of a picture list (bilder.dat), one JSON line each
// with all fields by name, read as the program reads them: record i at byte i x 622. A file that
// ends in part of a record is damaged; the program ignores such a part, and so does the listing,
// but it reports the part and ends with exit code 1, so that scripts notice.
#include <algorithm>
#include <cstdint>
#include <string>

#include "cli/argument_text.h"
#include "cli/arguments.h"
#include "cli/json_writer.h"
#include "cli/picture_commands.h"
#include "common/file_system.h"
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

}  // namespace

int PicturesCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kPositional[] = {"FILE"};
  std::optional<CommandArguments> split = SplitArguments("pictures", arguments, {}, kPositional, err);
  if (!split) return kExitBadArguments;
  const std::string path = ArgumentText(split->positional[0]);
  if (FolderExists(path) || !FileSize(path)) {
    err << "quellmoor-cli pictures: cannot open picture list " << QuotedText{path} << "\n";
    return kExitFailure;
  }

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
    err << "quellmoor-cli pictures: picture list " << QuotedText{path} << " is damaged: it ends with " << trailing
        << " bytes that make no whole record of " << kPictureRecordSize << " bytes (not listed)\n";
    return kExitFailure;
  }
  return kExitSuccess;
}
