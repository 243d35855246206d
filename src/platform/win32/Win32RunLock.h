#pragma once
#include <string>

#include "platform/RunLock.h"
#include "platform/win32/ScopedHandle.h"

namespace vantrelle::win32 {

// A named mutex in the Global\ namespace, so that runs in every session (a scheduled task running
// as another account among them) keep apart; anyone may wait for it and take it.
class Win32RunLock : public platform::RunLock {
 public:
  static constexpr wchar_t kDefaultName[] = L"Global\\Marrowick.Vantrelle.CleaningRun";
  explicit Win32RunLock(std::wstring name = kDefaultName) : name_(std::move(name)) {}
  Win32RunLock(const Win32RunLock&) = delete;
  Win32RunLock& operator=(const Win32RunLock&) = delete;
  ~Win32RunLock() override { Release(); }

  bool TryAcquire() override;
  void Release() override;

 private:
  std::wstring name_;
  KernelObject mutex_;
  bool held_ = false;
};

}  // namespace vantrelle::win32
