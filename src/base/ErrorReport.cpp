#include "base/ErrorReport.h"

namespace vantrelle {

std::string ErrorReportText(std::string_view location, int line, std::string_view description) {
  std::string text(description);
  text += "\r\n";
  text += location;
  text += "at line ";
  text += std::to_string(line);
  text += "\r\r";
  text += "Please email screenshot of this message to ";
  text += kSupportAddress;
  return text;
}

}  // namespace vantrelle
