#pragma once
// The child copy of the program that runs Windows' cleanup handlers for its parent
// (IsolatedCleanupHandlers): one request read from standard input, answered on standard output.

namespace vantrelle::win32 {

// Runs on the calling thread, which must be in a single-threaded COM apartment; the process's
// exit code.
int RunCleanupHandlerHost();

}  // namespace vantrelle::win32
