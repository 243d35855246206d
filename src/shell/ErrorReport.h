#pragma once
#include <string>
#include <string_view>

namespace vantrelle {
namespace platform {
class MessageBoxService;
}

// Location texts of the guarded routines; the trailing blank separates them from "at line ".
namespace location {
inline constexpr std::string_view kFormLoad = "in Vantrelle2021/08/31.Form1.Form_Load ";
inline constexpr std::string_view kFormQueryUnload = "in Vantrelle2021/08/31.Form1.Form_QueryUnload ";
inline constexpr std::string_view kPushButton1Click = "in Vantrelle2021/08/31.Form1.PushButton1_Click ";
inline constexpr std::string_view kPushButton2Click = "in Vantrelle2021/08/31.Form1.PushButton2_Click ";
inline constexpr std::string_view kPushButton4Click = "in Vantrelle2021/08/31.Form1.PushButton4_Click ";
inline constexpr std::string_view kPushButton9Click = "in Vantrelle2021/08/31.Form1.PushButton9_Click ";
inline constexpr std::string_view kTimer1Timer = "in Vantrelle2021/08/31.Form1.Timer1_Timer ";
inline constexpr std::string_view kDeleteTemporaryFiles =
    "in Vantrelle2021/08/31.modDeleteTempFiles.DeleteTemporaryFiles ";
}  // namespace location

inline constexpr std::string_view kErrorReportTitle = "Application Error";
inline constexpr std::string_view kSupportAddress = "support@vantrelle.com";

// The text of the "Application Error" dialog.
std::string ErrorReportText(std::string_view location, int line, std::string_view description);

// Shows the "Application Error" dialog and returns when the person has closed it.
void ReportError(platform::MessageBoxService& messageBox, std::string_view location, int line,
                 std::string_view description);

}  // namespace vantrelle
