#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBoxService.h"

namespace vantrelle::fake {

// Records every box shown; `onShow` lets a test act while a box is open (as a person would).
class FakeMessageBox : public platform::MessageBoxService {
 public:
  struct Shown {
    std::string text;
    std::string title;
    platform::MessageIcon icon;
  };
  void Show(const std::string& text, const std::string& title, platform::MessageIcon icon) override {
    shown.push_back({text, title, icon});
    if (onShow) onShow(shown.back());
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& s : shown) texts.push_back(s.text);
    return texts;
  }
  std::vector<Shown> shown;
  std::function<void(const Shown&)> onShow;
};

}  // namespace vantrelle::fake
