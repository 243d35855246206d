#pragma once
// The machine's choices: the machine's piles of the catalogue ("<Id>") and the machine's Windows
// cleanups ("Windows.<key name>"), "1" chosen or "0", stored by an administrator under
// HKLM\Software\Marrowick\Vantrelle\System and forced by machine policy (REG_DWORD 1 or 0) under
// HKLM\Software\Policies\Marrowick\Vantrelle\System. Nothing the person can write is read: not the
// person's settings, not the person's policies, not the command line.
#include <string>

#include <string_view>
#include <vector>

#include "cleaning/DeletionRun.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::settings {

inline constexpr std::string_view kMachineChoicesKey = "Software\\Marrowick\\Vantrelle\\System";
inline constexpr std::string_view kMachinePolicyKey = "Software\\Policies\\Marrowick\\Vantrelle\\System";

// The value's effective state: the policy's where it holds 0 or 1, else the stored "1"; nothing
// chosen by default.
bool MachineChosen(const platform::Platform& platform, std::string_view valueName);
// Machine policy holds the value: it is shown locked and never stored.
bool MachineForced(const platform::Platform& platform, std::string_view valueName);
// Stores "1" or "0" under the machine's key (made when missing); false when the store refuses (no
// administrator's rights) or policy forces the value.
bool SaveMachineChoice(const platform::Platform& platform, std::string_view valueName, bool chosen);
// Every value name the machine's key and policy may hold: each machine row's id, then
// "Windows.<key name>" for each of the machine's handlers in the table.
std::vector<std::string> MachineValueNames();
// "System: <value name> = 1 (machine policy)" per value name, for /policyreport; the sources are
// "machine policy", "machine's choice" and "default".
std::string MachineChoicesReport(const platform::Platform& platform);
// What the machine's run cleans: its chosen rows and its chosen handlers among those registered.
cleaning::Choices MachineChoices(const platform::Platform& platform);

}  // namespace vantrelle::settings
