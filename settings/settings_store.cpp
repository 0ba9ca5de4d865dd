// The settings store in memory: keys and value names compare without regard to case, values keep
// their raw bytes and type, and reads follow the same rules as the registry store.
#include "settings/settings_store.h"

#include <cctype>

#include "common/byte_order.h"

namespace {

std::string Lowered(const std::string& text) {
  std::string lowered = text;
  for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lowered;
}

}  // namespace

std::optional<std::string> TextFromStoredBytes(std::string_view bytes, std::size_t capacity) {
  if (bytes.size() > capacity) return std::nullopt;
  std::string_view text = bytes.substr(0, bytes.find('\0'));
  // A text that fills the whole buffer leaves no room for its terminating zero.
  if (text.size() >= capacity) return std::nullopt;
  return std::string(text);
}

bool MemorySettingsStore::KeyExists(const std::string& key) { return keys_.contains(Lowered(key)); }

std::optional<std::uint32_t> MemorySettingsStore::ReadDword(const std::string& key, const std::string& name) {
  const Value* value = Find(key, name);
  if (value == nullptr || value->type != Type::kDword || value->bytes.size() != 4) return std::nullopt;
  return ReadU32LE(reinterpret_cast<const std::uint8_t*>(value->bytes.data()));
}

std::optional<std::string> MemorySettingsStore::ReadText(const std::string& key, const std::string& name,
                                                         std::size_t capacity) {
  const Value* value = Find(key, name);
  if (value == nullptr || value->type != Type::kText) return std::nullopt;
  return TextFromStoredBytes(value->bytes, capacity);
}

bool MemorySettingsStore::WriteDword(const std::string& key, const std::string& name, std::uint32_t value) {
  std::uint8_t bytes[4];
  WriteU32LE(bytes, value);
  Plant(key, name, Type::kDword, std::string(reinterpret_cast<const char*>(bytes), 4));
  return true;
}

bool MemorySettingsStore::WriteText(const std::string& key, const std::string& name,
                                    const std::string& text) {
  Plant(key, name, Type::kText, std::string(text.c_str(), text.size() + 1));
  return true;
}

bool MemorySettingsStore::DeleteValue(const std::string& key, const std::string& name) {
  auto found = keys_.find(Lowered(key));
  return found != keys_.end() && found->second.erase(Lowered(name)) == 1;
}

void MemorySettingsStore::Plant(const std::string& key, const std::string& name, Type type,
                                std::string bytes) {
  keys_[Lowered(key)][Lowered(name)] = Value{type, std::move(bytes)};
}

const MemorySettingsStore::Value* MemorySettingsStore::Find(const std::string& key,
                                                            const std::string& name) const {
  auto found_key = keys_.find(Lowered(key));
  if (found_key == keys_.end()) return nullptr;
  auto found_value = found_key->second.find(Lowered(name));
  return found_value == found_key->second.end() ? nullptr : &found_value->second;
}

void MemorySettingsStore::CreateKey(const std::string& key) { keys_[Lowered(key)]; }
