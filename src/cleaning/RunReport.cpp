#include "cleaning/RunReport.h"

#include "base/Conversions.h"
#include "base/SizeText.h"
#include "cleaning/Catalogue.h"

namespace vantrelle::cleaning {

std::string LocationName(const Locale& locale, Location location, const Choices& choices, std::string_view moreId) {
  switch (location) {
    case Location::WindowsTemp: return Text(locale, TextId::LocationWindowsTemp);
    case Location::RecycleBin: return Text(locale, TextId::LocationRecycleBin);
    case Location::RecentDocuments: return Text(locale, TextId::LocationRecentDocuments);
    case Location::UserTemp: return Text(locale, TextId::LocationUserTemp);
    case Location::SystemTemp: return Text(locale, TextId::LocationSystemTemp);
    case Location::OwnFolder: return Text(locale, TextId::LocationOwnFolder, {choices.ownFolderPath});
    case Location::Downloads:
      return Text(locale, choices.downloadsDays == 1 ? TextId::LocationDownloadsOne : TextId::LocationDownloadsMany,
                  {std::to_string(choices.downloadsDays)});
    case Location::More: {
      const CatalogueRow* row = FindCatalogueRow(moreId);
      return row ? Text(locale, row->name) : std::string(moreId);
    }
    case Location::WindowsCleanup:
      for (const auto& handler : choices.windowsCleanups) {
        if (handler.keyName == moreId) return handler.displayName;
      }
      return std::string(moreId);
    case Location::Community: return std::string(moreId);  // the entry's own name, in any language
  }
  return {};
}

std::string Counted(const Locale& locale, std::uint64_t count, TextId one, TextId many) {
  return Text(locale, count == 1 ? one : many, {GroupedNumber(locale, count)});
}

std::string FurtherOutcomeText(const Locale& locale, Outcome outcome, std::string_view moreId, std::string_view failure,
                               LeftReason skippedFor) {
  switch (outcome) {
    case Outcome::NotFound: return Text(locale, TextId::OutcomeNothingFound);
    case Outcome::Failed:
      return failure.empty() ? Text(locale, TextId::OutcomeFailed) : Text(locale, TextId::OutcomeFailedWhy, {failure});
    case Outcome::Skipped: {
      const CatalogueRow* row = FindCatalogueRow(moreId);
      return Text(locale,
                  skippedFor == LeftReason::StateUnreadable ? TextId::OutcomeSkippedStateUnreadable
                                                            : TextId::OutcomeSkippedWhileRunning,
                  {row ? row->program : moreId});
    }
    case Outcome::Stopped: return Text(locale, TextId::OutcomeStoppedByClosing);
    case Outcome::NotDetected: return Text(locale, TextId::CommunityNotDetected);
    default: return {};
  }
}

LeftReason SkippedFor(const Tally& tally) {
  return tally.left.empty() ? LeftReason::ProgramRunning : tally.left.back().reason;
}

std::string ByWindowsCleanupText(const Locale& locale, std::uint64_t bytes, bool freed) {
  return Text(locale, freed ? TextId::FreedByWindowsCleanup : TextId::ToBeFreedByWindowsCleanup,
              {ByteSizeText(locale, bytes)});
}

std::string ReasonText(const Locale& locale, LeftReason reason) {
  switch (reason) {
    case LeftReason::InUse: return Text(locale, TextId::LeftInUse);
    case LeftReason::AccessDenied: return Text(locale, TextId::LeftAccessDenied);
    case LeftReason::KeptAsRecent: return Text(locale, TextId::LeftKeptAsRecent);
    case LeftReason::Link: return Text(locale, TextId::LeftLink);
    case LeftReason::DeletedRecently: return Text(locale, TextId::LeftDeletedRecently);
    case LeftReason::NoDateDeleted: return Text(locale, TextId::LeftNoDateDeleted);
    case LeftReason::ProgramRunning: return Text(locale, TextId::LeftProgramRunning);
    case LeftReason::StateUnreadable: return Text(locale, TextId::LeftStateUnreadable);
  }
  return {};
}

TextId TriggerTextId(Trigger trigger) {
  switch (trigger) {
    case Trigger::Now: return TextId::TriggerNow;
    case Trigger::Schedule: return TextId::TriggerSchedule;
    case Trigger::CommandLine: return TextId::TriggerCommandLine;
    case Trigger::LowDiskSpace: return TextId::TriggerLowDiskSpace;
  }
  return TextId::TriggerNow;
}

std::string TriggerName(const Locale& locale, Trigger trigger) { return Text(locale, TriggerTextId(trigger)); }

std::string RefusalText(const Locale& locale, Location location) {
  return Text(locale, location == Location::OwnFolder ? TextId::RefusedOwnFolder : TextId::RefusedNotTemp);
}

std::string MovedToRecycleBin(const Locale& locale, std::uint64_t files, std::uint64_t bytes) {
  return Text(locale, TextId::MovedToRecycleBin,
              {Counted(locale, files, TextId::FileCountOne, TextId::FileCountMany), ByteSizeText(locale, bytes)});
}

std::string FreedAndLeft(const Locale& locale, const RunResult& result) {
  return Text(locale, TextId::FreedAndLeft,
              {ByteSizeText(locale, result.BytesFreed()), GroupedNumber(locale, result.EntriesLeft())});
}

std::string LastRunLine(const Locale& locale, const RunResult& result, bool historySaved) {
  return Text(locale, historySaved ? TextId::LastRun : TextId::LastRunHistoryNotSaved,
              {conversions::ShortDateText(locale, result.started), conversions::TimeText(locale, result.started),
               Counted(locale, result.FilesDeleted(), TextId::FileCountOne, TextId::FileCountMany),
               FreedAndLeft(locale, result)});
}

}  // namespace vantrelle::cleaning
