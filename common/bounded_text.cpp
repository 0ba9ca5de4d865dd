// Fixed-capacity text buffers: truncate, always terminate.
#include "common/bounded_text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

void CopyText(char* dest, std::size_t capacity, std::string_view source) {
  if (capacity == 0) return;
  std::size_t length = source.size() < capacity - 1 ? source.size() : capacity - 1;
  std::memcpy(dest, source.data(), length);
  dest[length] = '\0';
}

void AppendText(char* dest, std::size_t capacity, std::string_view source) {
  if (capacity == 0) return;
  std::size_t used = strnlen(dest, capacity - 1);
  CopyText(dest + used, capacity - used, source);
}

void FormatText(char* dest, std::size_t capacity, const char* format, ...) {
  if (capacity == 0) return;
  va_list arguments;
  va_start(arguments, format);
  int written = std::vsnprintf(dest, capacity, format, arguments);
  va_end(arguments);
  if (written < 0) dest[0] = '\0';
}
