// Editing the picture list as a whole: reading every record with a damaged tail kept aside, adding
// and removing user pictures, and writing the list back through a temporary file.
#include "wallpaper/picture_list_edit.h"

#include <cstring>
#include <span>

#include "common/file_system.h"
#include "wallpaper/picture_list.h"

std::optional<PictureList> ReadPictureList(const std::string& list_path) {
  std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(list_path, kPictureListSizeLimit);
  if (!bytes) return std::nullopt;
  PictureList list;
  const std::size_t whole = bytes->size() / kPictureRecordSize;
  list.records.reserve(whole);
  for (std::size_t i = 0; i < whole; ++i) {
    list.records.push_back(DecodePictureRecord(
        std::span<const std::uint8_t, kPictureRecordSize>(bytes->data() + i * kPictureRecordSize, kPictureRecordSize)));
  }
  list.damaged_tail.assign(bytes->begin() + static_cast<std::ptrdiff_t>(whole * kPictureRecordSize), bytes->end());
  return list;
}

bool WritePictureList(const std::string& list_path, const PictureList& list) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(list.records.size() * kPictureRecordSize + list.damaged_tail.size());
  for (const PictureRecord& record : list.records) {
    auto encoded = EncodePictureRecord(record);
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
  }
  bytes.insert(bytes.end(), list.damaged_tail.begin(), list.damaged_tail.end());
  return ReplaceFileContents(list_path, bytes);
}

AddPictureOutcome AddPictureFile(PictureList& list, const std::string& path, const PictureFileOptions& options) {
  PictureRecord record = DefaultPictureRecord(0);
  if (path.size() >= record.picture_name.size()) return AddPictureOutcome::kPathTooLong;
  if (IsBuiltinPictureName(path)) return AddPictureOutcome::kNotAFilePath;
  record.record_number = static_cast<std::uint32_t>(list.records.size());
  record.fit_mode = options.fit_mode;
  record.first_month = options.first_month;
  record.last_month = options.last_month;
  record.first_hour = options.first_hour;
  record.last_hour = options.last_hour;
  record.weekday_mask = options.weekday_mask;
  record.picture_name.fill('\0');
  std::memcpy(record.picture_name.data(), path.data(), path.size());
  record.second_name = record.picture_name;
  list.records.push_back(record);
  return AddPictureOutcome::kAdded;
}

std::vector<LeftOutPicture> AddPictureFiles(PictureList& list, std::span<const std::string> paths,
                                            const PictureFileOptions& options) {
  std::vector<LeftOutPicture> left_out;
  for (const std::string& path : paths) {
    const AddPictureOutcome outcome = AddPictureFile(list, path, options);
    if (outcome != AddPictureOutcome::kAdded) left_out.push_back({path, outcome});
  }
  return left_out;
}

bool RemovePictureFile(PictureList& list, std::size_t index) {
  if (index >= list.records.size() || IsBuiltinPictureName(list.records[index].PictureName())) return false;
  list.records.erase(list.records.begin() + static_cast<std::ptrdiff_t>(index));
  for (std::size_t i = index; i < list.records.size(); ++i) {
    list.records[i].record_number = static_cast<std::uint32_t>(i);
  }
  return true;
}

PictureList WithRecordsAddedSince(PictureList edited, const PictureList& file_now, std::size_t read_count) {
  for (std::size_t i = read_count; i < file_now.records.size(); ++i) {
    edited.records.push_back(file_now.records[i]);
    edited.records.back().record_number = static_cast<std::uint32_t>(edited.records.size() - 1);
  }
  return edited;
}
