#pragma once
// Start with Windows: the program's value in the Run key. Whether it is on is known only from the
// settings store; the Run key is never read.
#include "platform/Platform.h"

namespace vantrelle::mStartUp {

// Writes the Run value for the running program (uses the platform's registry and environment).
// Does nothing when the program's own path is unknown.
void AddToStartUp(platform::Platform& platform);
// Deletes that value; nothing happens when there is none.
void RemoveFromStartUp(platform::Platform& platform);

}  // namespace vantrelle::mStartUp
