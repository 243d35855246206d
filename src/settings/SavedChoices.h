#pragma once
#include "cleaning/DeletionRun.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::settings {

// What a run without the window cleans: the locations, the own folder and the hours of recent changes
// to keep as start-up would restore them into the window from the settings store, read as the window
// reads its boxes. A stored tick the window would refuse (no number) leaves that location unticked,
// as it leaves the box; stored hours it would refuse keep a year's changes, as the box's do.
cleaning::Choices SavedChoices(const platform::Platform& platform);

}  // namespace vantrelle::settings
