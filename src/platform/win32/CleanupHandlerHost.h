#pragma once
// The child copy of the program that runs Windows' cleanup handlers for its parent
// (IsolatedCleanupHandlers): one request read from one pipe of its own, answered on the other. Its
// standard handles lead nowhere, so nothing a handler prints reaches the parent.
#include <windows.h>

namespace vantrelle::win32 {

// Before anything else runs in the host: no fault dialog, and an unhandled exception (a handler
// that crashes) ends the process at once instead of waiting on a crash report, so that the parent
// sees the host end and says "stopped answering".
void EndOnCrash();

// Runs on the calling thread, which must be in a single-threaded COM apartment; the process's exit
// code. `request` and `answer` are the inherited pipe ends the parent named on the command line.
int RunCleanupHandlerHost(HANDLE request, HANDLE answer);

}  // namespace vantrelle::win32
