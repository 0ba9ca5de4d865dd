// The picture list file bilder.dat: creating it from the template or the built-in pictures,
// converting the older 596-byte format, regrouping it with the built-in pictures first, and counting
// and reading its records for the wallpaper build.
//
// Every step that rewrites the list first writes the complete new list as bilder.convert and only
// then renames: the old list becomes the backup (bilder.V3, bilder.bak) and bilder.convert becomes
// bilder.dat. A failure on the way leaves bilder.dat as it was.
#include "wallpaper/picture_list.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "common/bounded_text.h"
#include "common/byte_order.h"
#include "common/file_system.h"

namespace {

constexpr char kListName[] = "bilder.dat";
constexpr char kTemplateName[] = "bilder.def";
constexpr char kConvertName[] = "bilder.convert";
constexpr char kVersion3BackupName[] = "bilder.V3";
constexpr char kRegroupBackupName[] = "bilder.bak";

std::string BesideList(const Settings& settings, const char* name) {
  return JoinPath(settings.data_folder, name);
}

void AppendRecord(std::vector<std::uint8_t>& out, const PictureRecord& record) {
  auto bytes = EncodePictureRecord(record);
  out.insert(out.end(), bytes.begin(), bytes.end());
}

enum class OldBackup { kKeep, kDiscard };

// Writes the new list as bilder.convert and puts it in place of bilder.dat, which becomes the backup.
// An existing backup of that name is discarded or, when it is to be kept, makes the step give up
// (the rename would fail). When the second rename fails, the old list is renamed back, so bilder.dat
// is never missing.
bool ReplaceListKeepingBackup(const Settings& settings, const std::vector<std::uint8_t>& new_list,
                              const char* backup_name, OldBackup old_backup) {
  std::string list = PictureListPath(settings);
  std::string converted = BesideList(settings, kConvertName);
  std::string backup = BesideList(settings, backup_name);
  if (!ReplaceFileContents(converted, new_list)) return false;
  if (old_backup == OldBackup::kDiscard) RemoveFile(backup);
  if (!RenamePath(list, backup)) {
    RemoveFile(converted);
    return false;
  }
  if (!RenamePath(converted, list)) {
    // Should the old list not go back either, it is still there under the backup's name.
    static_cast<void>(RenamePath(backup, list));
    RemoveFile(converted);
    return false;
  }
  return true;
}

// The version-3 record (596 bytes) in the version-4 layout, with the given record number.
PictureRecord ConvertVersion3Record(const std::uint8_t* old, std::uint32_t record_number) {
  PictureRecord record;
  record.record_number = record_number;
  record.state = ReadU16LE(old + 4);
  record.weekday_mask = ReadU16LE(old + 6);
  record.first_hour = ReadU16LE(old + 8);
  record.last_hour = ReadU16LE(old + 10);
  record.first_month = ReadU16LE(old + 12);
  record.last_month = ReadU16LE(old + 14);
  record.option = ReadU16LE(old + 16);
  record.carried_24 = ReadU16LE(old + 18);
  record.carried_26 = ReadU16LE(old + 20);
  record.text_height = ReadI32LE(old + 22);
  record.text_weight = ReadI32LE(old + 26);
  record.text_italic = ReadI32LE(old + 30);
  const char* face = reinterpret_cast<const char*>(old + 34);
  CopyText(record.text_face.data(), record.text_face.size(), std::string_view(face, strnlen(face, 32)));
  record.fit_mode = ReadU16LE(old + 66);
  record.background = ReadU32LE(old + 68);
  record.text_colour = ReadU32LE(old + 72);
  record.sharpness = 0;
  record.brightness = 0;
  record.contrast = 0;
  record.carried_94 = 0;
  record.gamma_level = 5;
  std::memcpy(record.picture_name.data(), old + 76, record.picture_name.size());
  std::memcpy(record.second_name.data(), old + 336, record.second_name.size());
  return record;
}

}  // namespace

std::string PictureListPath(const Settings& settings) { return BesideList(settings, kListName); }

void EnsurePictureList(Settings& settings, SettingsStore& store) {
  // Without a data folder there is no place for the list; the build then renders OldPic again.
  if (settings.data_folder.empty() || !MakeFolder(settings.data_folder)) return;
  std::string list = PictureListPath(settings);
  if (!PathExists(list)) {
    bool created = false;
    std::string template_path = JoinPath(settings.picture_default_folder, kTemplateName);
    if (!settings.picture_default_folder.empty() && PathExists(template_path)) {
      auto bytes = ReadWholeFile(template_path, kPictureListSizeLimit);
      created = bytes && ReplaceFileContents(list, *bytes);
    } else {
      created = CreateDefaultPictureList(settings);
    }
    if (created) WriteVersionMark(settings, store);
  } else if (settings.dbver <= 3) {
    ConvertPictureListV3(settings, store);
  } else if (PictureListVersionIsOld(settings.Version)) {
    RegroupPictureList(settings, store);
  }
}

bool CreateDefaultPictureList(const Settings& settings) {
  std::vector<std::uint8_t> list;
  for (int n = 1; n <= settings.BuiltinPictureCount; ++n) AppendRecord(list, DefaultPictureRecord(n));
  return ReplaceFileContents(PictureListPath(settings), list);
}

void ConvertPictureListV3(Settings& settings, SettingsStore& store) {
  std::string list = PictureListPath(settings);
  if (settings.dbver >= kPictureListFormat || !PathExists(list)) return;
  RemoveFile(BesideList(settings, kConvertName));

  auto old = ReadWholeFile(list, kPictureListSizeLimit);
  if (!old || old->empty()) return;
  // A list that already starts with a version-4 record is current.
  if (old->size() >= 6 && (*old)[0] == 'M' && ReadU32LE(old->data() + 2) >= kPictureListFormat) return;

  std::size_t complete = old->size() / kPictureRecordSizeV3;
  if (complete == 0) return;
  std::vector<std::uint8_t> converted;
  for (std::size_t i = 0; i < complete; ++i) {
    AppendRecord(converted, ConvertVersion3Record(old->data() + i * kPictureRecordSizeV3,
                                                  static_cast<std::uint32_t>(i)));
  }
  if (ReplaceListKeepingBackup(settings, converted, kVersion3BackupName, OldBackup::kKeep)) {
    WriteVersionMark(settings, store);
  }
}

void RegroupPictureList(Settings& settings, SettingsStore& store) {
  std::string list = PictureListPath(settings);
  if (!PathExists(list)) return;
  RemoveFile(BesideList(settings, kConvertName));
  auto old = ReadWholeFile(list, kPictureListSizeLimit);
  if (!old) return;

  const int builtin_count = settings.BuiltinPictureCount;
  std::vector<std::uint8_t> regrouped;
  std::size_t read_offset = 0;
  std::uint32_t record_number = 0;
  int slot = 0;
  while (read_offset + kPictureRecordSize <= old->size()) {
    PictureRecord record = DecodePictureRecord(
        std::span<const std::uint8_t, kPictureRecordSize>(old->data() + read_offset, kPictureRecordSize));
    record.tag[0] = 'M';
    record.tag[1] = 0;
    record.format_version = kPictureListFormat;
    record.record_number = record_number;
    ++slot;
    std::string name = record.PictureName();
    if (slot - 1 < builtin_count && !IsBuiltinPictureName(name)) {
      // A user's picture sits where a built-in picture belongs: the built-in picture takes the slot
      // and the same user record is read again for the next one.
      record = DefaultPictureRecord(slot);
      name = record.PictureName();
    } else {
      read_offset += kPictureRecordSize;
      ++record_number;
    }
    // Built-in records beyond the built-in pictures are surplus.
    if (slot > builtin_count && IsBuiltinPictureName(name)) continue;
    AppendRecord(regrouped, record);
  }
  for (int n = slot + 1; n <= builtin_count; ++n) AppendRecord(regrouped, DefaultPictureRecord(n));

  if (ReplaceListKeepingBackup(settings, regrouped, kRegroupBackupName, OldBackup::kDiscard)) {
    WriteVersionMark(settings, store);
  }
}

std::optional<int> PictureCount(const std::string& list_path) {
  auto size = FileSize(list_path);
  if (!size) return std::nullopt;
  return static_cast<int>(std::min<std::uint64_t>(*size / kPictureRecordSize, INT_MAX));
}

bool ReadPictureRecord(const std::string& list_path, int index, PictureRecord& record) {
  if (index < 0) return false;
  auto bytes =
      ReadFileRange(list_path, static_cast<std::uint64_t>(index) * kPictureRecordSize, kPictureRecordSize);
  if (!bytes) return false;
  if (bytes->empty()) return true;
  // A record cut short by the end of the file is not a record.
  if (bytes->size() != kPictureRecordSize) return false;
  record = DecodePictureRecord(
      std::span<const std::uint8_t, kPictureRecordSize>(bytes->data(), kPictureRecordSize));
  return true;
}
