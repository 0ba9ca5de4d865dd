// Owning types for Win32 handles: each releases its handle once, with the function Windows pairs with
// it, on every way out of the scope or object that holds it. Nothing is released by hand.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

template <typename Handle, auto Release>
struct HandleReleaser {
  void operator()(Handle handle) const { Release(handle); }
};

// A handle of type Handle (a pointer type) released with Release; empty for a null handle.
template <typename Handle, auto Release>
using OwnedHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleReleaser<Handle, Release>>;

using OwnedFont = OwnedHandle<HFONT, DeleteObject>;
using OwnedBitmap = OwnedHandle<HBITMAP, DeleteObject>;
using OwnedIcon = OwnedHandle<HICON, DestroyIcon>;
using OwnedMemoryDc = OwnedHandle<HDC, DeleteDC>;
using OwnedEnhMetafile = OwnedHandle<HENHMETAFILE, DeleteEnhMetaFile>;
using OwnedRegistryKey = OwnedHandle<HKEY, RegCloseKey>;
using OwnedModule = OwnedHandle<HMODULE, FreeLibrary>;
// A window this program made and destroys itself (not one a dialog procedure ends).
using OwnedWindow = OwnedHandle<HWND, DestroyWindow>;
// Files and threads. Files opened with CreateFile report failure as INVALID_HANDLE_VALUE, which the
// caller turns into an empty handle.
using OwnedKernelHandle = OwnedHandle<HANDLE, CloseHandle>;

// A mutex this process may own: ownership is given up before the handle is closed.
inline void ReleaseAndCloseMutex(HANDLE mutex) {
  ReleaseMutex(mutex);
  CloseHandle(mutex);
}
using OwnedMutex = OwnedHandle<HANDLE, ReleaseAndCloseMutex>;

// The device context of the whole screen, for reading its capabilities.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;

  HDC get() const { return dc_; }

 private:
  HDC dc_;
};
