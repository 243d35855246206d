#pragma once
#include "commandline/Commands.h"

namespace vantrelle::commandline {

// /community: the list used (its path and version), the entries read, every entry and line with a
// problem and why, then each entry found on this computer with its category, "offered" or "partly
// refused" with each refused key and why, and whether it has registry parts (never cleaned). Exit 0;
// 2 without a list, with one that cannot be read, or when the administrator switched the feature off.
Finished CommunityReport(const platform::Platform& platform);

}  // namespace vantrelle::commandline
