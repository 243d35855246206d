#pragma once
// One move-only owner for every kind of handle; the traits say what "no handle" is and how to
// close one. Copying is forbidden so that nothing is ever closed twice.
#include <windows.h>
#include <shlobj.h>

#include <utility>

namespace vantrelle::win32 {

template <class Traits>
class ScopedHandle {
 public:
  using Handle = typename Traits::Handle;
  ScopedHandle() = default;
  explicit ScopedHandle(Handle handle) : handle_(handle) {}
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.Release()) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  ~ScopedHandle() { Reset(); }

  bool IsValid() const { return Traits::IsValid(handle_); }
  explicit operator bool() const { return IsValid(); }
  Handle Get() const { return handle_; }
  // For out-parameters of the API: closes what is held and hands out the slot.
  Handle* Receive() {
    Reset();
    return &handle_;
  }
  [[nodiscard]] Handle Release() { return std::exchange(handle_, Traits::Null()); }
  void Reset(Handle handle = Traits::Null()) {
    if (Traits::IsValid(handle_)) {
      const DWORD lastError = GetLastError();  // closing must not hide the error of the caller
      Traits::Close(handle_);
      SetLastError(lastError);
    }
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::Null();
};

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Null() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(Handle h) { CloseHandle(h); }
};

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Null() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(Handle h) { FindClose(h); }
};

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { RegCloseKey(h); }
};

struct IconTraits {
  using Handle = HICON;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DestroyIcon(h); }
};

struct PidlTraits {
  using Handle = PIDLIST_ABSOLUTE;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { CoTaskMemFree(h); }
};

struct CoTaskTextTraits {  // text a COM object allocated for its caller
  using Handle = LPWSTR;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { CoTaskMemFree(h); }
};

struct KernelObjectTraits {  // mutexes, events, processes: no handle is nullptr
  using Handle = HANDLE;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { CloseHandle(h); }
};

template <class GdiObject>  // fonts, brushes
struct GdiObjectTraits {
  using Handle = GdiObject;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DeleteObject(h); }
};

struct WindowTraits {
  using Handle = HWND;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DestroyWindow(h); }
};

struct MemoryDcTraits {  // device contexts made with CreateCompatibleDC
  using Handle = HDC;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DeleteDC(h); }
};

struct CursorTraits {  // cursors loaded from a file
  using Handle = HCURSOR;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { DestroyCursor(h); }
};

using FileHandle = ScopedHandle<FileHandleTraits>;
using FindHandle = ScopedHandle<FindHandleTraits>;
using RegKey = ScopedHandle<RegKeyTraits>;
using IconHandle = ScopedHandle<IconTraits>;
using Pidl = ScopedHandle<PidlTraits>;
using CoTaskText = ScopedHandle<CoTaskTextTraits>;
using KernelObject = ScopedHandle<KernelObjectTraits>;
using FontHandle = ScopedHandle<GdiObjectTraits<HFONT>>;
using BrushHandle = ScopedHandle<GdiObjectTraits<HBRUSH>>;
using WindowHandle = ScopedHandle<WindowTraits>;
using MemoryDc = ScopedHandle<MemoryDcTraits>;
using CursorHandle = ScopedHandle<CursorTraits>;

}  // namespace vantrelle::win32
