// The JSON writer: escaping, UTF-8 from code page 1252, nesting.
#include "cli/json_writer.h"

#include <sstream>

#include <gtest/gtest.h>

#include "cli/tests/run_command.h"

namespace {

TEST(JsonWriterTest, EscapesQuotesBackslashesAndControlCharacters) {
  EXPECT_EQ(JsonString(""), R"("")");
  EXPECT_EQ(JsonString("say \"hi\""), R"("say \"hi\"")");
  EXPECT_EQ(JsonString("C:\\Bilder\\"), R"("C:\\Bilder\\")");
  EXPECT_EQ(JsonString("a\r\nb\tc"), R"("a\r\nb\tc")");
  EXPECT_EQ(JsonString(std::string_view("\x01\x1f\0x", 4)), R"("\u0001\u001f\u0000x")");
  EXPECT_EQ(JsonString("/<>\x7f"), "\"/<>\x7f\"");
}

// Code page 1252 bytes, written as escapes so that the test does not depend on its own character set.
TEST(JsonWriterTest, ConvertsCodePage1252ToUtf8) {
  EXPECT_EQ(JsonString("Mari\xE4 Empf\xE4ngnis"), Utf8(u8"\"Mariä Empfängnis\""));
  EXPECT_EQ(JsonString("Bu\xDF- und Bettag"), Utf8(u8"\"Buß- und Bettag\""));
  EXPECT_EQ(JsonString("\xD6sterreich \x80 \x84\x93"), Utf8(u8"\"Österreich € „“\""));
}

TEST(JsonWriterTest, NestsObjectsAndArrays) {
  JsonArray days;
  days.AddObject(JsonObject().AddNumber("day", 1).AddNumber("marked", 0));
  days.AddObject(JsonObject().AddNumber("day", 2).AddNumber("marked", 1));
  JsonObject object;
  object.AddText("m\xE4rz", "x\"y")
      .AddArray("empty", JsonArray())
      .AddArray("days", days)
      .AddArray("mixed", JsonArray().AddNumber(-5).AddText("a").AddNumber(9876543210LL));
  std::ostringstream out;
  WriteJsonLine(out, object);
  EXPECT_EQ(out.str(),
            Utf8(u8R"({"märz":"x\"y","empty":[],"days":[{"day":1,"marked":0},{"day":2,"marked":1}],)"
                 u8R"("mixed":[-5,"a",9876543210]})"
                 u8"\n"));
}

}  // namespace
