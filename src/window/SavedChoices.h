#pragma once
#include "cleaning/DeletionRun.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::settings {

// What a run without the window cleans: the locations and the own folder as start-up would restore
// them into the window from the settings store. A stored tick the window would refuse (no number)
// leaves that location unticked, as it leaves the box.
cleaning::Choices SavedChoices(const platform::Platform& platform);

}  // namespace vantrelle::settings
