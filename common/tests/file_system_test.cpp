// File access: whole-file replacement never leaves a partial file, renames refuse to overwrite.
#include "common/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/tests/temp_folder.h"

namespace {

class FileSystemTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return folder_.PathOf(name); }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder_.path()), {}));
  }

  static std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

  TempFolder folder_{"fs"};
};

TEST_F(FileSystemTest, ReplaceWritesWholeFileAndLeavesNoTemporary) {
  std::string path = PathOf("wallpaper.bmp");
  ASSERT_TRUE(WriteWholeFile(path, Bytes("old contents")));
  ASSERT_TRUE(ReplaceFileContents(path, Bytes("new")));
  EXPECT_EQ(ReadWholeFile(path, 100), Bytes("new"));
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(FileSystemTest, ReplaceIntoMissingFolderFailsWithoutSideEffects) {
  EXPECT_FALSE(ReplaceFileContents(PathOf("missing") + kPathSeparator + "x.bmp", Bytes("x")));
  EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(FileSystemTest, ReadRespectsSizeLimitAndRanges) {
  std::string path = PathOf("list.dat");
  ASSERT_TRUE(WriteWholeFile(path, Bytes("0123456789")));
  EXPECT_FALSE(ReadWholeFile(path, 9).has_value());
  EXPECT_EQ(FileSize(path), 10u);
  EXPECT_EQ(ReadFileRange(path, 8, 5), Bytes("89"));
  EXPECT_EQ(ReadFileRange(path, 20, 5), Bytes(""));
  EXPECT_FALSE(ReadFileRange(PathOf("absent"), 0, 5).has_value());
  EXPECT_FALSE(ReadWholeFile(folder_.path(), 100).has_value());
}

TEST_F(FileSystemTest, RenameRefusesToOverwriteAndCopyReplaces) {
  std::string a = PathOf("a"), b = PathOf("b");
  ASSERT_TRUE(WriteWholeFile(a, Bytes("A")));
  ASSERT_TRUE(WriteWholeFile(b, Bytes("B")));
  EXPECT_FALSE(RenamePath(a, b));
  EXPECT_EQ(ReadWholeFile(b, 10), Bytes("B"));
  EXPECT_TRUE(CopyFileReplacing(a, b));
  EXPECT_EQ(ReadWholeFile(b, 10), Bytes("A"));
  EXPECT_TRUE(RemoveFile(b));
  EXPECT_TRUE(RenamePath(a, b));
  EXPECT_FALSE(PathExists(a));
}

TEST_F(FileSystemTest, FoldersAndJoining) {
  std::string sub = PathOf("Varnholt");
  EXPECT_TRUE(MakeFolder(sub));
  EXPECT_TRUE(MakeFolder(sub));
  EXPECT_TRUE(FolderExists(sub));
  EXPECT_FALSE(FileSize(sub).has_value());
  EXPECT_EQ(JoinPath("", "x"), "x");
  EXPECT_EQ(JoinPath("C:\\data\\", "x"), "C:\\data\\x");
  EXPECT_EQ(JoinPath("dir", "x"), std::string("dir") + kPathSeparator + "x");
}

}  // namespace
