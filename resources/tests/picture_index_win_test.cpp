// The built-in picture index C00X in the program's resources, as the settings load reads it: exactly
// 512 bytes, the number of pictures (16), each picture's size in bytes, and zeros after them.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "common/bounded_text.h"
#include "common/byte_order.h"
#include "resources/program_pictures.h"

namespace {

TEST(PictureIndexWinTest, CountsAndSizesTheBuiltinPictures) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, "C00X", "KALENDER");
  ASSERT_NE(found, nullptr);
  ASSERT_EQ(SizeofResource(module, found), 512u);
  HGLOBAL loaded = LoadResource(module, found);
  ASSERT_NE(loaded, nullptr);
  const auto* index = static_cast<const std::uint8_t*>(LockResource(loaded));
  ASSERT_NE(index, nullptr);

  EXPECT_EQ(ReadU32LE(index), 16u);
  for (int number = 1; number <= 16; ++number) {
    char name[8];
    FormatText(name, sizeof name, "C%02dX", number);
    std::size_t size = ProgramPictures().Find(name).size();
    EXPECT_GT(size, 100000u) << name;
    EXPECT_EQ(ReadU32LE(index + 4 * number), size) << name;
  }
  for (int word = 17; word < 128; ++word) EXPECT_EQ(ReadU32LE(index + 4 * word), 0u) << word;
}

}  // namespace
