// The hotkey tables and the hotkeys' storage.
#include "options/hotkeys.h"

#include <cstdio>

namespace {

constexpr HotkeyModifier kModifiers[] = {
    {"Alt", kModAlt},
    {"Strg", kModControl},
    {"Shift+Strg", kModShift | kModControl},
    {"Shift+Alt", kModShift | kModAlt},
    {"Alt+Strg", kModAlt | kModControl},
    {"Windows", kModWin},
};

constexpr HotkeyKey kKeys[] = {
    {"F1", 0x70},    {"F2", 0x71},    {"F3", 0x72},    {"F4", 0x73},    {"F5", 0x74},    {"F6", 0x75},
    {"F7", 0x76},    {"F8", 0x77},    {"F9", 0x78},    {"F10", 0x79},   {"F11", 0x7A},   {"F12", 0x7B},
    {"num 0", 0x60}, {"num 1", 0x61}, {"num 2", 0x62}, {"num 3", 0x63}, {"num 4", 0x64}, {"num 5", 0x65},
    {"num 6", 0x66}, {"num 7", 0x67}, {"num 8", 0x68}, {"num 9", 0x69}, {"num +", 0x6B}, {"num -", 0x6D},
    {"0 ", 0x30},    {"1 ", 0x31},    {"2 ", 0x32},    {"3 ", 0x33},    {"4 ", 0x34},    {"5 ", 0x35},
    {"6 ", 0x36},    {"7 ", 0x37},    {"8 ", 0x38},    {"9 ", 0x39},    {"A ", 0x41},    {"B ", 0x42},
    {"C ", 0x43},    {"D ", 0x44},    {"E ", 0x45},    {"F ", 0x46},    {"G ", 0x47},    {"H ", 0x48},
    {"I ", 0x49},    {"J ", 0x4A},    {"K ", 0x4B},    {"L ", 0x4C},    {"M ", 0x4D},    {"N ", 0x4E},
    {"O ", 0x4F},    {"P ", 0x50},    {"Q ", 0x51},    {"R ", 0x52},    {"S ", 0x53},    {"T ", 0x54},
    {"U ", 0x55},    {"V ", 0x56},    {"W ", 0x57},    {"X ", 0x58},    {"Y ", 0x59},    {"Z ", 0x5A},
};
static_assert(std::size(kKeys) == 60);

// The value names of a slot: "hk%02dm", "hk%02dv", "hk%02da".
std::string ValueName(int slot, char kind) {
  char name[8];
  std::snprintf(name, sizeof name, "hk%02d%c", slot, kind);
  return name;
}

// The index when it lies inside a table of count entries; the default (0) otherwise, so that a damaged
// value never reaches past a table.
int IndexWithin(int index, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) < count ? index : 0;
}

}  // namespace

std::span<const HotkeyModifier> HotkeyModifiers() { return kModifiers; }
std::span<const HotkeyKey> HotkeyKeys() { return kKeys; }

unsigned HotkeyModifierFlags(const HotkeySlot& slot) {
  return kModifiers[IndexWithin(slot.modifier, std::size(kModifiers))].flags;
}

unsigned HotkeyVirtualKey(const HotkeySlot& slot) {
  return kKeys[IndexWithin(slot.key, std::size(kKeys))].virtual_key;
}

void LoadHotkeys(HotkeySlots& slots, SettingsStore& store, const SettingsKeys& keys) {
  for (int i = 0; i < kHotkeySlotCount; ++i) {
    HotkeySlot& slot = slots[i];
    slot = HotkeySlot{kFirstHotkeyId + i, 0, 0, 0};
    if (auto modifier = store.ReadDword(keys.hotkeys, ValueName(i, 'm'))) {
      slot.modifier = IndexWithin(static_cast<int>(*modifier), std::size(kModifiers));
    }
    if (auto key = store.ReadDword(keys.hotkeys, ValueName(i, 'v'))) {
      slot.key = IndexWithin(static_cast<int>(*key), std::size(kKeys));
    }
    if (auto active = store.ReadDword(keys.hotkeys, ValueName(i, 'a'))) slot.active = *active != 0 ? 1 : 0;
  }
}

void SaveHotkeys(const HotkeySlots& slots, SettingsStore& store, const SettingsKeys& keys) {
  for (int i = 0; i < kHotkeySlotCount; ++i) {
    store.WriteDword(keys.hotkeys, ValueName(i, 'm'), static_cast<std::uint32_t>(slots[i].modifier));
    store.WriteDword(keys.hotkeys, ValueName(i, 'v'), static_cast<std::uint32_t>(slots[i].key));
    store.WriteDword(keys.hotkeys, ValueName(i, 'a'), slots[i].active != 0 ? 1 : 0);
  }
}
