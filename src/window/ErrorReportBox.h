#pragma once
#include <string>

#include "base/ErrorReport.h"
#include "base/Locale.h"
#include "platform/MessageBoxService.h"

namespace vantrelle {

// The "Application Error" box: each report waits for the person before the routine goes on. It is
// written in the person's display language (English without a locale).
class ErrorReportBox : public ErrorReporter {
 public:
  explicit ErrorReportBox(platform::MessageBoxService& box, const Locale* locale = nullptr)
      : box_(box), locale_(locale) {}
  void Report(const std::string& text) override {
    box_.Show(text, Text(ReportLanguage(), TextId::ErrorReportTitle), platform::MessageIcon::Warning);
  }
  Language ReportLanguage() const override { return locale_ ? locale_->DisplayLanguage() : Language::English; }

 private:
  platform::MessageBoxService& box_;
  const Locale* locale_;
};

}  // namespace vantrelle
