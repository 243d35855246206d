#include "settings/RunRecord.h"

#include "base/Texts.h"
#include "cleaning/RunHistory.h"
#include "cleaning/RunReport.h"
#include "platform/Platform.h"
#include "settings/Settings.h"

namespace vantrelle::settings {

RunRecord RecordRun(const platform::Platform& platform, const cleaning::RunResult& result) {
  const Locale& locale = *platform.locale;
  // What is stored reads the same whatever the person's language; what is shown is in that language.
  const LocaleInLanguage english(locale, Language::English);
  RunRecord record;
  record.historyBlock = cleaning::HistoryBlock(locale, result);
  const bool saved = cleaning::SaveToHistory(platform, cleaning::HistoryBlock(locale, Language::English, result));
  record.lastRunLine = cleaning::LastRunLine(locale, result, saved);
  try {
    Save(*platform.settings, kLastRunSummary, cleaning::LastRunLine(english, result, saved));
  } catch (...) {
    // The line is a convenience: a store that refuses it must not turn a finished run into a failure.
  }
  return record;
}

}  // namespace vantrelle::settings
