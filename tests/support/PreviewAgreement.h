#pragma once
// A preview's list held against the run started right after it on a generated tree: what the list
// says goes must be exactly what went, and what it says stays exactly what the run left, for the same
// reason.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cleaning/PreviewRows.h"
#include "support/GeneratedTree.h"

namespace vantrelle::testing {

// A path below `root` as the tree names it: the chosen folder, perhaps a link, reads "work".
inline std::string TreePath(const std::string& root, const std::string& chosen, const std::string& path) {
  for (const std::string& folder : {root + "\\" + chosen + "\\", root + "\\" + GeneratedTree::kWork + "\\"}) {
    if (path.starts_with(folder)) return std::string(GeneratedTree::kWork) + "\\" + path.substr(folder.size());
  }
  return "outside the chosen folder: " + path;
}

// The entries whose fate only a deletion can tell: where links to files refuse to go (Wine opens them
// as their targets), those links and the folders above them.
inline std::set<std::string> RefusedLinks(const GeneratedTree& tree, bool fileLinksRefuse) {
  std::set<std::string> refused;
  for (const auto& entry : tree.entries) {
    if (!fileLinksRefuse || entry.kind != TreeEntry::Kind::FileLink || !GeneratedTree::InWork(entry.path)) continue;
    for (std::size_t slash = entry.path.find('\\'); slash != std::string::npos;
         slash = entry.path.find('\\', slash + 1)) {
      refused.insert(entry.path.substr(0, slash));
    }
    refused.insert(entry.path);
  }
  return refused;
}

// One line per entry on which the list and the run disagree, apart from those in `refused`.
inline std::vector<std::string> PreviewDisagreements(const GeneratedTree& tree, const std::string& root,
                                                     const cleaning::PreviewRowTable& rows,
                                                     const std::vector<cleaning::LeftEntry>& runLeft,
                                                     const std::vector<EntryState>& before,
                                                     const std::vector<EntryState>& after,
                                                     const std::set<std::string>& refused = {}) {
  std::set<std::string> listedGone, gone;
  std::set<std::pair<std::string, cleaning::Fate>> listedLeft, left;
  for (std::size_t i = 0; i < rows.Size(); ++i) {
    const std::string path = TreePath(root, tree.chosen, rows.Path(i));
    if (cleaning::Goes(rows.Row(i).fate)) {
      listedGone.insert(path);
    } else {
      listedLeft.insert({path, rows.Row(i).fate});
    }
  }
  for (std::size_t i = 0; i < tree.entries.size(); ++i) {
    if (before[i] && !after[i]) gone.insert(tree.entries[i].path);
  }
  for (const auto& entry : runLeft)
    left.insert({TreePath(root, tree.chosen, entry.path), cleaning::FateOf(entry.reason)});
  std::erase_if(listedGone, [&](const auto& path) { return refused.contains(path); });
  std::erase_if(gone, [&](const auto& path) { return refused.contains(path); });
  std::erase_if(listedLeft, [&](const auto& entry) { return refused.contains(entry.first); });
  std::erase_if(left, [&](const auto& entry) { return refused.contains(entry.first); });
  std::vector<std::string> lines;
  for (const auto& path : listedGone) {
    if (!gone.contains(path)) lines.push_back("listed as going, stayed: " + path);
  }
  for (const auto& path : gone) {
    if (!listedGone.contains(path)) lines.push_back("went, not listed as going: " + path);
  }
  for (const auto& entry : listedLeft) {
    if (!left.contains(entry)) lines.push_back("listed as staying, not left so: " + entry.first);
  }
  for (const auto& entry : left) {
    if (!listedLeft.contains(entry)) lines.push_back("left, not listed so: " + entry.first);
  }
  return lines;
}

}  // namespace vantrelle::testing
