#include <windows.h>
#include <gtest/gtest.h>

#include <future>
#include <string>

#include "platform/win32/Win32RunLock.h"

namespace vantrelle::win32 {
namespace {

std::wstring TestName() { return L"Global\\Vantrelle.Test.RunLock." + std::to_wstring(GetCurrentProcessId()); }

// A mutex belongs to a thread, so the other run is played by another thread, as another process
// would hold it.
bool TriedElsewhere(const std::wstring& name, bool keepUntilDestroyed = false) {
  return std::async(std::launch::async,
                    [&] {
                      Win32RunLock other(name);
                      const bool taken = other.TryAcquire();
                      if (!keepUntilDestroyed) other.Release();
                      return taken;
                    })
      .get();
}

TEST(Win32RunLock, HeldByOneRunUntilReleasedOrDestroyed) {
  const std::wstring name = TestName();
  {
    Win32RunLock run(name);
    ASSERT_TRUE(run.TryAcquire());
    EXPECT_TRUE(run.TryAcquire());  // held already
    EXPECT_FALSE(TriedElsewhere(name));
    run.Release();
    EXPECT_TRUE(TriedElsewhere(name));
    ASSERT_TRUE(run.TryAcquire());
  }
  EXPECT_TRUE(TriedElsewhere(name));
}

TEST(Win32RunLock, ALockLeftByARunThatEndedWithoutReleasingIsTaken) {
  const std::wstring name = TestName() + L".abandoned";
  const KernelObject keepsTheName(CreateMutexW(nullptr, FALSE, name.c_str()));  // outlives the thread
  std::async(std::launch::async, [&] {
    const KernelObject mutex(OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, name.c_str()));
    WaitForSingleObject(mutex.Get(), 0);  // the thread ends holding it
  }).get();
  Win32RunLock run(name);
  EXPECT_TRUE(run.TryAcquire());
  EXPECT_FALSE(TriedElsewhere(name));
}

}  // namespace
}  // namespace vantrelle::win32
