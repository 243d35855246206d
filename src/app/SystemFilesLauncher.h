#pragma once
// The "Clean system files..." button's work: a copy of the program started with an administrator's
// consent (ShellExecuteEx "runas") and the one switch /system, which shows the "System files" window.
#include <windows.h>

#include <string>

#include "base/Locale.h"
#include "platform/MachineState.h"

namespace vantrelle::app {

// Only the installed program (in its protected folder) asks: any other copy says in a box over
// `owner` that cleaning system files needs it, and starts nothing. A consent prompt the person
// cancels is no error; any other failure is told in a box over `owner`.
void StartSystemFilesCopy(HWND owner, const std::wstring& program, const Locale& locale,
                          platform::MachineState& machine);

}  // namespace vantrelle::app
