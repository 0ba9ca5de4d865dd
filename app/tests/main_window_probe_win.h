// Looking at the main window from a test, in the test's own process or from another one: its
// controls' texts, its place, and where it goes when no position is stored.
#pragma once

#include <windows.h>

#include <string>

inline std::string ControlText(HWND window, int id) {
  char text[512] = {};
  GetDlgItemTextA(window, id, text, sizeof text);
  return text;
}

// The window's top-left corner in screen coordinates.
inline POINT TopLeft(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top};
}

// Where a window without a stored position goes: at the bottom right of the work area, 50 pixels
// from its right edge.
inline POINT DefaultCorner(HWND window) {
  RECT work_area{}, client{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work_area, 0);
  GetClientRect(window, &client);
  return {work_area.right - client.right - 50,
          work_area.bottom - client.bottom - GetSystemMetrics(SM_CYCAPTION) - 2 * GetSystemMetrics(SM_CYFRAME)};
}
