// The settings load's view of Windows: resources of the program module, shell folders, the module
// path and the profile functions.
#include "settings/settings_platform_win.h"

#include <shlobj.h>
#include <windows.h>

#include <vector>

std::optional<std::vector<std::uint8_t>> WindowsSettingsPlatform::BuiltinPictureIndexResource() {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, "C00X", "KALENDER");
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  DWORD size = SizeofResource(module, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return std::nullopt;
  const auto* first = static_cast<const std::uint8_t*>(bytes);
  return std::vector<std::uint8_t>(first, first + size);
}

std::string WindowsSettingsPlatform::ApplicationDataFolder() {
  char folder[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, folder, CSIDL_APPDATA, TRUE)) return {};
  return folder;
}

std::string WindowsSettingsPlatform::ProgramFilePath() {
  // Module paths can be longer than MAX_PATH; a cut path would name another folder.
  std::vector<char> path(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return std::string(path.data(), length);
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

int WindowsSettingsPlatform::ProfileInt(const std::string& section, const std::string& key, int fallback) {
  return static_cast<int>(GetProfileIntA(section.c_str(), key.c_str(), fallback));
}

std::string WindowsSettingsPlatform::ProfileString(const std::string& section, const std::string& key,
                                                   const std::string& fallback, std::size_t capacity) {
  std::vector<char> text(capacity + 1, '\0');
  GetProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), text.data(),
                    static_cast<DWORD>(capacity));
  return text.data();
}
