#include "settings/RunRecord.h"

#include "cleaning/RunHistory.h"
#include "cleaning/RunReport.h"
#include "platform/Platform.h"
#include "settings/Settings.h"

namespace vantrelle::settings {

RunRecord RecordRun(const platform::Platform& platform, const cleaning::RunResult& result) {
  const Locale& locale = *platform.locale;
  RunRecord record;
  record.historyBlock = cleaning::HistoryBlock(locale, result);
  const bool saved = cleaning::SaveToHistory(platform, record.historyBlock);
  record.lastRunLine = cleaning::LastRunLine(locale, result, saved);
  try {
    Save(*platform.settings, kLastRunSummary, record.lastRunLine);
  } catch (...) {
    // The line is a convenience: a store that refuses it must not turn a finished run into a failure.
  }
  return record;
}

}  // namespace vantrelle::settings
