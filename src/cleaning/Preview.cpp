#include "cleaning/Preview.h"

#include <algorithm>
#include <optional>

#include "base/SizeText.h"
#include "base/Texts.h"
#include "cleaning/Catalogue.h"
#include "cleaning/CatalogueCleaner.h"
#include "cleaning/CatalogueRowState.h"
#include "cleaning/CommunityCleaner.h"
#include "cleaning/FolderCheck.h"
#include "cleaning/LongStanding.h"
#include "cleaning/Paths.h"
#include "cleaning/PreviewWalk.h"
#include "cleaning/RunHost.h"
#include "cleaning/RunReport.h"
#include "cleaning/ShellTargets.h"
#include "cleaning/WindowsCleanup.h"
#include "cleaning/WindowsTemp.h"
#include "platform/Clock.h"
#include "platform/FileServices.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/Storage.h"

namespace vantrelle::cleaning {

namespace {

std::uint64_t NotBelowZero(std::int64_t value) { return static_cast<std::uint64_t>(std::max<std::int64_t>(value, 0)); }

}  // namespace

// The caller's host, with every status text marked as the preview's.
class Preview::StatusHost : public RunHost {
 public:
  StatusHost(RunHost& host, const Locale& locale) : host_(host), locale_(locale) {}
  void ShowStatus(const std::string& text) override { host_.ShowStatus(Text(locale_, TextId::PreviewStatus, {text})); }
  void ShowMessage(const std::string& text) override { host_.ShowMessage(text); }
  void PauseSchedule() override { host_.PauseSchedule(); }
  void ResumeSchedule() override { host_.ResumeSchedule(); }
  std::optional<platform::WindowHandle> OwnerWindow() const override { return host_.OwnerWindow(); }
  ErrorReporter& Errors() override { return host_.Errors(); }
  bool StopRequested() const override { return host_.StopRequested(); }

 private:
  RunHost& host_;
  const Locale& locale_;
};

// One location's rows, each named after the location; nothing when no one wants rows.
class Preview::RowsOf {
 public:
  RowsOf(PreviewRowSink* sink, std::string location) : sink_(sink), location_(std::move(location)) {}
  // Rows that would go are told as skipped while the location's program runs (or its state cannot
  // be read).
  void SkippedFor(std::string_view program, LeftReason why) {
    program_ = program;
    skipped_ = FateOf(why);
  }
  void Add(std::string_view folder, const platform::DirectoryEntry& entry, Fate fate) {
    Add(folder, entry.name, entry.size, entry.written, fate, (entry.attributes & platform::attribute::kDirectory) != 0);
  }
  // A whole path, split at its last "\".
  void AddPath(std::string_view path, std::uint64_t size, platform::FileTime changed, Fate fate) {
    const auto slash = path.rfind('\\');
    if (slash == std::string_view::npos) return Add({}, path, size, changed, fate);
    Add(path.substr(0, slash), path.substr(slash + 1), size, changed, fate);
  }
  void Add(std::string_view folder, std::string_view name, std::uint64_t size, platform::FileTime changed, Fate fate,
           bool isFolder = false) {
    if (!sink_) return;
    const bool skipped = !program_.empty() && Goes(fate);
    sink_->Add({location_, skipped ? program_ : std::string_view(), folder, name, size, changed,
                skipped ? skipped_ : fate, isFolder});
  }
  bool Wanted() const { return sink_ != nullptr; }

 private:
  PreviewRowSink* sink_;
  std::string location_;
  std::string_view program_;
  Fate skipped_ = Fate::ProgramRunning;
};

Preview::Preview(const platform::Platform& platform, RunHost& host, PreviewRowSink* rows)
    : platform_(platform), host_(std::make_unique<StatusHost>(host, *platform.locale)), rows_(rows) {}

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

// Counts what a walk finds into the location's figures, each entry to its rows.
template <class Walker>
void Preview::Count(PreviewLocation& into, RowsOf& rows, Walker walk) {
  Tally tally;
  walk(tally, [&](std::string_view folder, const platform::DirectoryEntry& entry, Fate fate) {
    rows.Add(folder, entry, fate);
  });
  into.files += tally.filesDeleted;
  into.bytes += tally.bytesFreed;
}

void Preview::CountFolder(const FolderToEmpty& folder, const AgeRule& age, PreviewLocation& into, RowsOf& rows,
                          const TopLevelNames& names) {
  Count(into, rows, [&](Tally& tally, const FoundEntry& report) {
    WalkAsEmptied(platform_, *host_, folder, age, names, tally, report);
  });
}

Outcome Preview::CountCommunityEntry(CommunityGround& ground, const community::Entry& entry, const AgeRule& age,
                                     PreviewLocation& into, RowsOf& rows) {
  if (!ground.detector.Detected(ground.list, entry)) return Outcome::NotDetected;
  const bool found = ForEachCommunityFolder(
      platform_, ground, entry,
      [&](const std::string& path, std::unique_ptr<platform::OpenEntry> folder, const EntryRule& rule) {
        Count(into, rows, [&](Tally& tally, const FoundEntry& report) {
          WalkOpenedAsEmptied(platform_, *host_, std::move(folder), path, age, rule, tally, report);
        });
        return !host_->StopRequested();
      });
  return found ? Outcome::Emptied : Outcome::NotFound;
}

// What Windows' handler of that key name says it would free, also as the handler's one row.
Outcome Preview::MeasureHandlerInto(const std::string& keyName, PreviewLocation& into, RowsOf& rows) {
  const WindowsCleanupOutcome measured = MeasureWindowsHandler(platform_, *host_, keyName);
  into.byWindowsCleanup = true;
  into.bytes = measured.bytes;
  into.failure = measured.failure;
  if (measured.outcome == Outcome::Emptied) rows.Add({}, keyName, measured.bytes, 0, Fate::ByWindowsCleanup);
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
      const std::string name = LocationName(*platform_.locale, location, choices, moreId);
      host_->ShowStatus(name);
      RowsOf rows(rows_, name);
      try {
        into.outcome = count(into, rows);
      } catch (...) {
        into.outcome = Outcome::Failed;
      }
    }
    if (host_->StopRequested()) into.outcome = Outcome::Stopped;
  };
  const auto folderLocation = [&](PreviewLocation& into, RowsOf& rows) {
    const std::string folder = FolderOf(platform_, choices, into.location);
    const CheckedFolder checked = CheckFolder(platform_, folder, into.location == Location::OwnFolder);
    if (checked.check == FolderCheck::Refused) return Outcome::Refused;
    if (checked.check == FolderCheck::Missing) return Outcome::Failed;
    CountFolder(checked.target, age, into, rows);
    return Outcome::Emptied;
  };

  if (choices.windowsTemp) {
    walk(Location::WindowsTemp, [&](PreviewLocation& into, RowsOf& rows) {
      const auto folders = ChooseWindowsTempFolders(platform_, *host_);
      for (const auto& folder : folders) CountFolder(folder, age, into, rows);
      return folders.empty() ? Outcome::NotFound : Outcome::Emptied;
    });
  }
  if (choices.recycleBin) {
    walk(Location::RecycleBin, [&](PreviewLocation& into, RowsOf& rows) {
      if (choices.recycleBinDays > 0) {
        const auto sorted = SortRecycleBin(platform_, DaysBefore(now, choices.recycleBinDays));
        if (!sorted) return Outcome::Failed;
        for (const auto& item : sorted->old) {
          into.bytes += item.size;
          rows.AddPath(item.name, item.size, item.deleted.value_or(0), Fate::Deleted);
        }
        for (const auto& kept : sorted->kept) rows.AddPath(kept.path, 0, 0, FateOf(kept.reason));
        into.files = sorted->old.size();
        return Outcome::Emptied;
      }
      into.files = NotBelowZero(platform_.shell->RecycleBinItemCount(""));
      into.bytes = NotBelowZero(platform_.shell->RecycleBinSize(""));
      // The bin goes whole; its items are listed where the system lists them.
      if (rows.Wanted() && platform_.storage) {
        for (const auto& item : platform_.storage->RecycledItems().value_or(std::vector<platform::RecycledItem>{})) {
          rows.AddPath(item.name, item.size, item.deleted.value_or(0), Fate::Deleted);
        }
      }
      return Outcome::Emptied;
    });
  }
  if (choices.recentDocuments) {
    walk(Location::RecentDocuments, [&](PreviewLocation& into, RowsOf& rows) {
      return CountRecentDocuments(platform_, into.files, into.bytes,
                                  [&](std::string_view folder, const platform::DirectoryEntry& shortcut) {
                                    rows.Add(folder, shortcut, Fate::Deleted);
                                  })
                 ? Outcome::Emptied
                 : Outcome::Failed;
    });
  }
  if (choices.userTemp) walk(Location::UserTemp, folderLocation);
  if (choices.systemTemp) walk(Location::SystemTemp, folderLocation);
  if (choices.ownFolder) walk(Location::OwnFolder, folderLocation);
  if (choices.downloads) {
    walk(Location::Downloads, [&](PreviewLocation& into, RowsOf& rows) {
      const bool found = ForEachOldDownload(platform_, *host_, DaysBefore(now, choices.downloadsDays),
                                            [&](const std::string& path, const platform::DirectoryEntry& entry) {
                                              ++into.files;
                                              into.bytes += entry.size;
                                              rows.AddPath(path, entry.size, entry.written, Fate::MovedToRecycleBin);
                                            });
      return found ? Outcome::Emptied : Outcome::Failed;
    });
  }
  for (const CatalogueRow& row : FurtherRows(choices)) {
    if (std::find(choices.more.begin(), choices.more.end(), row.id) == choices.more.end()) continue;
    walk(
        Location::More,
        [&](PreviewLocation& into, RowsOf& rows) {
          if (CleanedByWindowsCleanup(platform_, row))
            return MeasureHandlerInto(std::string(row.cleanupHandler), into, rows);
          const std::string folder = RowFolder(platform_, row);
          if (folder.empty()) return Outcome::NotFound;
          // Counted all the same: what a run would find once the program has ended.
          const auto leftWhole = LeftWholeFor(platform_, row, folder);
          if (leftWhole) {
            rows.SkippedFor(row.program, *leftWhole);
            into.skippedFor = *leftWhole;
          }
          for (const CatalogueFolder& target : TargetFolders(platform_, row, folder)) {
            CountFolder(target.folder, age, into, rows, TopLevelNames{target.pattern, row.neverTouched});
          }
          return leftWhole ? Outcome::Skipped : Outcome::Emptied;
        },
        row.id);
  }
  for (const auto& handler : HandlersToRun(choices)) {
    walk(
        Location::WindowsCleanup,
        [&](PreviewLocation& into, RowsOf& rows) { return MeasureHandlerInto(handler.keyName, into, rows); },
        handler.keyName);
  }
  std::optional<CommunityGround> ground;
  for (const community::Entry* entry : CommunityEntriesToRun(choices)) {
    walk(
        Location::Community,
        [&](PreviewLocation& into, RowsOf& rows) {
          if (!ground) ground.emplace(platform_, *choices.communityList);
          return CountCommunityEntry(*ground, *entry, age, into, rows);
        },
        entry->name);
  }
  return result;
}

std::string PreviewText(const Locale& locale, const PreviewResult& result) {
  const auto figures = [&](std::uint64_t files, std::uint64_t bytes) {
    return Counted(locale, files, TextId::FileCountOne, TextId::FileCountMany) + ", " + ByteSizeText(locale, bytes);
  };
  std::string text;
  for (const auto& location : result.locations) {
    text += LocationName(locale, location.location, result.choices, location.moreId) + ": ";
    if (IsFurther(location.location) && location.outcome != Outcome::Emptied) {
      if (location.outcome == Outcome::Skipped) text += figures(location.files, location.bytes) + "; ";
      text += location.outcome == Outcome::Stopped ? Text(locale, TextId::PreviewStopped)
                                                   : FurtherOutcomeText(locale, location.outcome, location.moreId,
                                                                        location.failure, location.skippedFor);
      text += "\n";
      continue;
    }
    switch (location.outcome) {
      case Outcome::Emptied:
        text += location.byWindowsCleanup                  ? ByWindowsCleanupText(locale, location.bytes, false)
                : location.location == Location::Downloads ? MovedToRecycleBin(locale, location.files, location.bytes)
                                                           : figures(location.files, location.bytes);
        break;
      case Outcome::NotFound: text += Text(locale, TextId::NoTempFolderFound); break;
      case Outcome::Refused: text += RefusalText(locale, location.location); break;
      case Outcome::Stopped: text += Text(locale, TextId::PreviewStopped); break;
      default: text += Text(locale, TextId::PreviewNotReadable); break;
    }
    text += "\n";
  }
  return text + Text(locale, TextId::PreviewTotal, {figures(result.Files(), result.Bytes())});
}

}  // namespace vantrelle::cleaning
