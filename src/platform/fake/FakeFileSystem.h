#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/FileServices.h"

namespace vantrelle::fake {

// An in-memory file tree with attributes, files held open without sharing, entries that refuse
// deletion, and links to folders or files. Paths look like "C:\a\b" (a doubled backslash finds
// nothing); names compare without regard to case and list in the order they were made. By default a
// link is opened as itself (as Windows does with reparse points); `openFollowsLinks` behaves as Wine
// does with Unix symbolic links: a link is opened as its target, which then refuses to be listed,
// cleared or deleted, and a link to a file is listed as a plain file. Every call, of the tree and of
// the entries it opens, may come from any thread: one lock keeps them apart; `deleted` is read once
// the threads are done.
class FakeFileSystem : public platform::FileServices {
 public:
  struct Node {
    std::string name;
    std::string shortName;  // 8.3 alias, if any
    std::uint32_t attributes = 0;
    bool isLink = false;
    std::string target;        // a link's target path
    bool locked = false;       // held open by someone else without sharing
    bool undeletable = false;  // deletion refused (access denied)
    int handles = 0;           // held open by the code under test, which shares no deletion
    std::uint64_t size = 0;
    platform::FileTime created = 0;
    platform::FileTime written = 0;
    platform::FileTime accessed = 0;
    Node* parent = nullptr;
    std::vector<std::shared_ptr<Node>> children;
  };

  FakeFileSystem();

  // --- building the tree ---
  void AddFolder(const std::string& path, std::uint32_t attributes = platform::attribute::kDirectory);
  void AddFile(const std::string& path, std::uint32_t attributes = platform::attribute::kArchive);
  // A link at `path` pointing at `target`: a link to a file when the target is one, else to a folder.
  void AddLink(const std::string& path, const std::string& target);
  void Lock(const std::string& path) { Locked(path)->locked = true; }
  void MakeUndeletable(const std::string& path) { Locked(path)->undeletable = true; }
  void SetShortName(const std::string& path, const std::string& shortName) { Locked(path)->shortName = shortName; }
  void SetSize(const std::string& path, std::uint64_t size) { Locked(path)->size = size; }
  void SetTimes(const std::string& path, platform::FileTime created, platform::FileTime written);
  void SetAccessed(const std::string& path, platform::FileTime accessed) { Locked(path)->accessed = accessed; }
  // Someone else deletes an entry, or renames (moves) it; refused (false) while the code under test
  // holds it open without sharing its deletion.
  bool Remove(const std::string& path);
  bool Rename(const std::string& path, const std::string& newPath);

  // --- inspecting it ---
  bool Exists(const std::string& path) const { return Locked(path) != nullptr; }
  std::uint32_t AttributesOf(const std::string& path) const { return Locked(path)->attributes; }
  std::vector<std::string> ChildNames(const std::string& path) const;
  std::size_t CountBelow(const std::string& path) const;

  // --- platform::FileServices ---
  using platform::FileServices::Open;
  std::unique_ptr<platform::OpenEntry> Open(const std::string& path, platform::OpenFailure& failure) override;
  std::unique_ptr<platform::OpenEntry> OpenFolderToEmpty(const std::string& path) override;
  std::vector<platform::DirectoryEntry> List(const std::string& folder) override;
  std::optional<std::string> FinalPath(const std::string& path) override;
  std::optional<std::uint32_t> Attributes(const std::string& path) override;
  std::optional<platform::DirectoryEntry> FindEntry(const std::string& path) override;
  bool PathExists(const std::string& path) override { return Locked(path) != nullptr; }
  std::string TempPath() override { return tempPath; }
  std::vector<std::string> LogicalDrives() override;
  int DriveType(const std::string& root) override;

  std::string tempPath = "C:\\Windows\\TEMP\\";
  std::map<std::string, int> driveTypes{{"C:\\", platform::kDriveFixed}};  // root -> type, in order
  bool openFollowsLinks = false;
  // Called on the opening thread before each open, outside the lock: a test can hold workers there.
  std::function<void()> beforeOpen;
  std::vector<std::string> deleted;  // full paths, in the order they went
  // Counted as the calls come, readable while threads still work.
  std::atomic<int> opens = 0;
  std::atomic<int> attributeClears = 0;
  std::atomic<int> listings = 0;

 private:
  friend class FakeOpenEntry;
  using Guard = std::lock_guard<std::recursive_mutex>;
  // The node a path names (not following a last link), looked up under the lock.
  Node* Locked(const std::string& path) const {
    const Guard guard(mutex_);
    return Resolve(path, false);
  }
  // `followedLast` tells whether the last component was a link that was followed.
  Node* Resolve(const std::string& path, bool followLast, bool* followedLast = nullptr, int depth = 0) const;
  // Opens a node (the target where a link is followed as Wine follows it), under the lock.
  std::unique_ptr<platform::OpenEntry> OpenNode(Node* node, bool sharesDeletion, platform::OpenFailure& failure);
  std::uint32_t ListedAttributes(const Node& node) const;
  platform::DirectoryEntry Listed(const Node& node) const;
  Node* Make(const std::string& path, std::uint32_t attributes);
  static std::string PathOf(const Node& node);
  std::map<std::string, std::shared_ptr<Node>> drives_;
  mutable std::recursive_mutex mutex_;  // guards the tree, `deleted` and the counters  // "C:" (upper-case) -> root
};

}  // namespace vantrelle::fake
