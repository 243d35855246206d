#include "platform/win32/Win32MessageBox.h"

#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

void Win32MessageBox::Show(const std::string& text, const std::string& title, platform::MessageIcon icon) {
  UINT style = MB_OK;
  if (icon == platform::MessageIcon::Warning) style |= MB_ICONEXCLAMATION;
  MessageBoxW(owner_, Widen(text).c_str(), Widen(title).c_str(), style);
}

}  // namespace vantrelle::win32
