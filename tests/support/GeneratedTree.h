#pragma once
// Seeded random file trees for the cleaning run's property tests, the same on the fake file system
// and on real files: a folder to empty, "work", beside a folder the run must never change,
// "outside", with links from inside to outside and to ancestors, held, read-only, hidden and system
// entries, odd names and deep chains.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrelle::testing {

struct TreeEntry {
  enum class Kind { Folder, File, FolderLink, FileLink };
  Kind kind = Kind::File;
  std::string path;              // below the tree's root: "work\\a\\b"
  std::string target;            // a link's target below the root; "" is the root itself
  std::uint32_t attributes = 0;  // read-only, hidden and system bits
  bool held = false;             // open elsewhere without sharing: it stays, and so does its content

  bool IsLink() const { return kind == Kind::FolderLink || kind == Kind::FileLink; }
};

struct GeneratedTree {
  static constexpr const char* kWork = "work";
  std::vector<TreeEntry> entries;  // every folder before what it holds
  std::string chosen = kWork;      // what the run is told to empty: "work", or a link to it

  static bool IsBelow(const std::string& path, const std::string& folder) {
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '\\';
  }
  static bool InWork(const std::string& path) { return IsBelow(path, kWork); }

  // What a correct run leaves inside "work": held entries with everything below them, links where
  // the platform cannot remove a link without reaching its target, and the folders holding those.
  bool MustStay(const TreeEntry& entry, bool linksStay) const {
    for (const auto& other : entries) {
      if (!InWork(other.path)) continue;
      const bool stays = other.held || (linksStay && other.IsLink());
      if (!stays) continue;
      if (other.path == entry.path || IsBelow(other.path, entry.path)) return true;  // it or something inside
      if (other.held && IsBelow(entry.path, other.path)) return true;                // inside a held folder
    }
    return false;
  }
};

struct TreeLimits {
  int entries = 60;
  int chainDepth = 40;
};

namespace generated {

// A small deterministic generator, so that a seed makes the same tree with every compiler.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  std::uint64_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return state_;
  }
  int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  std::uint64_t state_;
};

// Names only the long path form reaches (trailing dots and blanks, device names), names that differ
// only by a trailing dot, other scripts, and plain ones.
inline constexpr const char* kNames[] = {
    "plain.txt", "dir ",     "dot.", "two..", "mixed. ", "blank ",   " lead", "nul",         "con.txt",
    "aux",       "COM1.log", "lpt9", "same",  "same.",   "Ελληνικά", "文件",  "emoji-😀.tmp", "x",
};

class Builder {
 public:
  Builder(std::uint32_t seed, const TreeLimits& limits) : random_(seed), limits_(limits) {}

  GeneratedTree Build() {
    Add(TreeEntry::Kind::Folder, "outside");
    FillFolder("outside", 0, false);
    Add(TreeEntry::Kind::Folder, GeneratedTree::kWork);
    FillFolder(GeneratedTree::kWork, 0, true);
    if (random_.Chance(50)) Chain();
    for (auto& [index, ancestors] : links_) AimLink(tree_.entries[index], ancestors);
    if (random_.Chance(25)) {
      Add(TreeEntry::Kind::FolderLink, "chosen").target = GeneratedTree::kWork;
      tree_.chosen = "chosen";
    }
    return std::move(tree_);
  }

 private:
  TreeEntry& Add(TreeEntry::Kind kind, const std::string& path) {
    TreeEntry entry;
    entry.kind = kind;
    entry.path = path;
    tree_.entries.push_back(entry);
    return tree_.entries.back();
  }

  std::uint32_t RandomAttributes() {
    std::uint32_t attributes = 0;
    if (random_.Chance(20)) attributes |= 0x1;  // read-only
    if (random_.Chance(20)) attributes |= 0x2;  // hidden
    if (random_.Chance(10)) attributes |= 0x4;  // system
    return attributes;
  }

  // Up to five entries with distinct names; folders get their own content in turn.
  void FillFolder(const std::string& folder, int depth, bool withLinks) {
    std::vector<int> names(std::size(kNames));
    for (int i = 0; i < static_cast<int>(names.size()); ++i) names[i] = i;
    const int count = random_.Below(6);
    for (int i = 0; i < count && static_cast<int>(tree_.entries.size()) < limits_.entries; ++i) {
      const int pick = random_.Below(static_cast<int>(names.size()) - i);
      std::swap(names[i], names[i + pick]);
      const std::string path = folder + "\\" + kNames[names[i]];
      const int roll = random_.Below(100);
      if (withLinks && roll < 15) {
        links_.push_back({tree_.entries.size(), Ancestors(path)});
        Add(random_.Chance(50) ? TreeEntry::Kind::FolderLink : TreeEntry::Kind::FileLink, path);
      } else if (roll < 50 && depth < 4) {
        auto& entry = Add(TreeEntry::Kind::Folder, path);
        entry.attributes = RandomAttributes();
        entry.held = withLinks && random_.Chance(4);
        FillFolder(path, depth + 1, withLinks);
      } else {
        auto& entry = Add(TreeEntry::Kind::File, path);
        entry.attributes = RandomAttributes();
        entry.held = withLinks && random_.Chance(6);
      }
    }
  }

  // A deep chain of folders with odd names, a file at its end.
  void Chain() {
    std::string path = std::string(GeneratedTree::kWork) + "\\chain";
    Add(TreeEntry::Kind::Folder, path);
    const int depth = 1 + random_.Below(limits_.chainDepth);
    for (int i = 0; i < depth; ++i) {
      path += "\\";
      path += kNames[random_.Below(static_cast<int>(std::size(kNames)))];
      Add(TreeEntry::Kind::Folder, path).attributes = RandomAttributes();
    }
    Add(TreeEntry::Kind::File, path + "\\end.tmp").attributes = RandomAttributes();
  }

  static std::vector<std::string> Ancestors(const std::string& path) {
    std::vector<std::string> folders{""};
    for (std::size_t slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
      folders.push_back(path.substr(0, slash));
    }
    return folders;
  }

  // A link points outside or back up to a folder above it; a link to a file always points outside.
  void AimLink(TreeEntry& link, const std::vector<std::string>& ancestors) {
    std::vector<std::string> outsideFolders, outsideFiles;
    for (const auto& entry : tree_.entries) {
      if (!GeneratedTree::IsBelow(entry.path, "outside") && entry.path != "outside") continue;
      (entry.kind == TreeEntry::Kind::File ? outsideFiles : outsideFolders).push_back(entry.path);
    }
    if (link.kind == TreeEntry::Kind::FileLink && !outsideFiles.empty()) {
      link.target = outsideFiles[random_.Below(static_cast<int>(outsideFiles.size()))];
      return;
    }
    link.kind = TreeEntry::Kind::FolderLink;
    link.target = random_.Chance(50) ? outsideFolders[random_.Below(static_cast<int>(outsideFolders.size()))]
                                     : ancestors[random_.Below(static_cast<int>(ancestors.size()))];
  }

  Random random_;
  TreeLimits limits_;
  GeneratedTree tree_;
  std::vector<std::pair<std::size_t, std::vector<std::string>>> links_;  // entry index, its ancestors
};

}  // namespace generated

inline GeneratedTree GenerateTree(std::uint32_t seed, const TreeLimits& limits = {}) {
  return generated::Builder(seed, limits).Build();
}

// An entry as the platform shows it: its attributes, or nothing when it is gone.
using EntryState = std::optional<std::uint32_t>;

template <class Probe>  // EntryState(const TreeEntry&)
std::vector<EntryState> Snapshot(const GeneratedTree& tree, Probe probe) {
  std::vector<EntryState> states;
  for (const auto& entry : tree.entries) states.push_back(probe(entry));
  return states;
}

// The run's promise, broken or kept: nothing outside "work" changes, and inside it exactly what must
// stay is left. One line per broken promise.
inline std::vector<std::string> BrokenPromises(const GeneratedTree& tree, bool linksStay,
                                               const std::vector<EntryState>& before,
                                               const std::vector<EntryState>& after) {
  std::vector<std::string> broken;
  for (std::size_t i = 0; i < tree.entries.size(); ++i) {
    const TreeEntry& entry = tree.entries[i];
    if (!GeneratedTree::InWork(entry.path)) {
      if (after[i] != before[i]) broken.push_back("changed outside: " + entry.path);
    } else if (tree.MustStay(entry, linksStay) != after[i].has_value()) {
      broken.push_back((after[i] ? "left: " : "deleted: ") + entry.path);
    }
  }
  return broken;
}

inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

}  // namespace vantrelle::testing
