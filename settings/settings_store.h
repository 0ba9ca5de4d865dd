// Where the settings are stored: keys of named values below the current user's registry root. The
// registry is the Windows store; a map in memory serves tests and the command-line tool.
// Key paths are relative to HKEY_CURRENT_USER, with backslashes ("Software\\Varnholt\\Desktop\\...").
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Whether the key exists and can be opened for reading.
  virtual bool KeyExists(const std::string& key) = 0;

  // A DWORD value stored with exactly 4 bytes; nothing when it is missing or of another type or size.
  virtual std::optional<std::uint32_t> ReadDword(const std::string& key, const std::string& name) = 0;

  // A text value read into a buffer of capacity bytes: nothing when it is missing, not a text, or
  // longer than the buffer. The text ends at its first zero byte, whatever was stored.
  virtual std::optional<std::string> ReadText(const std::string& key, const std::string& name,
                                              std::size_t capacity) = 0;

  // Each write creates or opens the key; false when that or the write fails.
  virtual bool WriteDword(const std::string& key, const std::string& name, std::uint32_t value) = 0;
  // Texts are stored with their terminating zero.
  virtual bool WriteText(const std::string& key, const std::string& name, const std::string& text) = 0;
  virtual bool DeleteValue(const std::string& key, const std::string& name) = 0;
};

// The text in the raw bytes of a stored text value, read as into a buffer of capacity bytes: nothing
// when the bytes do not fit or leave no room for the terminating zero; the text ends at the first
// zero byte. Both stores read texts this way.
std::optional<std::string> TextFromStoredBytes(std::string_view bytes, std::size_t capacity);

// A store in memory. Tests can also plant values of a wrong type or size.
class MemorySettingsStore : public SettingsStore {
 public:
  enum class Type { kDword, kText, kBinary };
  struct Value {
    Type type = Type::kBinary;
    std::string bytes;  // raw stored bytes (little-endian DWORD, text with its zero)
  };

  bool KeyExists(const std::string& key) override;
  std::optional<std::uint32_t> ReadDword(const std::string& key, const std::string& name) override;
  std::optional<std::string> ReadText(const std::string& key, const std::string& name,
                                      std::size_t capacity) override;
  bool WriteDword(const std::string& key, const std::string& name, std::uint32_t value) override;
  bool WriteText(const std::string& key, const std::string& name, const std::string& text) override;
  bool DeleteValue(const std::string& key, const std::string& name) override;

  // Stores raw bytes under a type, as another program might have written them.
  void Plant(const std::string& key, const std::string& name, Type type, std::string bytes);
  const Value* Find(const std::string& key, const std::string& name) const;
  // Keys compare without regard to case, as registry keys do.
  void CreateKey(const std::string& key);

 private:
  std::map<std::string, std::map<std::string, Value>> keys_;  // lower-cased key and value names
};
