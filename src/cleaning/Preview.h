#pragma once
// What a run would delete, found without deleting anything: the chosen locations walked with the
// run's own rules (the age rule, links never followed, the folder checks).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cleaning/DeletionRun.h"
#include "cleaning/FolderEmptier.h"
#include "cleaning/PreviewRows.h"

namespace vantrelle {
class Locale;
}

namespace vantrelle::community {
struct Entry;
}

namespace vantrelle::cleaning {

struct CommunityGround;

struct PreviewLocation {
  Location location;
  Outcome outcome = Outcome::NotChosen;  // Emptied: walked (nothing is emptied)
  std::uint64_t files = 0;
  std::uint64_t bytes = 0;
  std::string moreId = {};        // as the run's LocationResult::moreId
  bool byWindowsCleanup = false;  // `bytes` is what Windows' own handler says it would free
  std::string failure = {};
  LeftReason skippedFor = LeftReason::ProgramRunning;  // Skipped: why the location is left whole
};

struct PreviewResult {
  Choices choices;
  std::vector<PreviewLocation> locations;  // the chosen ones, in the run's order
  std::uint64_t Files() const;
  std::uint64_t Bytes() const;
};

class Preview {
 public:
  // With `rows`, every entry a run would delete or leave goes there as it is found, on the thread
  // that walks.
  Preview(const platform::Platform& platform, RunHost& host, PreviewRowSink* rows = nullptr);
  ~Preview();
  // Walks the chosen locations; its progress goes to the status line, each text saying that nothing
  // is deleted, and it yields as it goes. When the host asks it to stop, it leaves off at its next
  // yield and the locations not walked to the end are Stopped. Folders are walked as the run empties
  // them: entries opened as the run opens them (so what is held shows), nothing deleted or changed.
  PreviewResult Walk(const Choices& choices);

 private:
  class StatusHost;
  class RowsOf;
  // What Windows' handler of that key name says it would free, also as its row.
  Outcome MeasureHandlerInto(const std::string& keyName, PreviewLocation& into, RowsOf& rows);
  // Counts what a run would delete in the folder into `into`, each entry to `rows`.
  void CountFolder(const FolderToEmpty& folder, const AgeRule& age, PreviewLocation& into, RowsOf& rows,
                   const TopLevelNames& names = {});
  // The same for every folder a community entry leads to, once its program is found here.
  Outcome CountCommunityEntry(CommunityGround& ground, const community::Entry& entry, const AgeRule& age,
                              PreviewLocation& into, RowsOf& rows);
  template <class Walker>
  void Count(PreviewLocation& into, RowsOf& rows, Walker walk);

  const platform::Platform& platform_;
  std::unique_ptr<StatusHost> host_;
  PreviewRowSink* rows_;
};

// A line per location ("Windows Temp: 1,234 files, 1.50 MB", "Recycle Bin: 1 file, 10 bytes") and the
// total.
std::string PreviewText(const Locale& locale, const PreviewResult& result);

}  // namespace vantrelle::cleaning
