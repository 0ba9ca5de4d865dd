// Editing the picture list bilder.dat as a whole, for the Pictures page of the options and for
// quellmoor-cli: all records read at once, a record added for a user's picture file or removed, and
// the list written back through a temporary file. Every byte of a record that is not edited stays
// as it was, carried fields and bytes behind a text's terminator included.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "wallpaper/picture_record.h"

struct PictureList {
  std::vector<PictureRecord> records;
  // The bytes after the last whole record, when the file's size is no multiple of 622 (a damaged
  // list). The wallpaper build never reads them. They are written back behind the records, so that
  // editing a damaged list loses nothing, and callers tell the user about them.
  std::vector<std::uint8_t> damaged_tail;
};

// The whole list, or nothing when the file cannot be read or is too large to be a picture list.
[[nodiscard]] std::optional<PictureList> ReadPictureList(const std::string& list_path);

// Writes the records, then the damaged tail, to a temporary file that is renamed over the list: a
// reader sees the old or the new list, never part of one. False when that fails; the list is then
// unchanged.
[[nodiscard]] bool WritePictureList(const std::string& list_path, const PictureList& list);

// How a user's picture is shown and when it takes part, as given when it is added.
struct PictureFileOptions {
  std::uint16_t fit_mode = 1;  // 0 = fit inside on the background colour, 1 = fill and crop
  std::uint16_t first_month = 1;
  std::uint16_t last_month = 12;
  std::uint16_t first_hour = 0;
  std::uint16_t last_hour = 24;
  std::uint16_t weekday_mask = 127;
};

enum class AddPictureOutcome {
  kAdded,
  kPathTooLong,  // the path does not fit the record's 260-byte name with its terminator
  kNotAFilePath,  // the name would be taken for a built-in picture (four characters, no "." or ":")
};

// Appends a record for the picture file at path (code page 1252): the default record's values, the
// path as picture and second name, the options given, and as record number its place in the list,
// the number the list's regrouping gives a record there. Nothing is appended unless kAdded.
AddPictureOutcome AddPictureFile(PictureList& list, const std::string& path, const PictureFileOptions& options);

// A file AddPictureFiles left out, and why.
struct LeftOutPicture {
  std::string path;
  AddPictureOutcome outcome;
};

// AddPictureFile for each path in turn; the files left out, in the order given.
std::vector<LeftOutPicture> AddPictureFiles(PictureList& list, std::span<const std::string> paths,
                                            const PictureFileOptions& options);

// Removes the record at index when it names a user's picture file; the records behind it move up
// one place and get their new place as record number. False, and nothing changes, for a built-in
// picture (those are only switched off, through their state) or an index outside the list.
bool RemovePictureFile(PictureList& list, std::size_t index);

// The edited list with the records another program (quellmoor-cli) appended to the file since it was
// read: those of the file now past the read_count records read, behind the edited ones, each numbered
// by its new place.
PictureList WithRecordsAddedSince(PictureList edited, const PictureList& file_now, std::size_t read_count);
