#include "cleaning/Preview.h"

#include <algorithm>

#include "base/SizeText.h"
#include "cleaning/Catalogue.h"
#include "cleaning/CatalogueCleaner.h"
#include "cleaning/FolderCheck.h"
#include "cleaning/LongStanding.h"
#include "cleaning/Paths.h"
#include "cleaning/RunHost.h"
#include "cleaning/RunReport.h"
#include "cleaning/ShellTargets.h"
#include "cleaning/WindowsCleanup.h"
#include "cleaning/WindowsTemp.h"
#include "cleaning/YieldPacer.h"
#include "platform/Clock.h"
#include "platform/FileServices.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

namespace vantrelle::cleaning {

namespace {

constexpr const char* kPreviewing = "Preview, nothing is deleted: ";

std::uint64_t NotBelowZero(std::int64_t value) { return static_cast<std::uint64_t>(std::max<std::int64_t>(value, 0)); }

}  // namespace

// The caller's host, with every status text marked as the preview's.
class Preview::StatusHost : public RunHost {
 public:
  explicit StatusHost(RunHost& host) : host_(host) {}
  void ShowStatus(const std::string& text) override { host_.ShowStatus(kPreviewing + text); }
  void ShowMessage(const std::string& text) override { host_.ShowMessage(text); }
  void PauseSchedule() override { host_.PauseSchedule(); }
  void ResumeSchedule() override { host_.ResumeSchedule(); }
  std::optional<platform::WindowHandle> OwnerWindow() const override { return host_.OwnerWindow(); }
  ErrorReporter& Errors() override { return host_.Errors(); }
  bool StopRequested() const override { return host_.StopRequested(); }

 private:
  RunHost& host_;
};

Preview::Preview(const platform::Platform& platform, RunHost& host)
    : platform_(platform), host_(std::make_unique<StatusHost>(host)) {}

Preview::~Preview() = default;

std::uint64_t PreviewResult::Files() const {
  std::uint64_t sum = 0;
  for (const auto& location : locations) sum += location.files;
  return sum;
}

std::uint64_t PreviewResult::Bytes() const {
  std::uint64_t sum = 0;
  for (const auto& location : locations) sum += location.bytes;
  return sum;
}

// Counts the files the emptying would delete: every file below the folder that the age rule does not
// keep. Links are neither counted nor entered. Nothing is deleted, so a plain listing will do.
void Preview::CountFolder(const std::string& path, const AgeRule& age, PreviewLocation& into,
                          const TopLevelNames& names) {
  auto& files = *platform_.files;
  YieldPacer events(platform_, *host_);
  const std::string top = RemoveTrailingChar(path, '\\');
  std::vector<std::string> pending{top};
  while (!pending.empty() && !host_->StopRequested()) {
    const std::string folder = std::move(pending.back());
    pending.pop_back();
    host_->ShowStatus(folder);
    for (const auto& entry : files.List(folder)) {
      if (!events.DoEvents()) return;
      if (platform::IsLinkAttributes(entry.attributes)) continue;
      if (folder == top && !names.Allow(entry.name)) continue;
      if ((entry.attributes & platform::attribute::kDirectory) != 0) {
        pending.push_back(folder + "\\" + entry.name);
      } else if (!age.Keeps(entry.created, entry.written)) {
        ++into.files;
        into.bytes += entry.size;
      }
    }
  }
}

// What Windows' handler of that key name says it would free.
Outcome Preview::MeasureHandlerInto(const std::string& keyName, PreviewLocation& into) {
  const WindowsCleanupOutcome measured = MeasureWindowsHandler(platform_, *host_, keyName);
  into.byWindowsCleanup = true;
  into.bytes = measured.bytes;
  into.failure = measured.failure;
  return measured.outcome;
}

PreviewResult Preview::Walk(const Choices& choices) {
  PreviewResult result;
  result.choices = choices;
  const std::optional<platform::FileTime> now =
      platform_.clock ? std::optional(platform_.clock->FileTimeNow()) : std::nullopt;
  const AgeRule age = AgeRule::KeepingHours(now, choices.keepRecentHours);
  const auto walk = [&](Location location, auto&& count, std::string_view moreId = {}) {
    PreviewLocation& into = result.locations.emplace_back(PreviewLocation{location});
    into.moreId = moreId;
    // Once the program is ending, no location is walked further.
    if (!host_->StopRequested()) {
      host_->ShowStatus(LocationName(location, choices, moreId));
      try {
        into.outcome = count(into);
      } catch (...) {
        into.outcome = Outcome::Failed;
      }
    }
    if (host_->StopRequested()) into.outcome = Outcome::Stopped;
  };
  const auto folderLocation = [&](PreviewLocation& into) {
    const std::string folder = FolderOf(platform_, choices, into.location);
    const CheckedFolder checked = CheckFolder(platform_, folder, into.location == Location::OwnFolder);
    if (checked.check == FolderCheck::Refused) return Outcome::Refused;
    if (checked.check == FolderCheck::Missing) return Outcome::Failed;
    CountFolder(checked.target, age, into);
    return Outcome::Emptied;
  };

  if (choices.windowsTemp) {
    walk(Location::WindowsTemp, [&](PreviewLocation& into) {
      const auto folders = ChooseWindowsTempFolders(platform_, *host_);
      for (const auto& folder : folders) CountFolder(folder, age, into);
      return folders.empty() ? Outcome::NotFound : Outcome::Emptied;
    });
  }
  if (choices.recycleBin) {
    walk(Location::RecycleBin, [&](PreviewLocation& into) {
      if (choices.recycleBinDays > 0) {
        const auto sorted = SortRecycleBin(platform_, DaysBefore(now, choices.recycleBinDays));
        if (!sorted) return Outcome::Failed;
        for (const auto& item : sorted->old) into.bytes += item.size;
        into.files = sorted->old.size();
        return Outcome::Emptied;
      }
      into.files = NotBelowZero(platform_.shell->RecycleBinItemCount(""));
      into.bytes = NotBelowZero(platform_.shell->RecycleBinSize(""));
      return Outcome::Emptied;
    });
  }
  if (choices.recentDocuments) {
    walk(Location::RecentDocuments, [&](PreviewLocation& into) {
      return CountRecentDocuments(platform_, into.files, into.bytes) ? Outcome::Emptied : Outcome::Failed;
    });
  }
  if (choices.userTemp) walk(Location::UserTemp, folderLocation);
  if (choices.systemTemp) walk(Location::SystemTemp, folderLocation);
  if (choices.ownFolder) walk(Location::OwnFolder, folderLocation);
  if (choices.downloads) {
    walk(Location::Downloads, [&](PreviewLocation& into) {
      const bool found = ForEachOldDownload(platform_, *host_, DaysBefore(now, choices.downloadsDays),
                                            [&](const std::string&, const platform::DirectoryEntry& entry) {
                                              ++into.files;
                                              into.bytes += entry.size;
                                            });
      return found ? Outcome::Emptied : Outcome::Failed;
    });
  }
  for (const CatalogueRow& row : FurtherRows(choices)) {
    if (std::find(choices.more.begin(), choices.more.end(), row.id) == choices.more.end()) continue;
    walk(
        Location::More,
        [&](PreviewLocation& into) {
          if (CleanedByWindowsCleanup(platform_, row)) return MeasureHandlerInto(std::string(row.cleanupHandler), into);
          const std::string folder = RowFolder(platform_, row);
          if (folder.empty()) return Outcome::NotFound;
          for (const CatalogueFolder& target : TargetFolders(platform_, row, folder)) {
            CountFolder(target.path, age, into, TopLevelNames{target.pattern, row.neverTouched});
          }
          // Counted all the same: what a run would find once the program has ended.
          return ProgramRuns(platform_, row, folder) ? Outcome::Skipped : Outcome::Emptied;
        },
        row.id);
  }
  for (const auto& handler : HandlersToRun(choices)) {
    walk(
        Location::WindowsCleanup, [&](PreviewLocation& into) { return MeasureHandlerInto(handler.keyName, into); },
        handler.keyName);
  }
  return result;
}

std::string PreviewText(const Locale& locale, const PreviewResult& result) {
  const auto figures = [&](std::uint64_t files, std::uint64_t bytes) {
    return Counted(locale, files, "file", "files") + ", " + ByteSizeText(locale, bytes);
  };
  std::string text;
  for (const auto& location : result.locations) {
    text += LocationName(location.location, result.choices, location.moreId) + ": ";
    if (IsFurther(location.location) && location.outcome != Outcome::Emptied) {
      if (location.outcome == Outcome::Skipped) text += figures(location.files, location.bytes) + "; ";
      text += location.outcome == Outcome::Stopped
                  ? "stopped"
                  : FurtherOutcomeText(location.outcome, location.moreId, location.failure);
      text += "\n";
      continue;
    }
    switch (location.outcome) {
      case Outcome::Emptied:
        text += location.byWindowsCleanup                  ? ByWindowsCleanupText(locale, location.bytes, false)
                : location.location == Location::Downloads ? MovedToRecycleBin(locale, location.files, location.bytes)
                                                           : figures(location.files, location.bytes);
        break;
      case Outcome::NotFound: text += "no temporary folder found"; break;
      case Outcome::Refused: text += RefusalText(location.location); break;
      case Outcome::Stopped: text += "stopped"; break;
      default: text += "not found, or not readable"; break;
    }
    text += "\n";
  }
  return text + "Total: " + figures(result.Files(), result.Bytes());
}

}  // namespace vantrelle::cleaning
