#include "cleaning/PreviewAndHistoryTexts.h"

#include "base/SizeText.h"
#include "cleaning/RunReport.h"

namespace vantrelle::cleaning {

std::string FateText(const Locale& locale, const PreviewRow& row) {
  switch (row.fate) {
    case Fate::Deleted: return "deleted";
    case Fate::MovedToRecycleBin: return "moved to the Recycle Bin";
    case Fate::InUse: return "stays: in use";
    case Fate::AccessDenied: return "stays: access denied";
    case Fate::KeptAsRecent: return "stays: kept as recent";
    case Fate::Link: return "stays: a link";
    case Fate::DeletedRecently: return "stays: deleted recently";
    case Fate::NoDateDeleted: return "stays: no readable date deleted";
    case Fate::ProgramRunning: return "skipped: " + std::string(row.program) + " is running";
    case Fate::ByWindowsCleanup: return ByWindowsCleanupText(locale, row.size, false);
  }
  return {};
}

std::string UnreadLinesText(const Locale& locale, std::uint64_t lines) {
  if (lines == 0) return {};
  return Counted(locale, lines, "line", "lines") + " of the log could not be read";
}

std::string FreedSummaryText(const Locale& locale, int days, std::uint64_t bytes, std::uint64_t largestBytes,
                             std::string_view largestStamp) {
  const std::string period = "the last " + std::to_string(days) + " days";
  if (bytes == 0) return "Nothing was freed in " + period;
  return "Freed in " + period + ": " + ByteSizeText(locale, bytes) +
         "; the largest run: " + ByteSizeText(locale, largestBytes) + " on " + std::string(largestStamp);
}

}  // namespace vantrelle::cleaning
