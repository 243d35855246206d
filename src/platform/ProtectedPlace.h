#pragma once
// Whether a file lies where only administrators can change it, decided from plain values: where it
// lies, and what the system reports of the security of it and of the folders above it. The Win32
// machine state reads those values (Win32MachineState::RunsFromProtectedFolder); the rules are here,
// portable, so that they are tested natively.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrelle::platform {

// The accounts that may change the installed program: Administrators, SYSTEM and TrustedInstaller.
inline constexpr std::string_view kAdministratorsSid = "S-1-5-32-544";
inline constexpr std::string_view kSystemSid = "S-1-5-18";
inline constexpr std::string_view kTrustedInstallerSid =
    "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

// What an access entry grants that changes the object: write (for a folder, add a file), append (add
// a folder), write extended attributes, delete a child, write attributes, delete, change the access
// list or the owner, and the generic write and all.
inline constexpr std::uint32_t kChangingAccess =
    0x2 | 0x4 | 0x10 | 0x40 | 0x100 | 0x10000 | 0x40000 | 0x80000 | 0x10000000 | 0x40000000;

// One entry of an object's access list, as the system reports it.
struct AccessEntry {
  enum class Kind {
    Allows,
    Denies,
    Unknown,  // a kind this program does not read (object or conditional entries): taken as allowing
              // anyone everything
  };
  Kind kind = Kind::Unknown;
  std::string sid;  // "S-1-5-32-544"
  std::uint32_t mask = 0;
  bool inheritOnly = false;  // applies only to what is made inside it, not to the object itself
};

struct ObjectSecurity {
  std::string owner;    // the owner's SID, who may always change the access list
  bool hasList = true;  // false: no access list at all, which lets everyone do everything
  std::vector<AccessEntry> entries;
};

// None but Administrators, SYSTEM and TrustedInstaller own the object or are allowed to change it.
// Entries that deny are not counted on: an entry that allows an account anything changing refuses,
// whatever stands before it.
bool OnlyAdministratorsMayChange(const ObjectSecurity& security);

// `path` lies inside `folder` (both full paths, compared without regard to the case of ASCII
// letters; a trailing backslash of the folder does not count): "C:\Program Files\V\V.exe" inside
// "C:\Program Files", never "C:\Program Files (x86)\V.exe" nor the folder itself.
bool InsideFolder(std::string_view path, std::string_view folder);

}  // namespace vantrelle::platform
