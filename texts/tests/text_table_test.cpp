// Text lookup: the language file's value, an empty value, or the default; line breaks; the length
// limit; and the table itself, which the language file is made from.
#include "texts/text_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>

#include "common/tests/temp_folder.h"

namespace {

class TextLookupTest : public ::testing::Test {
 protected:
  TempFolder folder_{"text"};
  TextTable table_;
};

TEST_F(TextLookupTest, WithoutFolderEveryLookupYieldsItsDefault) {
  EXPECT_EQ(table_.LookupText(texts::MAIN_WAIT), " Moment bitte ...");
  EXPECT_EQ(table_.LookupText(texts::TABS_CONFIG), "Allgemein ");
  EXPECT_EQ(table_.LookupText(texts::ALARM_LOESCHEN), "&L\xF6schen");
}

TEST_F(TextLookupTest, LanguageFileValuesEmptyValuesAndDefaults) {
  folder_.Write(kGerman.file_name,
                "[MAIN]\r\n"
                "WAIT=Bitte warten\\nnoch einen Moment\r\n"
                "OK=\r\n"
                "[ALARM]\r\n"
                "SNOOZE=\"Sp\xE4ter \"\r\n");
  table_.UseLanguage(folder_.path(), kGerman);
  EXPECT_EQ(table_.LookupText(texts::MAIN_WAIT), "Bitte warten\r\nnoch einen Moment");
  EXPECT_EQ(table_.LookupText(texts::MAIN_OK), "");
  EXPECT_EQ(table_.LookupText(texts::ALARM_SNOOZE), "Sp\xE4ter ");
  // Keys the file does not have keep their defaults exactly, blanks at either end included.
  EXPECT_EQ(table_.LookupText(texts::MAIN_CANCEL), "Abbrechen");
  EXPECT_EQ(table_.LookupText(texts::TABS_HOTKEYS), "Hotkeys ");
  EXPECT_EQ(
      table_.LookupText(texts::ERR_COLORS),
      "Dieses Programm ben\xF6tigt min. 65535 Farben (High Color) oder 16 Millionen Farben (True Color). ");
}

TEST_F(TextLookupTest, LongValuesAreCutTo3999Characters) {
  folder_.Write(kGerman.file_name, "[ERR]\r\nNOHELPFOUND=" + std::string(4500, 'h') + "\r\n");
  table_.UseLanguage(folder_.path(), kGerman);
  EXPECT_EQ(table_.LookupText(texts::ERR_NOHELPFOUND), std::string(3999, 'h'));
}

TEST_F(TextLookupTest, BackslashNBecomesCarriageReturnLineFeedInDefaultsToo) {
  const TextEntry entry{"TEST", "LINES", "eins\\nzwei\\n\\"};
  EXPECT_EQ(table_.LookupText(entry), "eins\r\nzwei\r\n\\");
}

TEST_F(TextLookupTest, FormatsFromTheFileAreTakenOnlyWithTheDefaultsConversions) {
  folder_.Write(kGerman.file_name,
                "[MAIN]\r\n"
                "TAGIMJAHR=Tag %d des Jahres (100%%)\r\n"
                "KALENDERWOCHE=%s. Woche\r\n"
                "[ALARM]\r\n"
                "SNOOZECONFIG=Snooze %*d\r\n"
                "SNOOZETIME=%d %d\r\n"
                "NEU1=(neu %5d)\r\n");
  table_.UseLanguage(folder_.path(), kGerman);
  EXPECT_EQ(table_.LookupFormat(texts::MAIN_TAGIMJAHR), "Tag %d des Jahres (100%%)");
  EXPECT_EQ(table_.LookupFormat(texts::ALARM_NEU1), "(neu %5d)");
  // A conversion of another type, one that reads its width from the arguments, or one too many
  // would read arguments the caller never passed.
  EXPECT_EQ(table_.LookupFormat(texts::MAIN_KALENDERWOCHE), "%d. Kalenderwoche");
  EXPECT_EQ(table_.LookupFormat(texts::ALARM_SNOOZECONFIG), "Snooze (%d Minuten)");
  EXPECT_EQ(table_.LookupFormat(texts::ALARM_SNOOZETIME), "&Snooze-Zeit (%d Minuten):");
}

// The stored code picks the language file; a missing, unknown or differently written code is German.
TEST_F(TextLookupTest, TheChosenLanguagesFileIsRead) {
  folder_.Write("Quellmoor.lng", "[MAIN]\r\nCANCEL=Abbruch\r\n");
  folder_.Write("Quellmoor-en.lng", "[MAIN]\r\nCANCEL=Cancel\r\n");
  const struct {
    const char* code;
    const char* cancel;
  } cases[] = {{"de", "Abbruch"}, {"en", "Cancel"}, {"", "Abbruch"}, {"fr", "Abbruch"}, {"EN", "Abbruch"}};
  for (const auto& c : cases) {
    table_.UseLanguage(folder_.path(), LanguageOf(c.code));
    EXPECT_EQ(table_.LookupText(texts::MAIN_CANCEL), c.cancel) << c.code;
  }
}

// The language file holds one block per section and one line per text: sections must not repeat
// (the profile functions search only a section's first block), keys must be unique within their
// section, and texts cannot hold control characters.
TEST(TextTableTest, EntriesFitTheLanguageFile) {
  std::set<std::string> finished_sections;
  std::set<std::string> keys;
  std::string section;
  for (const TextEntry& entry : AllTextEntries()) {
    if (entry.section != section) {
      finished_sections.insert(section);
      section = entry.section;
      EXPECT_FALSE(finished_sections.contains(section)) << "section repeats: " << section;
    }
    EXPECT_TRUE(keys.insert(section + "/" + entry.key).second) << section << "/" << entry.key;
    for (const char* p = entry.default_text; *p != '\0'; ++p) {
      EXPECT_GE(static_cast<unsigned char>(*p), 0x20) << section << "/" << entry.key;
    }
  }
  EXPECT_EQ(keys.size(), 166u);
}

}  // namespace
