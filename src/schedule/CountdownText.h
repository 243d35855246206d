#pragma once
#include <cstdint>
#include <string>

namespace vantrelle::schedule {

// The time left as the status line shows it: "hh:mm:ss", or from one whole day on
// "<days> day(s) and hh:mm:ss". A negative number of seconds is shown without its sign.
std::string CountdownText(std::int32_t seconds);

}  // namespace vantrelle::schedule
