// The machine state on the real system: services through the service manager, the program's place
// and the security descriptors it is judged by, read from their SDDL as Windows writes them.
#include <windows.h>
#include <sddl.h>
#include <gtest/gtest.h>

#include "platform/win32/HeldProgramFile.h"
#include "platform/win32/Win32MachineState.h"

namespace vantrelle::win32 {
namespace {

bool OnlyAdministrators(const wchar_t* sddl) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  EXPECT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, nullptr));
  const bool only = platform::OnlyAdministratorsMayChange(SecurityOf(descriptor));
  LocalFree(descriptor);
  return only;
}

#define TI L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464"

TEST(Win32MachineState, ReadsSecurityAsWindowsWritesIt) {
  // Program Files on Windows 10/11, and the folder an installer made inside it.
  EXPECT_TRUE(
      OnlyAdministrators(
          L"O:" TI L"G:" TI L"D:PAI(A;;FA;;"
                            L";" TI L")(A;CIIO;GA;;"
                                    L";" TI L")(A;;0x1301bf;;;SY)(A;OICIIO;GA;;;SY)(A;;0x1301bf;;;BA)(A;OICIIO;GA;;;BA)"
          L"(A;;0x1200a9;;;BU)(A;OICIIO;GXGR;;;BU)(A;OICIIO;GA;;;CO)(A;;0x1200a9;;;S-1-15-2-1)"));
  EXPECT_TRUE(
      OnlyAdministrators(L"O:BAG:SYD:AI(A;ID;FA;;;SY)(A;OICIIOID;GA;;;SY)(A;ID;FA;;;BA)(A;ID;0x1200a9;;;BU)"
                         L"(A;OICIIOID;GA;;;CO)"));
  // A folder of the person's own (Downloads), and one where Users may change things.
  EXPECT_FALSE(
      OnlyAdministrators(L"O:S-1-5-21-1-2-3-1001D:(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FA;;;S-1-5-21-1-2-3-1001)"));
  EXPECT_FALSE(OnlyAdministrators(L"O:BAD:(A;;FA;;;BA)(A;;0x1301bf;;;BU)"));
  EXPECT_FALSE(OnlyAdministrators(L"O:BAD:(A;;FA;;;BA)(A;;FA;;;WD)"));
  // No access list at all lets everyone do everything.
  SECURITY_DESCRIPTOR open{};
  InitializeSecurityDescriptor(&open, SECURITY_DESCRIPTOR_REVISION);
  BYTE administrators[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof administrators;
  ASSERT_TRUE(CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &size));
  SetSecurityDescriptorOwner(&open, administrators, FALSE);
  SetSecurityDescriptorDacl(&open, TRUE, nullptr, FALSE);
  EXPECT_FALSE(platform::OnlyAdministratorsMayChange(SecurityOf(&open)));
}

TEST(Win32MachineState, ServicesAndThePlace) {
  Win32MachineState machine;
  EXPECT_EQ(machine.Service("Vantrelle No Such Service"), platform::ServiceState::NotInstalled);
  // The tests run from the build folder, not from Program Files.
  EXPECT_FALSE(machine.RunsFromProtectedFolder());
  const HeldProgramFile held;
  ASSERT_TRUE(held.Held());
  EXPECT_FALSE(Win32MachineState(&held).RunsFromProtectedFolder());
  // Held: readable, but neither written nor renamed meanwhile.
  const FileHandle reader(CreateFileW(held.Path().c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                      nullptr));
  EXPECT_TRUE(reader);
  const FileHandle writer(CreateFileW(held.Path().c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                      nullptr));
  EXPECT_FALSE(writer);
  EXPECT_FALSE(MoveFileW(held.Path().c_str(), (held.Path() + L".moved").c_str()));
}

}  // namespace
}  // namespace vantrelle::win32
