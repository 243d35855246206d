#include "window/history/HistoryWindow.h"

#include <algorithm>
#include <numeric>

#include "base/Conversions.h"
#include "base/SizeText.h"
#include "base/Texts.h"
#include "cleaning/PreviewAndHistoryTexts.h"
#include "cleaning/RunHistory.h"
#include "cleaning/RunReport.h"
#include "platform/Clock.h"
#include "platform/TextFiles.h"

namespace vantrelle {

HistoryWindow::HistoryWindow(const platform::Platform& platform)
    : platform_(platform), path_(cleaning::HistoryPath(platform)) {
  if (!path_.empty() && platform_.textFiles) {
    read_ = cleaning::ReadHistoryText(platform_.textFiles->Read(path_).value_or(""));
  }
  const LocalTime today = platform_.clock ? platform_.clock->Now() : LocalTime{};
  days_ = cleaning::FreedPerDay(read_.runs, today, kDays);
  for (const auto& day : days_) {
    largestDay_ = std::max(largestDay_, std::accumulate(day.bytes.begin(), day.bytes.end(), std::uint64_t{0}));
  }
  chartText_ = cleaning::FreedPerDayText(*platform_.locale, read_.runs, today, kDays);
}

std::string HistoryWindow::UnreadText() const {
  return cleaning::UnreadLinesText(*platform_.locale, read_.unreadLines);
}

std::string HistoryWindow::LegendText(cleaning::RunKind kind) const {
  switch (kind) {
    case cleaning::RunKind::Scheduled: return Text(*platform_.locale, TextId::HistoryWindowScheduled);
    case cleaning::RunKind::LowSpace: return Text(*platform_.locale, TextId::HistoryWindowLowSpace);
    case cleaning::RunKind::Manual: return Text(*platform_.locale, TextId::HistoryWindowManual);
  }
  return {};
}

std::string HistoryWindow::ColumnName(HistoryColumn column) const {
  switch (column) {
    case HistoryColumn::Started: return Text(*platform_.locale, TextId::HistoryColumnStarted);
    case HistoryColumn::Trigger: return Text(*platform_.locale, TextId::HistoryColumnTrigger);
    case HistoryColumn::FilesDeleted: return Text(*platform_.locale, TextId::HistoryColumnFilesDeleted);
    case HistoryColumn::SpaceFreed: return Text(*platform_.locale, TextId::HistoryColumnSpaceFreed);
    case HistoryColumn::EntriesLeft: return Text(*platform_.locale, TextId::HistoryColumnEntriesLeft);
    case HistoryColumn::Failures: return Text(*platform_.locale, TextId::HistoryColumnFailures);
  }
  return {};
}

std::string HistoryWindow::SizeText(std::uint64_t bytes) const { return ByteSizeText(*platform_.locale, bytes); }

std::string HistoryWindow::CellText(std::size_t position, HistoryColumn column) const {
  const cleaning::HistoryRun& run = read_.runs.at(read_.runs.size() - 1 - position);
  const Locale& locale = *platform_.locale;
  switch (column) {
    case HistoryColumn::Started:
      return conversions::ShortDateText(locale, run.started) + " " + conversions::TimeText(locale, run.started);
    case HistoryColumn::Trigger: return cleaning::TriggerName(locale, run.trigger);
    case HistoryColumn::FilesDeleted: return GroupedNumber(locale, run.filesDeleted);
    case HistoryColumn::SpaceFreed: return ByteSizeText(locale, run.bytesFreed);
    case HistoryColumn::EntriesLeft: return GroupedNumber(locale, run.entriesLeft);
    case HistoryColumn::Failures: return GroupedNumber(locale, run.failures);
  }
  return {};
}

std::string HistoryWindow::OpenLog() const {
  if (path_.empty() || !platform_.textFiles->Exists(path_)) return Text(*platform_.locale, TextId::HistoryWindowNoLog);
  if (!platform_.shell->OpenDocument(path_)) return Text(*platform_.locale, TextId::HistoryWindowLogNotOpened, {path_});
  return {};
}

}  // namespace vantrelle
