#pragma once
#include <string>

namespace vantrelle::platform {

enum class MessageIcon { None, Warning };

// A modal message box with an OK button only; returns when the person has closed it.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual void Show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

}  // namespace vantrelle::platform
