// Owners of the Win32 handles that the program loads or creates; each frees
// its handle when it goes.
#ifndef COTARSIS_SHELL_WIN_OWNED_H
#define COTARSIS_SHELL_WIN_OWNED_H

#include <windows.h>

namespace win {

// A bitmap loaded from the program's resources.
class OwnedBitmap {
 public:
  OwnedBitmap(HINSTANCE instance, int resourceId)
      : m_hBitmap(LoadBitmapW(instance, MAKEINTRESOURCEW(resourceId))) {}
  ~OwnedBitmap() {
    if (m_hBitmap) DeleteObject(m_hBitmap);
  }
  OwnedBitmap(const OwnedBitmap&) = delete;
  OwnedBitmap& operator=(const OwnedBitmap&) = delete;

  HBITMAP Get() const { return m_hBitmap; }

 private:
  HBITMAP m_hBitmap;
};

// A kernel object handle, closed when its owner goes.
class OwnedHandle {
 public:
  explicit OwnedHandle(HANDLE handle) : m_hHandle(handle) {}
  ~OwnedHandle() {
    if (m_hHandle) CloseHandle(m_hHandle);
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

  explicit operator bool() const { return m_hHandle != nullptr; }

 private:
  HANDLE m_hHandle;
};

}  // namespace win

#endif
