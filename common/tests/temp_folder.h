// A fresh temporary folder per test, named after the test and removed afterwards: every test that
// writes files (picture lists, wallpapers, language files, settings folders) works in one of these.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <span>
#include <string>

#include "common/file_system.h"

class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "quellmoor-" + prefix;
    if (info != nullptr) name += std::string("-") + info->test_suite_name() + "-" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string path() const { return path_.string(); }
  std::string PathOf(const std::string& name) const { return JoinPath(path(), name); }

  // Writes a file into the folder and returns its path. Each test writes each name once: the
  // platform's profile functions may keep a file they have read until its time stamp changes.
  std::string Write(const std::string& name, const std::string& contents) const {
    std::string file = PathOf(name);
    EXPECT_TRUE(WriteWholeFile(
        file, std::span(reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size())));
    return file;
  }

 private:
  std::filesystem::path path_;
};
