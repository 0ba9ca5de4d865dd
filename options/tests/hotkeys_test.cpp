// The hotkey slots: the tables, the defaults, stored values, damaged indexes, and what is saved.
#include "options/hotkeys.h"

#include <gtest/gtest.h>

namespace {

const SettingsKeys kKeys = MakeSettingsKeys("Quellmoor");
const std::string kHotkeyKey = "Software\\Varnholt\\Desktop\\Quellmoor\\Hotkeys";

TEST(HotkeyTablesTest, NamesAndCodesInListOrder) {
  std::span<const HotkeyModifier> modifiers = HotkeyModifiers();
  ASSERT_EQ(modifiers.size(), 6u);
  const unsigned flags[] = {1, 2, 4 | 2, 4 | 1, 1 | 2, 8};
  const char* names[] = {"Alt", "Strg", "Shift+Strg", "Shift+Alt", "Alt+Strg", "Windows"};
  for (std::size_t i = 0; i < modifiers.size(); ++i) {
    EXPECT_STREQ(modifiers[i].name, names[i]);
    EXPECT_EQ(modifiers[i].flags, flags[i]) << names[i];
  }

  std::span<const HotkeyKey> keys = HotkeyKeys();
  ASSERT_EQ(keys.size(), 60u);
  struct Case {
    std::size_t index;
    const char* name;
    unsigned code;
  };
  const Case cases[] = {{0, "F1", 0x70},     {11, "F12", 0x7B},   {12, "num 0", 0x60}, {21, "num 9", 0x69},
                        {22, "num +", 0x6B}, {23, "num -", 0x6D}, {24, "0 ", 0x30},    {33, "9 ", 0x39},
                        {34, "A ", 0x41},    {59, "Z ", 0x5A}};
  for (const Case& c : cases) {
    EXPECT_STREQ(keys[c.index].name, c.name) << c.index;
    EXPECT_EQ(keys[c.index].virtual_key, c.code) << c.index;
  }
  for (std::size_t i = 1; i < keys.size(); ++i) {
    EXPECT_NE(keys[i].virtual_key, keys[i - 1].virtual_key) << i;
  }
}

TEST(HotkeysTest, NothingStoredGivesAltF1InactiveWithTheirIds) {
  MemorySettingsStore store;
  HotkeySlots slots;
  slots.fill(HotkeySlot{7, 3, 9, 1});
  LoadHotkeys(slots, store, kKeys);
  for (int i = 0; i < kHotkeySlotCount; ++i) {
    EXPECT_EQ(slots[i].id, 200 + i);
    EXPECT_EQ(slots[i].modifier, 0);
    EXPECT_EQ(slots[i].key, 0);
    EXPECT_EQ(slots[i].active, 0);
    EXPECT_EQ(HotkeyModifierFlags(slots[i]), 1u);
    EXPECT_EQ(HotkeyVirtualKey(slots[i]), 0x70u);
  }
}

TEST(HotkeysTest, StoredValuesAreReadAndDamagedIndexesFallBack) {
  MemorySettingsStore store;
  store.WriteDword(kHotkeyKey, "hk02m", 2);
  store.WriteDword(kHotkeyKey, "hk02v", 22);
  store.WriteDword(kHotkeyKey, "hk02a", 1);
  store.WriteDword(kHotkeyKey, "hk03m", 6);
  store.WriteDword(kHotkeyKey, "hk03v", 60);
  store.WriteDword(kHotkeyKey, "hk03a", 5);
  store.WriteDword(kHotkeyKey, "hk04m", 0xFFFFFFFF);
  store.WriteDword(kHotkeyKey, "hk04v", 59);
  HotkeySlots slots;
  LoadHotkeys(slots, store, kKeys);
  EXPECT_EQ(slots[2].modifier, 2);
  EXPECT_EQ(slots[2].key, 22);
  EXPECT_EQ(slots[2].active, 1);
  EXPECT_EQ(HotkeyModifierFlags(slots[2]), 4u | 2u);
  EXPECT_EQ(HotkeyVirtualKey(slots[2]), 0x6Bu);
  EXPECT_EQ(slots[3].modifier, 0);
  EXPECT_EQ(slots[3].key, 0);
  EXPECT_EQ(slots[3].active, 1);
  EXPECT_EQ(slots[4].modifier, 0);
  EXPECT_EQ(slots[4].key, 59);
  EXPECT_EQ(slots[4].active, 0);
}

TEST(HotkeysTest, SlotsWithoutSelectionUseTheDefaultKeys) {
  HotkeySlot slot{202, -1, 60, 1};
  EXPECT_EQ(HotkeyModifierFlags(slot), 1u);
  EXPECT_EQ(HotkeyVirtualKey(slot), 0x70u);
}

TEST(HotkeysTest, SaveWritesAllThreeValuesOfEverySlot) {
  HotkeySlots slots;
  for (int i = 0; i < kHotkeySlotCount; ++i) slots[i] = HotkeySlot{200 + i, i, 10 + i, i % 2 == 0 ? 7 : 0};
  MemorySettingsStore store;
  SaveHotkeys(slots, store, kKeys);
  for (int i = 0; i < kHotkeySlotCount; ++i) {
    std::string number = "hk0" + std::to_string(i);
    EXPECT_EQ(store.ReadDword(kHotkeyKey, number + "m"), static_cast<std::uint32_t>(i));
    EXPECT_EQ(store.ReadDword(kHotkeyKey, number + "v"), static_cast<std::uint32_t>(10 + i));
    EXPECT_EQ(store.ReadDword(kHotkeyKey, number + "a"), i % 2 == 0 ? 1u : 0u);
  }
  HotkeySlots loaded;
  LoadHotkeys(loaded, store, kKeys);
  for (int i = 0; i < kHotkeySlotCount; ++i) {
    EXPECT_EQ(loaded[i].modifier, i);
    EXPECT_EQ(loaded[i].key, 10 + i);
    EXPECT_EQ(loaded[i].active, i % 2 == 0 ? 1 : 0);
  }
}

}  // namespace
