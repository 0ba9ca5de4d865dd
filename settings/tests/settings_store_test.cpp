// The settings store in memory: names without regard to case, DWORDs only as 4-byte DWORD values,
// texts only when they fit the reader's buffer with their terminating zero.
#include "settings/settings_store.h"

#include <gtest/gtest.h>

namespace {

using Type = MemorySettingsStore::Type;

constexpr char kKey[] = "Software\\Varnholt\\Desktop\\Quellmoor";

TEST(TextFromStoredBytesTest, FollowsTheBufferRule) {
  struct Case {
    std::string bytes;
    std::size_t capacity;
    std::optional<std::string> text;
  };
  const Case cases[] = {
      {std::string("abc\0", 4), 4, "abc"},                 // fits exactly with its zero
      {"abcd", 4, std::nullopt},                           // no room for the zero
      {"abc", 4, "abc"},                                   // stored without zero, room for one
      {std::string("abc\0", 4), 3, std::nullopt},          // larger than the buffer
      {std::string("ab\0cd\0", 6), 8, "ab"},               // ends at the first zero
      {std::string("abc\0garbage", 11), 8, std::nullopt},  // the stored bytes do not fit
      {"", 1, ""},
      {std::string(255, 'x') + '\0', 256, std::string(255, 'x')},
      {std::string(256, 'x') + '\0', 256, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextFromStoredBytes(c.bytes, c.capacity), c.text) << c.bytes << " / " << c.capacity;
  }
}

TEST(MemorySettingsStoreTest, KeysAndNamesIgnoreCase) {
  MemorySettingsStore store;
  EXPECT_FALSE(store.KeyExists(kKey));
  ASSERT_TRUE(store.WriteDword(kKey, "HGwechsel", 1));
  EXPECT_TRUE(store.KeyExists("software\\varnholt\\DESKTOP\\quellmoor"));
  EXPECT_EQ(store.ReadDword("SOFTWARE\\Varnholt\\Desktop\\Quellmoor", "hgwechsel"), 1u);
  ASSERT_TRUE(store.WriteDword(kKey, "HGWECHSEL", 2));
  EXPECT_EQ(store.ReadDword(kKey, "HGwechsel"), 2u);
  store.CreateKey("Control Panel\\International");
  EXPECT_TRUE(store.KeyExists("control panel\\international"));
}

TEST(MemorySettingsStoreTest, DwordsOnlyFromFourByteDwordValues) {
  MemorySettingsStore store;
  store.Plant(kKey, "right", Type::kDword, std::string("\xFF\xFF\xFF\xFF", 4));
  store.Plant(kKey, "long", Type::kDword, std::string("\x01\0\0\0\0\0\0\0", 8));
  store.Plant(kKey, "short", Type::kDword, std::string("\x01\0", 2));
  store.Plant(kKey, "binary", Type::kBinary, std::string("\x01\0\0\0", 4));
  store.Plant(kKey, "text", Type::kText, std::string("123", 4));
  EXPECT_EQ(store.ReadDword(kKey, "right"), 0xFFFFFFFFu);
  EXPECT_FALSE(store.ReadDword(kKey, "long"));
  EXPECT_FALSE(store.ReadDword(kKey, "short"));
  EXPECT_FALSE(store.ReadDword(kKey, "binary"));
  EXPECT_FALSE(store.ReadDword(kKey, "text"));
  EXPECT_FALSE(store.ReadDword(kKey, "missing"));
  EXPECT_FALSE(store.ReadDword("Software\\Missing", "right"));
}

TEST(MemorySettingsStoreTest, DwordsAreStoredLittleEndian) {
  MemorySettingsStore store;
  store.WriteDword(kKey, "IconColor", 0x00A1B2C3);
  const MemorySettingsStore::Value* value = store.Find(kKey, "IconColor");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->type, Type::kDword);
  EXPECT_EQ(value->bytes, std::string("\xC3\xB2\xA1\x00", 4));
}

TEST(MemorySettingsStoreTest, TextsAreWrittenWithTheirZeroAndReadOnlyAsTexts) {
  MemorySettingsStore store;
  store.WriteText(kKey, "OldPic", "C:\\Bilder\\Möwe.jpg");
  const MemorySettingsStore::Value* value = store.Find(kKey, "OldPic");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->type, Type::kText);
  EXPECT_EQ(value->bytes, std::string("C:\\Bilder\\Möwe.jpg", 19));
  EXPECT_EQ(store.ReadText(kKey, "OldPic", 256), "C:\\Bilder\\Möwe.jpg");
  EXPECT_FALSE(store.ReadText(kKey, "OldPic", 18));

  store.Plant(kKey, "binary", Type::kBinary, std::string("abc", 4));
  store.WriteDword(kKey, "number", 7);
  EXPECT_FALSE(store.ReadText(kKey, "binary", 256));
  EXPECT_FALSE(store.ReadText(kKey, "number", 256));
  EXPECT_FALSE(store.ReadText(kKey, "missing", 256));
}

TEST(MemorySettingsStoreTest, DeleteRemovesOnlyTheValue) {
  MemorySettingsStore store;
  store.WriteText(kKey, "Varnholt Kalvedra", "x");
  EXPECT_TRUE(store.DeleteValue(kKey, "varnholt kalvedra"));
  EXPECT_FALSE(store.DeleteValue(kKey, "Varnholt Kalvedra"));
  EXPECT_FALSE(store.DeleteValue("Software\\Missing", "x"));
  EXPECT_TRUE(store.KeyExists(kKey));
  EXPECT_EQ(store.Find(kKey, "Varnholt Kalvedra"), nullptr);
}

}  // namespace
