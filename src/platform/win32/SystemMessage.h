#pragma once
#include <cstdint>
#include <string>

namespace vantrelle::win32 {

// The system's own text for an error code or HRESULT, without its line break; "" when it has none.
std::string SystemMessage(std::uint32_t code);

}  // namespace vantrelle::win32
