// Which copy may run for the machine: the rules on plain values (the Win32 layer reads them).
#include <gtest/gtest.h>

#include "platform/ProtectedPlace.h"

namespace vantrelle::platform {
namespace {

TEST(ProtectedPlace, OnlyAdministratorsSystemAndTrustedInstallerOwnOrMayChangeIt) {
  using enum AccessEntry::Kind;
  const std::string admins(kAdministratorsSid), users = "S-1-5-32-545", person = "S-1-5-21-1-2-3-1001";
  const AccessEntry readAndRun{Allows, users, 0x1200a9, false},
      installer{Allows, std::string(kTrustedInstallerSid), 0x1f01ff, false};
  const struct {
    const char* what;
    ObjectSecurity security;
    bool only;
  } cases[] = {
      {"Program Files", {std::string(kTrustedInstallerSid), true, {installer, readAndRun}}, true},
      {"for what is made inside only", {admins, true, {{Allows, "S-1-3-0", 0x10000000, true}}}, true},
      {"Users denied writing", {std::string(kSystemSid), true, {{Denies, users, 0x1301bf, false}}}, true},
      {"owned by the person", {person, true, {installer}}, false},
      {"no access list", {admins, false, {}}, false},
      {"the person may add a file", {admins, true, {readAndRun, {Allows, person, 0x2, false}}}, false},
      {"Users may append", {admins, true, {{Allows, users, 0x4, false}}}, false},
      {"Users may delete", {admins, true, {{Allows, users, 0x10000, false}}}, false},
      {"Users may change the list", {admins, true, {{Allows, users, 0x40000, false}}}, false},
      {"Everyone generic write", {admins, true, {{Allows, "S-1-1-0", 0x40000000, false}}}, false},
      {"a denial first does not count",
       {admins, true, {{Denies, users, 0x1301bf, false}, {Allows, users, 0x1301bf, false}}},
       false},
      {"an entry of an unknown kind", {admins, true, {{Unknown, "", 0, false}}}, false},
  };
  for (const auto& c : cases) EXPECT_EQ(OnlyAdministratorsMayChange(c.security), c.only) << c.what;
}

TEST(ProtectedPlace, InsideAFolderIsBelowItNeverBesideIt) {
  EXPECT_TRUE(InsideFolder("C:\\Program Files\\Vantrelle\\Vantrelle.exe", "C:\\Program Files"));
  EXPECT_TRUE(InsideFolder("c:\\PROGRAM FILES\\Vantrelle\\Vantrelle.exe", "C:\\Program Files\\"));
  EXPECT_FALSE(InsideFolder("C:\\Program Files (x86)\\Vantrelle.exe", "C:\\Program Files"));
  EXPECT_FALSE(InsideFolder("C:\\Program Files\\", "C:\\Program Files"));
  EXPECT_FALSE(InsideFolder("C:\\Users\\me\\Downloads\\Vantrelle.exe", "C:\\Program Files"));
  EXPECT_FALSE(InsideFolder("C:\\Users\\me\\Vantrelle.exe", ""));
}

}  // namespace
}  // namespace vantrelle::platform
