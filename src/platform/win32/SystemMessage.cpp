#include "platform/win32/SystemMessage.h"

#include <windows.h>

#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

std::string SystemMessage(std::uint32_t code) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring description = length ? std::wstring(text, length) : std::wstring();
  LocalFree(text);
  while (!description.empty() &&
         (description.back() == L'\n' || description.back() == L'\r' || description.back() == L' ')) {
    description.pop_back();
  }
  return Narrow(description);
}

}  // namespace vantrelle::win32
