// A temporary folder per test for the INI and language files that the text tests write.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/file_system.h"

class ProfileTestFolder {
 public:
  ProfileTestFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("quellmoor-text-" + std::string(test->test_suite_name()) + "-" + test->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  ~ProfileTestFolder() { std::filesystem::remove_all(folder_); }

  std::string Path() const { return folder_.string(); }

  // Writes a file into the folder and returns its path. Each test writes each name once: the
  // platform's profile functions may keep a file they have read until its time stamp changes.
  std::string Write(const std::string& name, const std::string& contents) const {
    std::string path = JoinPath(Path(), name);
    EXPECT_TRUE(WriteWholeFile(
        path, std::span(reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size())));
    return path;
  }

 private:
  std::filesystem::path folder_;
};
