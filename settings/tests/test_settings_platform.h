// A settings platform for tests: a store in memory, a temporary application data folder, a fixed
// program path, a profile "intl" section and an optional built-in picture index.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/file_system.h"
#include "common/tests/temp_folder.h"
#include "settings/settings.h"

class TestSettingsPlatform : public SettingsPlatform {
 public:
  TestSettingsPlatform() : application_data_("settings") { application_data_folder = application_data_.path(); }

  SettingsStore& Store() override { return store; }
  std::optional<std::vector<std::uint8_t>> BuiltinPictureIndexResource() override { return index_resource; }
  std::string ApplicationDataFolder() override { return application_data_folder; }
  std::string ProgramFilePath() override { return program_file_path; }
  int ProfileInt(const std::string& section, const std::string& key, int fallback) override {
    auto found = profile_ints.find(section + "/" + key);
    return found == profile_ints.end() ? fallback : found->second;
  }
  // As the profile functions do: the stored or the fallback text, cut to capacity - 1 characters.
  std::string ProfileString(const std::string& section, const std::string& key, const std::string& fallback,
                            std::size_t capacity) override {
    auto found = profile_strings.find(section + "/" + key);
    std::string text = found == profile_strings.end() ? fallback : found->second;
    return text.substr(0, capacity - 1);
  }

  MemorySettingsStore store;
  std::optional<std::vector<std::uint8_t>> index_resource;
  std::string application_data_folder;
  std::string program_file_path = JoinPath(JoinPath("Programme", "Quellmoor"), "Quellmoor.exe");
  std::map<std::string, int> profile_ints;             // "intl/iDate"
  std::map<std::string, std::string> profile_strings;  // "intl/sDate"

 private:
  TempFolder application_data_;
};
