#include "cleaning/RunReport.h"

#include "base/Conversions.h"
#include "base/SizeText.h"
#include "cleaning/Catalogue.h"

namespace vantrelle::cleaning {

std::string LocationName(Location location, const Choices& choices, std::string_view moreId) {
  switch (location) {
    case Location::WindowsTemp: return "Windows Temp";
    case Location::RecycleBin: return "Recycle Bin";
    case Location::RecentDocuments: return "Recently Used Docs";
    case Location::UserTemp: return "User Temp (AppData)";
    case Location::SystemTemp: return "System Temp";
    case Location::OwnFolder: return "Own folder (" + choices.ownFolderPath + ")";
    case Location::Downloads: return "Downloads older than " + std::to_string(choices.downloadsDays) + " days";
    case Location::More: {
      const CatalogueRow* row = FindCatalogueRow(moreId);
      return row ? std::string(row->name) : std::string(moreId);
    }
    case Location::WindowsCleanup:
      for (const auto& handler : choices.windowsCleanups) {
        if (handler.keyName == moreId) return handler.displayName;
      }
      return std::string(moreId);
  }
  return {};
}

std::string Counted(const Locale& locale, std::uint64_t count, std::string_view singular, std::string_view plural) {
  return GroupedNumber(locale, count) + " " + std::string(count == 1 ? singular : plural);
}

std::string FurtherOutcomeText(Outcome outcome, std::string_view moreId, std::string_view failure) {
  switch (outcome) {
    case Outcome::NotFound: return "nothing found";
    case Outcome::Failed: return failure.empty() ? "failed" : "failed: " + std::string(failure);
    case Outcome::Skipped: {
      const CatalogueRow* row = FindCatalogueRow(moreId);
      return "skipped, " + std::string(row ? row->program : moreId) + " is running";
    }
    case Outcome::Stopped: return "stopped, the program was closed";
    default: return {};
  }
}

std::string ByWindowsCleanupText(const Locale& locale, std::uint64_t bytes, bool freed) {
  return ByteSizeText(locale, bytes) + (freed ? " freed" : " to be freed") + " by Windows' cleanup";
}

std::string ReasonText(LeftReason reason) {
  switch (reason) {
    case LeftReason::InUse: return "in use";
    case LeftReason::AccessDenied: return "access denied";
    case LeftReason::KeptAsRecent: return "kept as recent";
    case LeftReason::Link: return "a link left alone";
    case LeftReason::DeletedRecently: return "deleted recently";
    case LeftReason::NoDateDeleted: return "no readable date deleted";
    case LeftReason::ProgramRunning: return "its program is running";
  }
  return {};
}

std::string TriggerName(Trigger trigger) {
  switch (trigger) {
    case Trigger::Now: return "Now";
    case Trigger::Schedule: return "Schedule";
    case Trigger::CommandLine: return "Command line";
    case Trigger::LowDiskSpace: return "Low disk space";
  }
  return {};
}

std::string RefusalText(Location location) {
  return location == Location::OwnFolder ? "refused: a drive root, or a system or profile folder, or one holding one"
                                         : "refused: its name does not end in \"temp\"";
}

std::string MovedToRecycleBin(const Locale& locale, std::uint64_t files, std::uint64_t bytes) {
  return Counted(locale, files, "file", "files") + " moved to the Recycle Bin, " + ByteSizeText(locale, bytes);
}

std::string FreedAndLeft(const Locale& locale, const RunResult& result) {
  return ByteSizeText(locale, result.BytesFreed()) + " freed, " + GroupedNumber(locale, result.EntriesLeft()) + " left";
}

std::string LastRunLine(const Locale& locale, const RunResult& result, bool historySaved) {
  std::string line = "Last run: " + conversions::ShortDateText(locale, result.started) + " " +
                     conversions::TimeText(locale, result.started) + ": " +
                     Counted(locale, result.FilesDeleted(), "file", "files") + " deleted, " +
                     FreedAndLeft(locale, result);
  if (!historySaved) line += " (history not saved)";
  return line;
}

}  // namespace vantrelle::cleaning
