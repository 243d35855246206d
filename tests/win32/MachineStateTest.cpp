// The machine state on the real system: services, the program's place, and security descriptors
// read as Windows writes them (from their SDDL).
#include <windows.h>
#include <sddl.h>
#include <gtest/gtest.h>

#include "platform/win32/HeldProgramFile.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32MachineState.h"

namespace vantrelle::win32 {
namespace {

bool OnlyAdministrators(PSECURITY_DESCRIPTOR descriptor) {
  return platform::OnlyAdministratorsMayChange(SecurityOf(descriptor));
}

TEST(Win32MachineState, ReadsSecurityAsWindowsWritesIt) {
  // Program Files on Windows 10/11, a folder an installer made in it, the person's Downloads.
  const std::pair<const wchar_t*, bool> cases[] = {
      {L"O:S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464D:PAI(A;;FA;;;S-1-5-80-956008885-3418522649-"
       L"1831038044-1853292631-2271478464)(A;;0x1301bf;;;SY)(A;OICIIO;GA;;;SY)(A;;0x1301bf;;;BA)(A;;0x1200a9;;;BU)"
       L"(A;OICIIO;GXGR;;;BU)(A;OICIIO;GA;;;CO)(A;;0x1200a9;;;S-1-15-2-1)",
       true},
      {L"O:BAG:SYD:AI(A;ID;FA;;;SY)(A;ID;FA;;;BA)(A;ID;0x1200a9;;;BU)(A;OICIIOID;GA;;;CO)", true},
      {L"O:S-1-5-21-1-2-3-1001D:(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FA;;;S-1-5-21-1-2-3-1001)", false},
      {L"O:BAD:(A;;FA;;;BA)(A;;0x1301bf;;;BU)", false},
  };
  for (const auto& [sddl, only] : cases) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, nullptr));
    EXPECT_EQ(OnlyAdministrators(descriptor), only) << Narrow(sddl);
    LocalFree(descriptor);
  }
  // No access list at all lets everyone do everything.
  SECURITY_DESCRIPTOR open{};
  BYTE administrators[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof administrators;
  ASSERT_TRUE(CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &size));
  InitializeSecurityDescriptor(&open, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorOwner(&open, administrators, FALSE);
  SetSecurityDescriptorDacl(&open, TRUE, nullptr, FALSE);
  EXPECT_FALSE(OnlyAdministrators(&open));
}

TEST(Win32MachineState, ServicesThePlaceAndTheHeldFile) {
  EXPECT_EQ(Win32MachineState().Service("Vantrelle No Such Service"), platform::ServiceState::NotInstalled);
  // The tests run from the build folder, not from Program Files.
  EXPECT_FALSE(Win32MachineState().RunsFromProtectedFolder());
  const HeldProgramFile held;
  ASSERT_TRUE(held.Held());
  EXPECT_FALSE(Win32MachineState(&held).RunsFromProtectedFolder());
  // Held: readable, but neither written nor renamed meanwhile.
  constexpr DWORD kAnySharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  EXPECT_TRUE(
      FileHandle(CreateFileW(held.Path().c_str(), GENERIC_READ, kAnySharing, nullptr, OPEN_EXISTING, 0, nullptr)));
  EXPECT_FALSE(
      FileHandle(CreateFileW(held.Path().c_str(), GENERIC_WRITE, kAnySharing, nullptr, OPEN_EXISTING, 0, nullptr)));
  EXPECT_FALSE(MoveFileW(held.Path().c_str(), (held.Path() + L".moved").c_str()));
}

}  // namespace
}  // namespace vantrelle::win32
