// quellmoor-cli decode PICTURE --out FILE.bmp: a picture file read by the codec layer's general
// reader at full size, written as an uncompressed 24-bit BMP; shows what the program sees of a file.
#include <string>

#include "cli/argument_text.h"
#include "cli/arguments.h"
#include "cli/json_writer.h"
#include "cli/picture_commands.h"
#include "cli/picture_file.h"
#include "common/file_system.h"
#include "imaging/bmp_writer.h"

int DecodeCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kOptions[] = {"--out"};
  constexpr std::string_view kPositional[] = {"PICTURE"};
  std::optional<CommandArguments> split = SplitArguments("decode", arguments, kOptions, kPositional, err);
  if (!split) return kExitBadArguments;
  std::optional<std::string_view> out_option = split->Option("--out");
  if (!out_option || out_option->empty()) return ReportBadArgument(err, "decode", "missing option --out FILE.bmp");
  const std::string path = ArgumentText(split->positional[0]);
  const std::string out_path = ArgumentText(*out_option);

  PictureReadResult read = ReadPictureFile(path);
  if (!read.ok()) {
    err << "quellmoor-cli decode: cannot read picture " << QuotedText{path} << ": " << read.error << "\n";
    return kExitFailure;
  }
  std::vector<std::uint8_t> bmp = EncodeBmp24(read.image);
  if (bmp.empty() || !ReplaceFileContents(out_path, bmp)) {
    err << "quellmoor-cli decode: cannot write " << QuotedText{out_path} << "\n";
    return kExitFailure;
  }
  JsonObject json;
  json.AddNumber("width", read.image.width)
      .AddNumber("height", read.image.height)
      .AddText("format", PictureFormatName(read.format));
  WriteJsonLine(out, json);
  return kExitSuccess;
}
