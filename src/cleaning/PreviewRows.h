#pragma once
// The preview's list: one row per entry a run would delete and per entry it would leave, handed out
// one at a time while the walk goes on, and a compact table that keeps them.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "cleaning/Tally.h"
#include "platform/FileTime.h"

namespace vantrelle::cleaning {

// What a run would do with an entry.
enum class Fate : std::uint8_t {
  Deleted,
  MovedToRecycleBin,
  InUse,
  AccessDenied,
  KeptAsRecent,
  Link,
  DeletedRecently,   // a Recycle Bin item younger than the days kept
  NoDateDeleted,     // a Recycle Bin item without a readable date deleted
  ProgramRunning,    // a further location left whole while its program runs
  StateUnreadable,   // a further location left whole: whether its program runs could not be told
  ByWindowsCleanup,  // Windows' own cleanup handler decides; the row's size is what it would free
};

// Why an entry stays, as a fate.
Fate FateOf(LeftReason reason);
// The entry would go (deleted, moved or freed by a handler).
bool Goes(Fate fate);

// One row, as views into its keeper's storage: copy what must outlive the call.
struct PreviewRow {
  std::string_view location;  // the location's name as the preview shows it
  std::string_view program;   // ProgramRunning, StateUnreadable: the row's program ("Chrome"); else ""
  std::string_view folder;    // where the entry lies, without a trailing "\"; "" for a handler's row
  std::string_view name;
  std::uint64_t size = 0;          // a file's bytes; 0 for a folder or a link to one
  platform::FileTime changed = 0;  // last written; 0 when not known
  Fate fate = Fate::Deleted;
  bool isFolder = false;  // a folder (or a link to one) rather than a file
};

// Where the preview hands its rows, one at a time, as it finds them. Called on the thread that walks
// (a window's walk runs on a thread of its own): an implementation that others read must lock.
class PreviewRowSink {
 public:
  virtual ~PreviewRowSink() = default;
  virtual void Add(const PreviewRow& row) = 0;
};

// Keeps every row in about 32 bytes beside its name, each folder's path and location's name once.
// Not locked: one thread writes, and readers keep to that thread or lock around it themselves.
class PreviewRowTable : public PreviewRowSink {
 public:
  void Add(const PreviewRow& row) override;
  std::size_t Size() const { return rows_.size(); }
  PreviewRow Row(std::size_t index) const;
  // The index of the row's location among Locations(), in the order they were first met.
  std::size_t LocationIndex(std::size_t row) const { return rows_[row].location; }
  std::vector<std::string_view> Locations() const;
  // The row's full path: its folder and name.
  std::string Path(std::size_t index) const;

 private:
  struct Stored {
    std::uint64_t size;
    platform::FileTime changed;
    std::uint32_t nameOffset;
    std::uint32_t folder;
    std::uint32_t nameLength;
    std::uint16_t location;
    Fate fate;
    bool isFolder;
  };
  std::uint32_t Intern(std::deque<std::string>& pool, std::unordered_map<std::string_view, std::uint32_t>& index,
                       std::string_view text);

  std::vector<Stored> rows_;
  std::string names_;
  std::deque<std::string> folders_;
  std::unordered_map<std::string_view, std::uint32_t> folderIndex_;
  std::deque<std::string> locations_;  // "name\tprogram"
  std::unordered_map<std::string_view, std::uint32_t> locationIndex_;
  std::uint32_t lastFolder_ = UINT32_MAX;
};

}  // namespace vantrelle::cleaning
