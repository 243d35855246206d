#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace vantrelle::win32 {

// The system's own text for an error code or HRESULT, without its line break; "" when it has none.
// `module`: a loaded DLL whose message table holds the code (winhttp.dll for 12xxx), else the system's.
std::string SystemMessage(std::uint32_t code, HMODULE module = nullptr);

}  // namespace vantrelle::win32
