#pragma once
// UTF-8 inside the logic, UTF-16 at the Win32 boundary.
#include <string>
#include <string_view>

namespace vantrelle::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace vantrelle::win32
