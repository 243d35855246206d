#pragma once
#include <string>

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::settings {

class EffectiveSettings;

// Every policy value the program reads, with the effective value of its setting in the policy's own
// terms and where it comes from, then each value the Policies keys hold that was ignored, and why.
// One "Name = value (source)" line per value.
std::string PolicyReport(const platform::Platform& platform, EffectiveSettings& settings);

}  // namespace vantrelle::settings
