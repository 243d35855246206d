#include "community/FolderSearch.h"

#include "base/Strings.h"
#include "community/Forms.h"

namespace vantrelle::community {

namespace {

using platform::DirectoryEntry;
using platform::OpenEntry;

bool RealFolder(const DirectoryEntry& entry) {
  return (entry.attributes & platform::attribute::kDirectory) != 0 && !platform::IsLinkAttributes(entry.attributes);
}

// A folder being searched, held open with its listing. Levels live on an explicit stack: one per part.
struct Level {
  std::unique_ptr<OpenEntry> folder;
  std::string path;
  std::vector<DirectoryEntry> entries;
  std::size_t next = 0;
};

// Walks the parts depth first. `last` is told of each entry the last part matches (only folders,
// opened, unless `anyKind`); it returns false to end the walk.
template <class Last>
void Walk(platform::FileServices& files, const std::string& top, std::span<const std::string> parts, bool anyKind,
          Last last) {
  auto opened = OpenTop(files, top);
  if (!opened) return;
  if (parts.empty()) {
    last(top, std::move(opened));
    return;
  }
  std::vector<Level> stack;
  auto entries = opened->List();
  stack.push_back({std::move(opened), top, std::move(entries)});
  while (!stack.empty()) {
    Level& level = stack.back();
    if (level.next == level.entries.size()) {
      stack.pop_back();
      continue;
    }
    const DirectoryEntry& entry = level.entries[level.next++];
    const std::size_t depth = stack.size() - 1;
    if (!PartMatches(entry.name, parts[depth])) continue;
    const bool isLast = depth + 1 == parts.size();
    if (isLast && anyKind) {
      if (!last(Joined(level.path, entry.name), nullptr)) return;
      continue;
    }
    if (!RealFolder(entry)) continue;  // links are never entered, files are no folders
    // A folder on the way is only listed; one found is opened as itself with the right to delete it,
    // which a rule that removes its folder needs.
    auto child = isLast ? level.folder->OpenListed(entry) : level.folder->OpenFolderInside(entry);
    if (!child || !child->IsFolder()) continue;
    std::string path = Joined(level.path, entry.name);  // before `level` moves with the stack
    if (isLast) {
      if (!last(path, std::move(child))) return;
      continue;
    }
    auto listed = child->List();
    stack.push_back({std::move(child), std::move(path), std::move(listed)});
  }
}

}  // namespace

std::unique_ptr<OpenEntry> OpenTop(platform::FileServices& files, const std::string& top) {
  auto opened = files.OpenFolderToEmpty(top);
  if (!opened || !opened->IsFolder()) return nullptr;
  // Where the platform opens a link as its target, the path still shows it.
  const auto attributes = files.Attributes(top);
  if (attributes && platform::IsLinkAttributes(*attributes)) return nullptr;
  return opened;
}

void FindFolders(platform::FileServices& files, const std::string& top, std::span<const std::string> parts,
                 const FoundFolder& found) {
  Walk(files, top, parts, false,
       [&](const std::string& path, std::unique_ptr<OpenEntry> folder) { return found(path, std::move(folder)); });
}

bool AnyEntry(platform::FileServices& files, const std::string& top, std::span<const std::string> parts) {
  bool any = false;
  Walk(files, top, parts, true, [&](const std::string&, std::unique_ptr<OpenEntry>) {
    any = true;
    return false;  // one is enough
  });
  return any;
}

bool PartMatches(std::string_view name, std::string_view part) {
  return HasWildcard(part) ? NameMatches(name, part) : EqualsNoCase(name, part);
}

std::string Joined(const std::string& folder, std::string_view name) {
  return folder + (folder.ends_with('\\') ? "" : "\\") + std::string(name);
}

}  // namespace vantrelle::community
