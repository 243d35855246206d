#include "platform/win32/Win32RunLock.h"

#include <windows.h>
#include <sddl.h>

namespace vantrelle::win32 {

namespace {

constexpr DWORD kWaitAndRelease = SYNCHRONIZE | MUTEX_MODIFY_STATE;

// Whoever creates the mutex, every account may wait for it and release it.
HANDLE OpenOrCreate(const std::wstring& name) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;0x00100001;;;WD)", SDDL_REVISION_1, &descriptor,
                                                            nullptr)) {
    descriptor = nullptr;
  }
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  HANDLE mutex = CreateMutexExW(descriptor ? &attributes : nullptr, name.c_str(), 0, kWaitAndRelease);
  if (descriptor) LocalFree(descriptor);
  return mutex;
}

}  // namespace

bool Win32RunLock::TryAcquire() {
  if (held_) return true;
  if (!mutex_.IsValid()) mutex_.Reset(OpenOrCreate(name_));
  // Without the mutex nothing can be kept apart; a run that waited for nothing would never start.
  if (!mutex_.IsValid()) return true;
  // An abandoned mutex belonged to a run that ended without releasing it: it is ours now.
  const DWORD result = WaitForSingleObject(mutex_.Get(), 0);
  held_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
  return held_;
}

void Win32RunLock::Release() {
  if (!held_) return;
  held_ = false;
  ReleaseMutex(mutex_.Get());
}

}  // namespace vantrelle::win32
