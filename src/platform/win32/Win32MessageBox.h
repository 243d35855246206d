#pragma once
#include <windows.h>

#include "platform/MessageBoxService.h"

namespace vantrelle::win32 {

class Win32MessageBox : public platform::MessageBoxService {
 public:
  // Boxes are owned by this window once it exists (so they stay above it and are modal to it).
  void SetOwner(HWND owner) { owner_ = owner; }
  void Show(const std::string& text, const std::string& title, platform::MessageIcon icon) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace vantrelle::win32
