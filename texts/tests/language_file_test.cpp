// The shipped language file: it is exactly what the text table makes, and every text looked up
// through it is the compiled default.
#include "texts/language_file.h"

#include <gtest/gtest.h>

#include <string>

#include "common/file_system.h"
#include "common/tests/program_folder.h"
#include "texts/text_table.h"

namespace {

// The committed resources/Quellmoor.lng, which the build copies beside the test program.
std::string ShippedLanguageFilePath() { return JoinPath(TestProgramFolder(), kLanguageFileName); }

class LanguageFileTest : public ::testing::Test {
 protected:
  void TearDown() override { SetTextFolder(""); }
};

TEST_F(LanguageFileTest, ShippedFileIsTheGeneratedOne) {
  std::optional<std::vector<std::uint8_t>> shipped = ReadWholeFile(ShippedLanguageFilePath(), 1 << 20);
  ASSERT_TRUE(shipped.has_value()) << ShippedLanguageFilePath();
  EXPECT_EQ(std::string(shipped->begin(), shipped->end()), LanguageFileText())
      << "resources/Quellmoor.lng differs from the text table: build the target regenerate_language_file";
}

TEST_F(LanguageFileTest, EveryTextThroughTheShippedFileIsItsDefault) {
  ASSERT_TRUE(PathExists(ShippedLanguageFilePath()));
  for (const TextEntry& entry : AllTextEntries()) {
    SetTextFolder("");
    std::string compiled = LookupText(entry);
    SetTextFolder(TestProgramFolder());
    EXPECT_EQ(LookupText(entry), compiled) << entry.section << "/" << entry.key;
  }
}

TEST_F(LanguageFileTest, LinesAreQuotedWhereBlanksWouldBeLost) {
  std::string file = LanguageFileText();
  EXPECT_NE(file.find("\r\n[MAIN]\r\nNEWPIC=&Bildwechsel\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\nWAIT=\" Moment bitte ...\"\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\n[TABS]\r\nCONFIG=\"Allgemein \"\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\nLOESCHEN=&L\xF6schen\r\n"), std::string::npos);
  EXPECT_EQ(file.find("\n\n"), std::string::npos);
}

}  // namespace
