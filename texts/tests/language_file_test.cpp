// The shipped language files: the German one is exactly what the text table makes, and every text
// looked up through it is the compiled default; the English one, kept by hand, has every key, and its
// formats are the ones the program passes arguments for.
#include "texts/language_file.h"

#include <gtest/gtest.h>

#include <string>

#include "common/file_system.h"
#include "common/tests/program_folder.h"
#include "texts/private_profile.h"
#include "texts/text_table.h"

namespace {

// The committed resources/Quellmoor.lng, which the build copies beside the test program.
std::string ShippedLanguageFilePath() { return JoinPath(TestProgramFolder(), kGerman.file_name); }

TEST(LanguageFileTest, ShippedFileIsTheGeneratedOne) {
  std::optional<std::vector<std::uint8_t>> shipped = ReadWholeFile(ShippedLanguageFilePath(), 1 << 20);
  ASSERT_TRUE(shipped.has_value()) << ShippedLanguageFilePath();
  EXPECT_EQ(std::string(shipped->begin(), shipped->end()), LanguageFileText())
      << "resources/Quellmoor.lng differs from the text table: build the target regenerate_language_file";
}

TEST(LanguageFileTest, EveryTextThroughTheShippedFileIsItsDefault) {
  ASSERT_TRUE(PathExists(ShippedLanguageFilePath()));
  const TextTable compiled;
  TextTable shipped;
  shipped.UseLanguage(TestProgramFolder(), kGerman);
  for (const TextEntry& entry : AllTextEntries()) {
    EXPECT_EQ(shipped.LookupText(entry), compiled.LookupText(entry)) << entry.section << "/" << entry.key;
  }
}

// A key missing from the English file would show its German default; a format whose conversions
// differ from the default's would be dropped for the German one by LookupFormat, so the test asks
// LookupFormat itself.
TEST(LanguageFileTest, EnglishFileHasEveryKeyAndTheDefaultsConversions) {
  const std::string english_path = JoinPath(TestProgramFolder(), kEnglish.file_name);
  ASSERT_TRUE(PathExists(english_path)) << english_path;
  TextTable english;
  english.UseLanguage(TestProgramFolder(), kEnglish);
  char value[4000];
  for (const TextEntry& entry : AllTextEntries()) {
    EXPECT_TRUE(ReadProfileValue(english_path, entry.section, entry.key, value, sizeof value))
        << "missing from " << kEnglish.file_name << ": " << entry.section << "/" << entry.key;
    if (std::string(entry.default_text).find('%') == std::string::npos) continue;
    EXPECT_EQ(english.LookupFormat(entry), english.LookupText(entry)) << "conversions differ: " << entry.section << "/" << entry.key;
  }
}

TEST(LanguageFileTest, LinesAreQuotedWhereBlanksWouldBeLost) {
  std::string file = LanguageFileText();
  EXPECT_NE(file.find("\r\n[MAIN]\r\nNEWPIC=&Bildwechsel\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\nWAIT=\" Moment bitte ...\"\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\n[TABS]\r\nCONFIG=\"Allgemein \"\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\nLOESCHEN=&L\xF6schen\r\n"), std::string::npos);
  EXPECT_EQ(file.find("\n\n"), std::string::npos);
}

}  // namespace
