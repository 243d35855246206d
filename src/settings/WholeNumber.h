#pragma once
// A whole number typed in a box or stored, within its bounds.
#include <cstdint>
#include <optional>
#include <string>

namespace vantrelle {
class Locale;
}

namespace vantrelle::settings {

// The text's value when it is a whole number from `least` to `most`; nothing otherwise.
std::optional<std::int64_t> WholeNumber(const Locale& locale, const std::string& text, std::int64_t least,
                                        std::int64_t most);

}  // namespace vantrelle::settings
