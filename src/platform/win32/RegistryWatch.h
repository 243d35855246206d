#pragma once
// Tells when a registry key, or anything below it, changes: an event the message loop can wait on.
// A key that does not exist yet is watched through its nearest existing parent, so its creation is
// seen too. Owned and armed on one thread (the window's): the notification ends with that thread.
#include <windows.h>

#include <string>

#include "platform/win32/ScopedHandle.h"

namespace vantrelle::win32 {

class RegistryWatch {
 public:
  RegistryWatch(HKEY root, std::wstring subKey);
  RegistryWatch(const RegistryWatch&) = delete;
  RegistryWatch& operator=(const RegistryWatch&) = delete;

  // Asks for the next change; call again after each signal, before reading the key. False when
  // nothing can be watched.
  bool Arm();
  // Signalled on a change; nullptr when there is no event.
  HANDLE Event() const { return event_.Get(); }

 private:
  HKEY root_;
  std::wstring subKey_;
  RegKey key_;
  KernelObject event_;
};

}  // namespace vantrelle::win32
