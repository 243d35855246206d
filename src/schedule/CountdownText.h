#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Locale.h"

namespace vantrelle::schedule {

// The time left as the status line shows it: "hh:mm:ss", or from one whole day on
// "<days> day(s) and hh:mm:ss". A negative number of seconds is shown without its sign.
std::string CountdownText(std::int32_t seconds, Language language = Language::English);

// The same text after `prefix`, written into `buffer` (no allocation: the countdown writes it every
// second); what was written. 64 characters always suffice beyond the prefix.
std::string_view CountdownText(std::string_view prefix, std::int32_t seconds, char* buffer, std::size_t size,
                               Language language = Language::English);

}  // namespace vantrelle::schedule
