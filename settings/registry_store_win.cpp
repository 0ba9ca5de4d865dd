// The registry as the settings store: values below HKEY_CURRENT_USER, read and written through the
// ANSI registry functions. Reads trust nothing that is stored: a DWORD must be a REG_DWORD of exactly
// 4 bytes, a text a REG_SZ that fits the caller's buffer with its terminating zero.
#include "settings/registry_store_win.h"

#include <windows.h>

#include <vector>

#include "common/byte_order.h"
#include "common/owned_handles_win.h"

namespace {

OwnedRegistryKey OpenKey(const std::string& key, REGSAM access) {
  HKEY handle = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, access, &handle) != ERROR_SUCCESS) return nullptr;
  return OwnedRegistryKey(handle);
}

// Creates the key when it is missing; settings keys are never volatile.
OwnedRegistryKey CreateKey(const std::string& key) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return OwnedRegistryKey(handle);
}

// The value's type and bytes read into a buffer of capacity bytes; nothing when the key or value is
// missing or the value does not fit.
std::optional<std::pair<DWORD, std::vector<std::uint8_t>>> QueryValue(const std::string& key,
                                                                      const std::string& name,
                                                                      std::size_t capacity) {
  OwnedRegistryKey handle = OpenKey(key, KEY_QUERY_VALUE);
  if (!handle) return std::nullopt;
  std::vector<std::uint8_t> bytes(capacity);
  DWORD type = REG_NONE;
  DWORD size = static_cast<DWORD>(capacity);
  if (RegQueryValueExA(handle.get(), name.c_str(), nullptr, &type, bytes.data(), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  bytes.resize(size);
  return std::make_pair(type, std::move(bytes));
}

bool SetValue(const std::string& key, const std::string& name, DWORD type, const std::uint8_t* bytes,
              std::size_t size) {
  OwnedRegistryKey handle = CreateKey(key);
  return handle && RegSetValueExA(handle.get(), name.c_str(), 0, type, bytes, static_cast<DWORD>(size)) ==
                       ERROR_SUCCESS;
}

}  // namespace

bool RegistrySettingsStore::KeyExists(const std::string& key) { return OpenKey(key, KEY_READ) != nullptr; }

std::optional<std::uint32_t> RegistrySettingsStore::ReadDword(const std::string& key,
                                                              const std::string& name) {
  auto value = QueryValue(key, name, 4);
  if (!value || value->first != REG_DWORD || value->second.size() != 4) return std::nullopt;
  return ReadU32LE(value->second.data());
}

std::optional<std::string> RegistrySettingsStore::ReadText(const std::string& key, const std::string& name,
                                                           std::size_t capacity) {
  auto value = QueryValue(key, name, capacity);
  if (!value || value->first != REG_SZ) return std::nullopt;
  const std::vector<std::uint8_t>& bytes = value->second;
  return TextFromStoredBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                             capacity);
}

bool RegistrySettingsStore::WriteDword(const std::string& key, const std::string& name, std::uint32_t value) {
  std::uint8_t bytes[4];
  WriteU32LE(bytes, value);
  return SetValue(key, name, REG_DWORD, bytes, sizeof bytes);
}

// Texts are written with their terminating zero, so that every program that reads them finds them
// terminated.
bool RegistrySettingsStore::WriteText(const std::string& key, const std::string& name,
                                      const std::string& text) {
  return SetValue(key, name, REG_SZ, reinterpret_cast<const std::uint8_t*>(text.c_str()), text.size() + 1);
}

bool RegistrySettingsStore::DeleteValue(const std::string& key, const std::string& name) {
  OwnedRegistryKey handle = OpenKey(key, KEY_SET_VALUE);
  return handle && RegDeleteValueA(handle.get(), name.c_str()) == ERROR_SUCCESS;
}
