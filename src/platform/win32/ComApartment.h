#pragma once
#include <windows.h>
#include <objbase.h>

namespace vantrelle::win32 {

// An apartment-threaded COM apartment on this thread for the object's life. A thread already in
// another apartment keeps its own (RPC_E_CHANGED_MODE) and is left as it is.
class ComApartment {
 public:
  ComApartment() : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (entered_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool entered_;
};

}  // namespace vantrelle::win32
