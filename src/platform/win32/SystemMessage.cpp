#include "platform/win32/SystemMessage.h"

#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

std::string SystemMessage(std::uint32_t code, HMODULE module) {
  wchar_t* text = nullptr;
  const DWORD source = module ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM;
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | source | FORMAT_MESSAGE_IGNORE_INSERTS, module,
                                      code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring description = length ? std::wstring(text, length) : std::wstring();
  LocalFree(text);
  while (!description.empty() &&
         (description.back() == L'\n' || description.back() == L'\r' || description.back() == L' ')) {
    description.pop_back();
  }
  return Narrow(description);
}

}  // namespace vantrelle::win32
