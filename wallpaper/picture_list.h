// The picture list file bilder.dat in the data folder: a plain sequence of PictureRecords, built-in
// pictures first. Created from the template bilder.def or the built-in pictures, converted from the
// older 596-byte format and regrouped while the settings load; counted and read by the wallpaper
// build. The file is opened anew for every operation and never held open.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "settings/settings.h"
#include "wallpaper/picture_record.h"

// A list larger than this (about 100000 pictures) is not a picture list; it is left alone.
inline constexpr std::size_t kPictureListSizeLimit = 64u << 20;

// data folder + "bilder.dat".
std::string PictureListPath(const Settings& settings);

// Makes sure that the picture list exists and has the current format.
void EnsurePictureList(Settings& settings, SettingsStore& store);

// Default records 1 ... BuiltinPictureCount; true when the last record was written completely.
[[nodiscard]] bool CreateDefaultPictureList(const Settings& settings);
void ConvertPictureListV3(Settings& settings, SettingsStore& store);
void RegroupPictureList(Settings& settings, SettingsStore& store);

// The number of records (file size / 622), or nothing when the file cannot be opened.
[[nodiscard]] std::optional<int> PictureCount(const std::string& list_path);

// Record index into record. False when the file cannot be opened or positioned; reading past the
// end reads nothing, leaves record as it was and reports success.
[[nodiscard]] bool ReadPictureRecord(const std::string& list_path, int index, PictureRecord& record);
