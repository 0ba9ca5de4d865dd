// The settings store of the Windows program: the registry below HKEY_CURRENT_USER. Every call opens
// its key, works and closes it again; nothing is held open between calls.
#pragma once

#include "settings/settings_store.h"

class RegistrySettingsStore : public SettingsStore {
 public:
  bool KeyExists(const std::string& key) override;
  std::optional<std::uint32_t> ReadDword(const std::string& key, const std::string& name) override;
  std::optional<std::string> ReadText(const std::string& key, const std::string& name,
                                      std::size_t capacity) override;
  bool WriteDword(const std::string& key, const std::string& name, std::uint32_t value) override;
  bool WriteText(const std::string& key, const std::string& name, const std::string& text) override;
  bool DeleteValue(const std::string& key, const std::string& name) override;
};
