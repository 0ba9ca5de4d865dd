// What the settings load takes from Windows: the registry, the built-in picture index among the
// program's resources, the application data folder, the program file's path and the "intl" section
// of the user's profile.
#pragma once

#include "settings/registry_store_win.h"
#include "settings/settings.h"

class WindowsSettingsPlatform : public SettingsPlatform {
 public:
  SettingsStore& Store() override { return store_; }
  std::optional<std::vector<std::uint8_t>> BuiltinPictureIndexResource() override;
  std::string ApplicationDataFolder() override;
  std::string ProgramFilePath() override;
  int ProfileInt(const std::string& section, const std::string& key, int fallback) override;
  std::string ProfileString(const std::string& section, const std::string& key, const std::string& fallback,
                            std::size_t capacity) override;

 private:
  RegistrySettingsStore store_;
};
