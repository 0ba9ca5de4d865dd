// One value of an INI file, read as the platform's profile functions read it. The language file is
// read this way: on Windows by the profile functions themselves, elsewhere by a reader that follows
// their rules (sections and keys without regard to case, blanks around the value dropped, one pair of
// enclosing quotation marks removed, the first matching key of the first matching section taken).
#pragma once

#include <cstddef>
#include <string>

// Reads the value of key in section of the INI file at path into buffer (capacity bytes; the value
// is cut at capacity - 1 characters and always terminated). False when the file, the section or the
// key is missing; the buffer's content is then undefined.
bool ReadProfileValue(const std::string& path, const char* section, const char* key, char* buffer,
                      std::size_t capacity);
