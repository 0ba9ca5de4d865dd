// Code page 1252 and UTF-8 meet in one place; both directions must agree.
#include "common/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, UmlautsAndEuroSignConvert) {
  // The literal is compiled into code page 1252.
  const std::string cp1252 = "Mariä Lichtmeß €";
  EXPECT_EQ(cp1252.size(), 16u);
  EXPECT_EQ(Cp1252ToUtf8(cp1252), "Mari\xC3\xA4 Lichtme\xC3\x9F \xE2\x82\xAC");
  EXPECT_EQ(Utf8ToCp1252("Mari\xC3\xA4 Lichtme\xC3\x9F \xE2\x82\xAC"), cp1252);
}

TEST(Cp1252, EveryByteRoundTrips) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, UnmappableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("\xE2\x98\x83"), "?");          // snowman, not in the code page
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");                 // cut after the lead byte
  EXPECT_EQ(Utf8ToCp1252("\xC3(b"), "?(b");               // lead byte without continuation
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80!"), "?!");     // outside the basic plane
  EXPECT_EQ(Utf8ToCp1252("\x80"), "?");                   // stray continuation byte
}

TEST(Cp1252, CaseIsIgnoredForTheLettersOfTheCodePage) {
  struct Case {
    const char* a;
    const char* b;
    bool equal;
  } cases[] = {
      {"C:\\Bilder\\Möwe.JPG", "c:\\bilder\\MÖWE.jpg", true},
      {"ŠŒŽŸ", "šœžÿ", true},
      {"Straße", "STRASSE", false},  // no letter becomes two
      {"×", "÷", false},             // the multiplication sign is no capital of the division sign
      {"C01X", "C01", false},
  };
  for (const Case& c : cases) EXPECT_EQ(EqualIgnoringCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}
