#pragma once
#include <cstdint>

namespace vantrelle::platform {

// A moment as the file system stamps its entries: 100-nanosecond steps since 1601-01-01 UTC.
using FileTime = std::int64_t;
inline constexpr FileTime kFileTimePerSecond = 10'000'000;
inline constexpr FileTime kFileTimePerHour = 3600 * kFileTimePerSecond;

}  // namespace vantrelle::platform
