#include "platform/win32/SingleInstance.h"

namespace vantrelle::win32 {

bool SingleInstance::PreviousInstanceRunning() {
  // The answer cannot change for this process once it has claimed the name or found it taken.
  if (checked_) return previous_;
  checked_ = true;
  mutex_.Reset(CreateMutexW(nullptr, FALSE, name_.c_str()));
  // A name that is taken by another kind of object also means we cannot be the first copy.
  const DWORD error = GetLastError();
  previous_ = error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED || !mutex_.IsValid();
  if (previous_) mutex_.Reset();
  return previous_;
}

}  // namespace vantrelle::win32
