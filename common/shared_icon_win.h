// Icons of the program's own resources, loaded shared: the system keeps one copy per size and
// releases it itself, so nothing of the program destroys them.
#pragma once

#include <windows.h>

inline HICON SharedIcon(const char* name, int size) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, size, size, LR_SHARED));
}
