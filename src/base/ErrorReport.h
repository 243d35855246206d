#pragma once
#include <string>
#include <string_view>

#include "base/Texts.h"

namespace vantrelle {

// Location texts of the guarded routines; the trailing blank separates them from "at line ".
namespace location {
inline constexpr std::string_view kStartUp = "in Vantrelle2021/08/31.Form1.Form_Load ";
inline constexpr std::string_view kClosing = "in Vantrelle2021/08/31.Form1.Form_QueryUnload ";
inline constexpr std::string_view kHelpClicked = "in Vantrelle2021/08/31.Form1.PushButton1_Click ";
inline constexpr std::string_view kDeleteNowClicked = "in Vantrelle2021/08/31.Form1.PushButton2_Click ";
inline constexpr std::string_view kScheduleSwitchClicked = "in Vantrelle2021/08/31.Form1.PushButton4_Click ";
inline constexpr std::string_view kBrowseClicked = "in Vantrelle2021/08/31.Form1.PushButton9_Click ";
inline constexpr std::string_view kCountdownTick = "in Vantrelle2021/08/31.Form1.Timer1_Timer ";
inline constexpr std::string_view kDeletionRun = "in Vantrelle2021/08/31.modDeleteTempFiles.DeleteTemporaryFiles ";
}  // namespace location

// The report's title in English ("Application Error").
inline const std::string_view kErrorReportTitle = TextView(Language::English, TextId::ErrorReportTitle);
inline constexpr std::string_view kSupportAddress = "support@vantrelle.com";

// The text of the "Application Error" report; the location stays as it is in every language.
std::string ErrorReportText(std::string_view location, int line, std::string_view description,
                            Language language = Language::English);

// Where the failures of guarded routines go: the window shows each report in a box and waits for the
// person; a run without a window keeps them for its own report.
class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  virtual void Report(const std::string& text) = 0;
  // The language the reports are written in.
  virtual Language ReportLanguage() const { return Language::English; }
};

}  // namespace vantrelle
