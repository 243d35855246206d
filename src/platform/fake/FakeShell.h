#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/RuntimeError.h"
#include "platform/Shell.h"

namespace vantrelle::fake {

// Recycle Bins per drive root, a recent-documents list, special folders, a scripted browse dialog;
// every call is counted or recorded.
class FakeShell : public platform::Shell {
 public:
  std::int64_t RecycleBinItemCount(const std::string& driveRoot) override {
    ++queries;
    queriedRoots.push_back(driveRoot);
    if (failQuery) throw InvalidProcedureCall();
    std::int64_t total = 0;
    for (const auto& [root, items] : recycleBins) {
      if (driveRoot.empty() || root == driveRoot) total += items;  // "" asks for every drive
    }
    return total;
  }
  std::int64_t RecycleBinSize(const std::string& driveRoot) override {
    if (failQuery) throw InvalidProcedureCall();
    std::int64_t total = 0;
    for (const auto& [root, bytes] : recycleBinBytes) {
      if (driveRoot.empty() || root == driveRoot) total += bytes;
    }
    return total;
  }
  bool EmptyAllRecycleBins(platform::WindowHandle owner) override {
    ++emptyCalls;
    emptyOwner = owner;
    if (failEmpty) return false;
    for (auto& [root, count] : recycleBins) count = 0;
    for (auto& [root, bytes] : recycleBinBytes) bytes = 0;
    return true;
  }
  void UpdateRecycleBinIcon() override { ++iconUpdates; }
  void ClearRecentDocuments() override {
    ++recentClears;
    if (!recentDocumentsSurvive) recentDocuments.clear();
    if (onClearRecentDocuments) onClearRecentDocuments();
  }
  std::optional<std::string> SpecialFolderPath(int folderId) override {
    auto it = specialFolders.find(folderId);
    if (it == specialFolders.end()) return std::nullopt;
    return it->second;
  }
  std::optional<std::string> KnownFolderPath(platform::KnownFolder folder) override {
    auto it = knownFolders.find(folder);
    if (it == knownFolders.end()) return std::nullopt;
    return it->second;
  }
  std::optional<std::string> BrowseForFolder(platform::WindowHandle owner, const std::string& title,
                                             const std::string& startFolder) override {
    browseCalls.push_back({owner, title, startFolder});
    return browseAnswer;
  }
  void RunCommand(const std::string& commandLine) override { commands.push_back(commandLine); }
  bool OpenDocument(const std::string& path) override {
    openedDocuments.push_back(path);
    return canOpenDocuments;
  }

  struct BrowseCall {
    platform::WindowHandle owner;
    std::string title;
    std::string startFolder;
  };

  std::map<platform::KnownFolder, std::string> knownFolders;
  std::map<std::string, std::int64_t> recycleBins;      // drive root -> items
  std::map<std::string, std::int64_t> recycleBinBytes;  // drive root -> bytes
  bool failQuery = false;
  int queries = 0;
  std::vector<std::string> queriedRoots;
  bool failEmpty = false;  // the shell cannot empty a bin (a file in it is in use)
  int emptyCalls = 0;
  platform::WindowHandle emptyOwner = 0;
  int iconUpdates = 0;
  std::vector<std::string> recentDocuments;
  bool recentDocumentsSurvive = false;
  std::function<void()> onClearRecentDocuments;  // e.g. removes the shortcut files, as Windows does
  int recentClears = 0;
  std::map<int, std::string> specialFolders;
  std::vector<BrowseCall> browseCalls;
  std::optional<std::string> browseAnswer;
  std::vector<std::string> commands;
  std::vector<std::string> openedDocuments;
  bool canOpenDocuments = true;
};

}  // namespace vantrelle::fake
