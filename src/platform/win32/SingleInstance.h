#pragma once
#include <string>

#include "platform/Instance.h"
#include "platform/win32/ScopedHandle.h"

namespace vantrelle::win32 {

// A named mutex in the session's Local\ namespace: the first copy creates it and keeps it open
// until it ends; a later copy finds it already there.
class SingleInstance : public platform::Instance {
 public:
  static constexpr wchar_t kDefaultName[] = L"Local\\Marrowick.Vantrelle.SingleInstance.7f3c2a91";
  explicit SingleInstance(std::wstring name = kDefaultName) : name_(std::move(name)) {}
  bool PreviousInstanceRunning() override;

 private:
  std::wstring name_;
  KernelObject mutex_;
  bool checked_ = false;
  bool previous_ = false;
};

}  // namespace vantrelle::win32
