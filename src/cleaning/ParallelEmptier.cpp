#include "cleaning/ParallelEmptier.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

#include "base/Texts.h"
#include "cleaning/EntryDeletion.h"
#include "cleaning/RunHost.h"
#include "cleaning/WorkerPool.h"
#include "platform/EventPump.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

namespace {

using platform::DirectoryEntry;
using platform::OpenEntry;

// Entries a worker takes from one folder at a time: a large flat folder is shared out in slices, and
// a folder of a few hundred in as many slices as there are workers, so that they all have a share.
constexpr std::size_t kSliceEntries = 128;
constexpr std::size_t kSmallestSlice = 16;
// How often the calling thread wakes to answer the window and show where the workers are.
constexpr std::chrono::milliseconds kWatchInterval{15};

// A folder being emptied, held open until everything inside is done. Made by the worker that met it,
// then read by every worker taking one of its slices; `pending` and `leftInside` are shared counts.
// The worker that brings `pending` to zero finishes it (and deletes the object).
struct Folder {
  std::unique_ptr<OpenEntry> handle;
  std::string path;                     // with a trailing "\"
  std::vector<DirectoryEntry> entries;  // as the listing saw them; fixed once slices are handed out
  Folder* parent = nullptr;             // none for the folder the caller named
  std::size_t depth = 0;                // 0 for the folder the caller named
  std::atomic<std::size_t> pending{0};  // its slices and sub-folders not yet done
  std::atomic<std::size_t> leftInside{0};
};

// Entries [begin, end) of a folder, worked from the last to the first.
struct Slice {
  Folder* folder = nullptr;
  std::size_t begin = 0;
  std::size_t end = 0;
};

class ParallelEmptier {
 public:
  ParallelEmptier(const platform::Platform& platform, RunHost& host, WorkerPool& pool, const AgeRule& age,
                  const EntryRule& rule)
      : host_(host),
        events_(*platform.events),
        deleting_(Text(*platform.locale, TextId::StatusDeletingFiles)),
        pool_(pool),
        age_(age),
        rule_(rule) {}

  // The calling thread's part: hand out the folder, then watch until every worker has left it.
  void Run(std::unique_ptr<OpenEntry> opened, const std::string& path, Tally& tally) {
    root_.handle = std::move(opened);
    root_.path = path;
    root_.entries = root_.handle->List();
    // What the rule passes over is neither deleted nor counted, so it never reaches a worker.
    const std::size_t listed = root_.entries.size();
    std::erase_if(root_.entries, [&](const DirectoryEntry& entry) { return !rule_.Takes(path, 0, entry); });
    root_.leftInside = listed - root_.entries.size();
    if (host_.StopRequested()) return;
    if (!root_.entries.empty()) {
      Hand(Start(&root_));
      Watch();
    }
    const std::lock_guard lock(tallyMutex_);
    // Every worker has left: the calling thread finishes the folder it named, when the rule says so.
    if (!stop_.load() && rule_.RemovesEmptied(path, 0)) FinishFolder(*root_.handle, path, root_.leftInside, total_);
    root_.handle.reset();
    tally.filesDeleted += total_.filesDeleted;
    tally.foldersRemoved += total_.foldersRemoved;
    tally.bytesFreed += total_.bytesFreed;
    for (auto& left : total_.left) tally.left.push_back(std::move(left));
  }

 private:
  void Watch() {
    std::string shown;
    for (;;) {
      {
        std::unique_lock lock(doneMutex_);
        const bool stopped = stop_.load();
        // Once stopping, nothing more is shown or pumped: only the workers' leaving is awaited.
        if (stopped) doneChanged_.wait(lock, [this] { return done_; });
        if (stopped || doneChanged_.wait_for(lock, kWatchInterval, [this] { return done_; })) return;
      }
      {
        const std::lock_guard lock(statusMutex_);
        if (status_ != shown) shown = status_;
      }
      statusWanted_.store(true, std::memory_order_relaxed);
      if (!shown.empty()) host_.ShowStatus(FormatText(deleting_, {shown}));
      events_.DoEvents();
      if (host_.StopRequested()) stop_.store(true);
    }
  }

  // Shares out a folder's entries; the last slice is returned for the caller to work on itself.
  Slice Start(Folder* folder) {
    const std::size_t count = folder->entries.size();
    const std::size_t workers = static_cast<std::size_t>(pool_.Size());
    const std::size_t size = std::clamp((count + workers - 1) / workers, kSmallestSlice, kSliceEntries);
    const std::size_t slices = (count + size - 1) / size;
    folder->pending.store(slices);
    for (std::size_t i = 0; i + 1 < slices; ++i) Hand({folder, i * size, (i + 1) * size});
    return {folder, (slices - 1) * size, count};
  }

  void Hand(Slice slice) {
    try {
      pool_.Submit([this, slice] { Work(slice); });
    } catch (...) {
      Work(slice);  // no room for another job: do it here
    }
  }

  // Once the folder the caller named is done the calling thread goes on at once, so a worker touches
  // nothing of this object after the release that finishes it.
  void Work(Slice slice) {
    Tally tally;
    while (slice.folder) slice = WorkOn(slice, tally);
  }

  // A worker's figures join the total before its share of a folder is released, so the total is
  // complete when the last share goes.
  void Merge(Tally& tally) {
    const std::lock_guard lock(tallyMutex_);
    total_.filesDeleted += tally.filesDeleted;
    total_.foldersRemoved += tally.foldersRemoved;
    total_.bytesFreed += tally.bytesFreed;
    for (auto& left : tally.left) total_.left.push_back(std::move(left));
    tally = {};
  }

  // Works a slice until its end or a sub-folder; on meeting a sub-folder the rest of the slice goes to
  // another worker and this one goes down first. Returns the slice to go on with, if any.
  Slice WorkOn(Slice slice, Tally& tally) {
    Folder& folder = *slice.folder;
    for (std::size_t i = slice.end; i > slice.begin && !stop_.load(std::memory_order_relaxed);) {
      const DirectoryEntry& entry = folder.entries[--i];
      try {
        std::string path = folder.path + entry.name;
        OfferStatus(path);
        if (!rule_.Takes(folder.path, folder.depth, entry)) {
          ++folder.leftInside;  // passed over: it stays, and so does its folder
          continue;
        }
        EntryOutcome outcome = TreatEntry(*folder.handle, age_, entry);
        switch (outcome.kind) {
          case EntryOutcome::Kind::Gone: break;
          case EntryOutcome::Kind::Deleted: CountDeleted(tally, entry); break;
          case EntryOutcome::Kind::Left:
            tally.left.push_back({std::move(path), outcome.reason});
            ++folder.leftInside;
            break;
          case EntryOutcome::Kind::Folder: {
            auto inner = std::make_unique<Folder>();
            inner->handle = std::move(outcome.folder);
            inner->path = path + "\\";
            inner->parent = &folder;
            inner->depth = folder.depth + 1;
            inner->entries = inner->handle->List();
            if (inner->entries.empty()) {
              if (Stays(*inner, tally)) ++folder.leftInside;
              break;
            }
            ++folder.pending;
            if (i > slice.begin) {
              Hand({&folder, slice.begin, i});  // this slice's share of `pending` goes with it
            } else {
              Release(&folder, tally);
            }
            return Start(inner.release());
          }
        }
      } catch (...) {
        // A failing entry is passed over, as on a single thread.
      }
    }
    Release(&folder, tally);
    return {};
  }

  // One slice or sub-folder of `folder` is done; the last one finishes it, and perhaps those above.
  void Release(Folder* folder, Tally& tally) {
    Merge(tally);
    while (folder->pending.fetch_sub(1) == 1) {
      Folder* parent = folder->parent;
      if (!parent) {
        const std::lock_guard lock(doneMutex_);
        done_ = true;
        doneChanged_.notify_all();
        return;
      }
      const bool stays = Stays(*folder, tally);
      Merge(tally);
      delete folder;
      if (stays) ++parent->leftInside;
      folder = parent;
    }
  }

  // A folder whose content is done: removed when the rule says so and nothing stayed inside.
  bool Stays(Folder& folder, Tally& tally) {
    return stop_.load() || !rule_.RemovesEmptied(folder.path, folder.depth) ||
           FinishFolder(*folder.handle, folder.path, folder.leftInside.load(), tally);
  }

  // The calling thread asks for a path now and then; the first worker to see the request answers.
  void OfferStatus(const std::string& path) {
    if (!statusWanted_.load(std::memory_order_relaxed) || !statusWanted_.exchange(false)) return;
    const std::lock_guard lock(statusMutex_);
    status_ = path;
  }

  // Used by the calling thread only.
  RunHost& host_;
  platform::EventPump& events_;
  const std::string deleting_;  // the status text, "{1}" standing for the path
  // Shared by the workers; safe to call from several threads at once.
  WorkerPool& pool_;
  const AgeRule& age_;
  const EntryRule& rule_;

  Folder root_;
  std::atomic<bool> stop_{false};  // set by the calling thread: no worker opens or deletes anything more
  std::atomic<bool> statusWanted_{true};
  std::mutex statusMutex_;  // guards status_
  std::string status_;
  std::mutex tallyMutex_;  // guards total_
  Tally total_;
  std::mutex doneMutex_;  // guards done_
  std::condition_variable doneChanged_;
  bool done_ = false;
};

}  // namespace

void EmptyInParallel(const platform::Platform& platform, RunHost& host, WorkerPool& pool,
                     std::unique_ptr<OpenEntry> folder, const std::string& path, Tally& tally, const AgeRule& age,
                     const EntryRule& rule) {
  ParallelEmptier(platform, host, pool, age, rule).Run(std::move(folder), path, tally);
}

}  // namespace vantrelle::cleaning
