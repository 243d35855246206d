#include "base/ErrorReport.h"

namespace vantrelle {

std::string ErrorReportText(std::string_view location, int line, std::string_view description, Language language) {
  return FormatText(TextView(language, TextId::ErrorReport),
                    {description, location, std::to_string(line), kSupportAddress});
}

}  // namespace vantrelle
