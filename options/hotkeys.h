// The program's system-wide hotkeys: five slots, each a modifier combination and a key chosen from
// fixed tables and a switch, stored under the Hotkeys key of the settings.
#pragma once

#include <array>
#include <span>

#include "settings/settings.h"

struct HotkeySlot {
  int id = 0;        // the hotkey id given to the system: 200 + slot index
  int modifier = 0;  // index into the modifier table
  int key = 0;       // index into the key table
  int active = 0;    // 1: the hotkey is registered
};

inline constexpr int kHotkeySlotCount = 5;
inline constexpr int kFirstHotkeyId = 200;
using HotkeySlots = std::array<HotkeySlot, kHotkeySlotCount>;

// The system's modifier flags.
inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModControl = 2;
inline constexpr unsigned kModShift = 4;
inline constexpr unsigned kModWin = 8;

struct HotkeyModifier {
  const char* name;  // as the hotkeys page lists it
  unsigned flags;
};

struct HotkeyKey {
  const char* name;  // as the hotkeys page lists it
  unsigned virtual_key;
};

// The six modifier combinations and the 60 keys, in the order of the page's lists (a list position
// is the stored index).
std::span<const HotkeyModifier> HotkeyModifiers();
std::span<const HotkeyKey> HotkeyKeys();

// The slot's modifier flags and virtual-key code.
unsigned HotkeyModifierFlags(const HotkeySlot& slot);
unsigned HotkeyVirtualKey(const HotkeySlot& slot);

// Sets every slot to its id and the defaults ("Alt", "F1", not active), then reads the stored values:
// hk%02dm, hk%02dv and hk%02da (any value but 0 is active). A missing value, and an index outside its
// table (only an edited registry holds one), keeps the default.
void LoadHotkeys(HotkeySlots& slots, SettingsStore& store, const SettingsKeys& keys);

// Writes the three values of all five slots (active as 0 or 1).
void SaveHotkeys(const HotkeySlots& slots, SettingsStore& store, const SettingsKeys& keys);
