#pragma once
#include "platform/Instance.h"

namespace vantrelle::fake {

class FakeInstance : public platform::Instance {
 public:
  bool PreviousInstanceRunning() override {
    ++checks;
    return previousRunning;
  }
  bool previousRunning = false;
  int checks = 0;
};

}  // namespace vantrelle::fake
