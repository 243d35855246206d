// Which copy may run for the machine: the rules on plain values (the Win32 layer reads them).
#include <gtest/gtest.h>

#include "platform/ProtectedPlace.h"

namespace vantrelle::platform {
namespace {

using Kind = AccessEntry::Kind;

constexpr char kPerson[] = "S-1-5-21-1-2-3-1001";
constexpr char kUsers[] = "S-1-5-32-545";
constexpr std::uint32_t kFullControl = 0x1f01ff;
constexpr std::uint32_t kModify = 0x1301bf;
constexpr std::uint32_t kReadAndRun = 0x1200a9;

TEST(ProtectedPlace, OnlyAdministratorsSystemAndTrustedInstallerMayChangeIt) {
  // Program Files as Windows sets it up, and a folder the installer made in it (inherited).
  const std::vector<AccessEntry> windows = {
      {Kind::Allows, std::string(kTrustedInstallerSid), kFullControl, false},
      {Kind::Allows, std::string(kSystemSid), kModify, false},
      {Kind::Allows, std::string(kAdministratorsSid), kModify, false},
      {Kind::Allows, kUsers, kReadAndRun, false},
      {Kind::Allows, "S-1-3-0", 0x10000000, true},  // CREATOR OWNER, for what is made inside only
      {Kind::Allows, kUsers, 0xa0000000, true},
      {Kind::Allows, "S-1-15-2-1", kReadAndRun, false},
  };
  const struct {
    const char* what;
    ObjectSecurity security;
    bool only;
  } cases[] = {
      {"Program Files", {std::string(kTrustedInstallerSid), true, windows}, true},
      {"owned by Administrators", {std::string(kAdministratorsSid), true, windows}, true},
      {"owned by SYSTEM", {std::string(kSystemSid), true, windows}, true},
      {"owned by the person", {kPerson, true, windows}, false},
      {"no access list", {std::string(kAdministratorsSid), false, {}}, false},
      {"Users may modify", {std::string(kAdministratorsSid), true, {{Kind::Allows, kUsers, kModify, false}}}, false},
      {"the person may add a file",
       {std::string(kAdministratorsSid), true, {{Kind::Allows, kPerson, 0x2, false}}},
       false},
      {"Users may append", {std::string(kAdministratorsSid), true, {{Kind::Allows, kUsers, 0x4, false}}}, false},
      {"Users may delete", {std::string(kAdministratorsSid), true, {{Kind::Allows, kUsers, 0x10000, false}}}, false},
      {"Users may change the list",
       {std::string(kAdministratorsSid), true, {{Kind::Allows, kUsers, 0x40000, false}}},
       false},
      {"Everyone generic write",
       {std::string(kAdministratorsSid), true, {{Kind::Allows, "S-1-1-0", 0x40000000, false}}},
       false},
      {"denied first does not count",
       {std::string(kAdministratorsSid),
        true,
        {{Kind::Denies, kUsers, kModify, false}, {Kind::Allows, kUsers, kModify, false}}},
       false},
      {"Users denied writing", {std::string(kAdministratorsSid), true, {{Kind::Denies, kUsers, kModify, false}}}, true},
      {"an entry of an unknown kind", {std::string(kAdministratorsSid), true, {{Kind::Unknown, "", 0, false}}}, false},
      {"Wine's made-up security",
       {"S-1-5-21-0-0-0-1000",
        true,
        {{Kind::Allows, std::string(kSystemSid), kFullControl, false},
         {Kind::Allows, "S-1-5-21-0-0-0-1000", kFullControl, false}}},
       false},
  };
  for (const auto& c : cases) EXPECT_EQ(OnlyAdministratorsMayChange(c.security), c.only) << c.what;
}

TEST(ProtectedPlace, InsideAFolderIsBelowItNeverBesideIt) {
  EXPECT_TRUE(InsideFolder("C:\\Program Files\\Vantrelle\\Vantrelle.exe", "C:\\Program Files"));
  EXPECT_TRUE(InsideFolder("c:\\PROGRAM FILES\\Vantrelle\\Vantrelle.exe", "C:\\Program Files\\"));
  EXPECT_FALSE(InsideFolder("C:\\Program Files (x86)\\Vantrelle.exe", "C:\\Program Files"));
  EXPECT_FALSE(InsideFolder("C:\\Program Files", "C:\\Program Files"));
  EXPECT_FALSE(InsideFolder("C:\\Program Files\\", "C:\\Program Files"));
  EXPECT_FALSE(InsideFolder("C:\\Users\\me\\Downloads\\Vantrelle.exe", "C:\\Program Files"));
  EXPECT_FALSE(InsideFolder("C:\\Users\\me\\Vantrelle.exe", ""));
}

}  // namespace
}  // namespace vantrelle::platform
