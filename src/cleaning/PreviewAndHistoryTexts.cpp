#include "cleaning/PreviewAndHistoryTexts.h"

#include "base/SizeText.h"
#include "base/Texts.h"
#include "cleaning/RunReport.h"

namespace vantrelle::cleaning {

std::string FateText(const Locale& locale, const PreviewRow& row) {
  switch (row.fate) {
    case Fate::Deleted: return Text(locale, TextId::FateDeleted);
    case Fate::MovedToRecycleBin: return Text(locale, TextId::FateMovedToRecycleBin);
    case Fate::InUse: return Text(locale, TextId::FateInUse);
    case Fate::AccessDenied: return Text(locale, TextId::FateAccessDenied);
    case Fate::KeptAsRecent: return Text(locale, TextId::FateKeptAsRecent);
    case Fate::Link: return Text(locale, TextId::FateLink);
    case Fate::DeletedRecently: return Text(locale, TextId::FateDeletedRecently);
    case Fate::NoDateDeleted: return Text(locale, TextId::FateNoDateDeleted);
    case Fate::ProgramRunning: return Text(locale, TextId::FateProgramRunning, {row.program});
    case Fate::StateUnreadable: return Text(locale, TextId::FateStateUnreadable, {row.program});
    case Fate::ByWindowsCleanup: return ByWindowsCleanupText(locale, row.size, false);
  }
  return {};
}

std::string PreviewColumnName(const Locale& locale, PreviewColumn column) {
  switch (column) {
    case PreviewColumn::Location: return Text(locale, TextId::PreviewColumnLocation);
    case PreviewColumn::Name: return Text(locale, TextId::PreviewColumnName);
    case PreviewColumn::Folder: return Text(locale, TextId::PreviewColumnFolder);
    case PreviewColumn::Size: return Text(locale, TextId::PreviewColumnSize);
    case PreviewColumn::Changed: return Text(locale, TextId::PreviewColumnChanged);
    case PreviewColumn::WhatHappens: return Text(locale, TextId::PreviewColumnWhatHappens);
  }
  return {};
}

std::string UnreadLinesText(const Locale& locale, std::uint64_t lines) {
  if (lines == 0) return {};
  return Text(locale, lines == 1 ? TextId::HistoryUnreadLinesOne : TextId::HistoryUnreadLinesMany,
              {GroupedNumber(locale, lines)});
}

std::string FreedSummaryText(const Locale& locale, int days, std::uint64_t bytes, std::uint64_t largestBytes,
                             std::string_view largestStamp) {
  const std::string period = std::to_string(days);
  if (bytes == 0) return Text(locale, TextId::HistoryNothingFreed, {period});
  return Text(locale, TextId::HistoryFreedAndLargestRun,
              {period, ByteSizeText(locale, bytes), ByteSizeText(locale, largestBytes), largestStamp});
}

}  // namespace vantrelle::cleaning
