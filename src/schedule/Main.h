#pragma once
// Progress and the duration text of the countdown.
#include <cstdint>
#include <string>

namespace vantrelle {
class ProgressBar;

namespace Main {

// The bar's maximum becomes the interval; its position follows the count while the count is within it.
void UpdateProgress(ProgressBar& bar, std::int32_t interval, std::int32_t count);

// "hh:mm:ss", or from one whole day on "<days> day(s) and hh:mm:ss". A negative number of seconds
// is shown without its sign.
std::string FormatDuration(std::int32_t seconds);

}  // namespace Main
}  // namespace vantrelle
