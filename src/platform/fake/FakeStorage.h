#pragma once
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Storage.h"
#include "platform/fake/FakeFileSystem.h"

namespace vantrelle::fake {

// A settable free-space figure, a Downloads folder in the fake file tree, and a Recycle Bin of items;
// a file moved to the bin leaves the tree and becomes an item.
class FakeStorage : public platform::Storage {
 public:
  explicit FakeStorage(FakeFileSystem& files) : files_(files) {}

  std::string SystemDrive() override { return systemDrive; }
  std::optional<std::uint64_t> FreeBytes(const std::string& drive) override {
    ++freeSpaceReadings;
    if (!freeSpaceKnown || drive != systemDrive) return std::nullopt;
    return freeBytes;
  }
  std::optional<std::string> DownloadsFolder() override { return downloadsFolder; }
  bool MoveToRecycleBin(const std::string& path, platform::WindowHandle) override {
    if (refuseMoves.contains(path) || !files_.Exists(path)) return false;
    movedToBin.push_back(path);
    files_.Remove(path);
    return true;
  }
  std::optional<std::vector<platform::RecycledItem>> RecycledItems() override {
    if (binUnreadable) return std::nullopt;
    return bin;
  }
  bool DeleteRecycledItem(const platform::RecycledItem& item, platform::WindowHandle) override {
    if (refuseDeletes.contains(item.id)) return false;
    const auto before = bin.size();
    std::erase_if(bin, [&](const auto& held) { return held.id == item.id; });
    if (bin.size() == before) return false;
    deletedFromBin.push_back(item.id);
    return true;
  }

  std::string systemDrive = "C:";
  bool freeSpaceKnown = true;
  std::uint64_t freeBytes = 100ULL << 30;
  int freeSpaceReadings = 0;
  std::optional<std::string> downloadsFolder;
  std::set<std::string> refuseMoves;
  std::vector<std::string> movedToBin;
  std::vector<platform::RecycledItem> bin;
  bool binUnreadable = false;
  std::set<std::string> refuseDeletes;
  std::vector<std::string> deletedFromBin;

 private:
  FakeFileSystem& files_;
};

}  // namespace vantrelle::fake
