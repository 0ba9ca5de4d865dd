// Reading a picture file whole and handing it to the general reader.
#include "cli/picture_file.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "common/file_system.h"

namespace {

// Far beyond any photograph a wallpaper is made from; the wallpaper build reads no larger file.
constexpr std::size_t kLargestPictureFile = std::size_t{512} << 20;

PictureReadResult Failure(std::string reason) {
  PictureReadResult result;
  result.error = std::move(reason);
  return result;
}

}  // namespace

PictureReadResult ReadPictureFile(const std::string& path, const ReadHint& hint) {
  std::optional<std::uint64_t> size = FileSize(path);
  if (!size || FolderExists(path)) return Failure("there is no such file");
  if (*size > kLargestPictureFile) return Failure("the file is larger than 512 MB");
  std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path, kLargestPictureFile);
  if (!bytes) return Failure("the file cannot be read");
  return ReadPicture(*bytes, hint);
}
