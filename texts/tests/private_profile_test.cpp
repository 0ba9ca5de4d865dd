// Reading INI values as the platform's profile functions do. The same cases run natively against
// the reader of this program and, cross-built under Wine, against the profile functions themselves.
#include "texts/private_profile.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/tests/temp_folder.h"

namespace {

class PrivateProfileTest : public ::testing::Test {
 protected:
  std::optional<std::string> Read(const std::string& path, const char* section, const char* key,
                                  std::size_t capacity = 4000) {
    std::string buffer(capacity, '#');
    if (!ReadProfileValue(path, section, key, buffer.data(), capacity)) return std::nullopt;
    return std::string(buffer.c_str());
  }

  TempFolder folder_{"text"};
};

TEST_F(PrivateProfileTest, ValuesAsTheProfileFunctionsHandThemOut) {
  std::string path = folder_.Write("values.ini",
                                   "[MAIN]\r\n"
                                   "Wait=  Moment bitte ...  \r\n"
                                   "  Quoted = \" Moment \" \r\n"
                                   "Single='Allgemein '\r\n"
                                   "EmptyQuotes=\"\"\r\n"
                                   "LoneQuote=\"\r\n"
                                   "OpenQuote=\"abc\r\n"
                                   "Empty=\r\n"
                                   "Twice=first\r\n"
                                   "TWICE=second\r\n"
                                   "Equals=a=b\r\n"
                                   "Umlaut=L\xF6schen \x80\r\n");
  struct Case {
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      {"WAIT", "Moment bitte ..."},
      {"quoted", " Moment "},
      {"Single", "Allgemein "},
      {"EmptyQuotes", ""},
      {"LoneQuote", "\""},
      {"OpenQuote", "\"abc"},
      {"Empty", ""},
      {"Twice", "first"},
      {"Equals", "a=b"},
      {"Umlaut", "L\xF6schen \x80"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(path, "main", c.key), c.value) << c.key;
}

TEST_F(PrivateProfileTest, MissingFileSectionOrKeyGivesNothing) {
  std::string path = folder_.Write("missing.ini",
                                   "[ALARM]\nSNOOZE=Snooze\n"
                                   "[MAIN]\nOK=OK\n");
  EXPECT_EQ(Read(path, "ALARM", "SNOOZE"), "Snooze");
  EXPECT_EQ(Read(path, "MAIN", "OK"), "OK");
  EXPECT_FALSE(Read(path, "MAIN", "SNOOZE"));
  EXPECT_FALSE(Read(path, "TABS", "OK"));
  EXPECT_FALSE(Read(JoinPath(folder_.path(), "absent.ini"), "MAIN", "OK"));
}

TEST_F(PrivateProfileTest, LongValuesAreCutToTheBuffer) {
  std::string path = folder_.Write("long.ini", "[ERR]\r\nLONG=" + std::string(4500, 'x') + "\r\n");
  EXPECT_EQ(Read(path, "ERR", "LONG"), std::string(3999, 'x'));
  EXPECT_EQ(Read(path, "ERR", "LONG", 10), std::string(9, 'x'));
}

}  // namespace
