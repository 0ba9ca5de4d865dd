// INI values through the platform's profile functions.
#include <windows.h>

#include <cstring>

#include "texts/private_profile.h"

bool ReadProfileValue(const std::string& path, const char* section, const char* key, char* buffer,
                      std::size_t capacity) {
  // The profile functions hand out the default for a missing key. A default that no INI file holds
  // tells the two apart; it also keeps them from dropping the trailing blanks of a caller's default,
  // which they would do to a real one.
  static constexpr char kMissing[] = "\x01";
  GetPrivateProfileStringA(section, key, kMissing, buffer, static_cast<DWORD>(capacity), path.c_str());
  return std::strcmp(buffer, kMissing) != 0;
}
