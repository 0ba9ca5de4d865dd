// A fresh temporary folder per test, removed afterwards, for the tests that write picture lists and
// wallpaper files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/file_system.h"

class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = prefix + "-" + info->test_suite_name() + "-" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string path() const { return path_.string(); }
  std::string PathOf(const std::string& name) const { return JoinPath(path(), name); }

 private:
  std::filesystem::path path_;
};
