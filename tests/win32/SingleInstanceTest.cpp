#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/SingleInstance.h"

namespace vantrelle::win32 {
namespace {

std::wstring TestName() { return L"Local\\Vantrelle.Test." + std::to_wstring(GetCurrentProcessId()); }

TEST(SingleInstance, OnlyTheFirstCopyRunsUntilItEnds) {
  {
    SingleInstance first(TestName());
    SingleInstance second(TestName());
    EXPECT_FALSE(first.PreviousInstanceRunning());
    EXPECT_TRUE(second.PreviousInstanceRunning());
    EXPECT_FALSE(first.PreviousInstanceRunning());  // asking again does not change the answer
  }
  SingleInstance afterwards(TestName());
  EXPECT_FALSE(afterwards.PreviousInstanceRunning());
}

TEST(SingleInstance, ANameTakenByAnotherKindOfObjectCountsAsRunning) {
  const std::wstring name = TestName() + L".event";
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, name.c_str());
  SingleInstance copy(name);
  EXPECT_TRUE(copy.PreviousInstanceRunning());
  CloseHandle(event);
}

}  // namespace
}  // namespace vantrelle::win32
