#pragma once
#include <string>

#include "base/ErrorReport.h"
#include "platform/MessageBoxService.h"

namespace vantrelle {

// The "Application Error" box: each report waits for the person before the routine goes on.
class ErrorReportBox : public ErrorReporter {
 public:
  explicit ErrorReportBox(platform::MessageBoxService& box) : box_(box) {}
  void Report(const std::string& text) override {
    box_.Show(text, std::string(kErrorReportTitle), platform::MessageIcon::Warning);
  }

 private:
  platform::MessageBoxService& box_;
};

}  // namespace vantrelle
