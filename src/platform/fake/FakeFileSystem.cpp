#include "platform/fake/FakeFileSystem.h"

#include <algorithm>

#include "base/Strings.h"

namespace vantrelle::fake {

namespace {

using platform::attribute::kDirectory;
using platform::attribute::kReadOnly;
using platform::attribute::kReparsePoint;

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

FakeFileSystem::Node* Child(const FakeFileSystem::Node& folder, const std::string& name) {
  for (const auto& child : folder.children) {
    if (EqualsNoCase(child->name, name) || (!child->shortName.empty() && EqualsNoCase(child->shortName, name))) {
      return child.get();
    }
  }
  return nullptr;
}

}  // namespace

// An entry as a handle sees it: the node itself, whatever later happens to its name.
class FakeOpenEntry final : public platform::OpenEntry {
 public:
  // `throughLink`: opened as the target of the link it was asked for, which then refuses every change.
  // `sharesDeletion`: held only to be emptied, which lets others rename or delete it meanwhile.
  FakeOpenEntry(FakeFileSystem& fs, std::shared_ptr<FakeFileSystem::Node> node, bool throughLink, bool sharesDeletion)
      : fs_(fs), node_(std::move(node)), throughLink_(throughLink), sharesDeletion_(sharesDeletion) {
    if (!sharesDeletion_) ++node_->handles;  // made under the tree's lock
  }
  ~FakeOpenEntry() override {
    const FakeFileSystem::Guard guard(fs_.mutex_);
    if (!sharesDeletion_) --node_->handles;
  }
  FakeOpenEntry(const FakeOpenEntry&) = delete;
  FakeOpenEntry& operator=(const FakeOpenEntry&) = delete;

  std::uint32_t Attributes() const override {
    const FakeFileSystem::Guard guard(fs_.mutex_);
    return fs_.ListedAttributes(*node_);
  }
  std::optional<platform::EntryTimes> Times() const override {
    const FakeFileSystem::Guard guard(fs_.mutex_);
    return platform::EntryTimes{node_->created, node_->written};
  }

  std::vector<platform::DirectoryEntry> List() override {
    const FakeFileSystem::Guard guard(fs_.mutex_);
    std::vector<platform::DirectoryEntry> entries;
    if (!IsFolder() || throughLink_) return entries;
    ++fs_.listings;
    for (const auto& child : node_->children) entries.push_back(fs_.Listed(*child));
    return entries;
  }

  // Inside this very node, wherever it has been moved since.
  std::unique_ptr<platform::OpenEntry> OpenListed(const platform::DirectoryEntry& entry,
                                                  platform::OpenFailure& failure) override {
    if (fs_.beforeOpen) fs_.beforeOpen();
    const FakeFileSystem::Guard guard(fs_.mutex_);
    ++fs_.opens;
    failure = platform::OpenFailure::Missing;
    if (!IsFolder() || throughLink_) return nullptr;
    return fs_.OpenNode(Child(*node_, entry.name), false, failure);
  }

  std::unique_ptr<platform::OpenEntry> OpenFolderInside(const platform::DirectoryEntry& entry) override {
    if (fs_.beforeOpen) fs_.beforeOpen();
    const FakeFileSystem::Guard guard(fs_.mutex_);
    ++fs_.opens;
    if (!IsFolder() || throughLink_) return nullptr;
    FakeFileSystem::Node* child = Child(*node_, entry.name);
    if (!child || child->isLink || (child->attributes & kDirectory) == 0) return nullptr;
    platform::OpenFailure failure;
    return fs_.OpenNode(child, true, failure);
  }

  bool ClearAttributes() override {
    const FakeFileSystem::Guard guard(fs_.mutex_);
    ++fs_.attributeClears;
    if (throughLink_) return false;
    node_->attributes &= kDirectory;
    return true;
  }

  bool Delete() override {
    const FakeFileSystem::Guard guard(fs_.mutex_);
    FakeFileSystem::Node* parent = node_->parent;
    if (!parent || throughLink_ || node_->undeletable || (node_->attributes & kReadOnly) != 0) return false;
    if (!node_->isLink && !node_->children.empty()) return false;
    fs_.deleted.push_back(FakeFileSystem::PathOf(*node_));
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), node_), siblings.end());
    node_->parent = nullptr;
    return true;
  }

 private:
  FakeFileSystem& fs_;
  std::shared_ptr<FakeFileSystem::Node> node_;
  bool throughLink_;
  bool sharesDeletion_;
};

FakeFileSystem::FakeFileSystem() {
  auto root = std::make_shared<Node>();
  root->name = "C:";
  root->attributes = kDirectory;
  drives_["C:"] = root;
}

FakeFileSystem::Node* FakeFileSystem::Resolve(const std::string& path, bool followLast, bool* followedLast,
                                              int depth) const {
  if (depth > 40) return nullptr;  // a loop of links
  // The real services reach every path in its "\\?\" form, where a doubled backslash names nothing.
  if (path.find("\\\\") != std::string::npos) return nullptr;
  const auto parts = SplitPath(path);
  if (parts.empty()) return nullptr;
  const auto drive = drives_.find(ToUpper(parts[0]));
  if (drive == drives_.end()) return nullptr;
  Node* node = drive->second.get();
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (node->isLink) {
      node = Resolve(node->target, true, nullptr, depth + 1);
      if (!node) return nullptr;
    }
    node = Child(*node, parts[i]);
    if (!node) return nullptr;
  }
  if (followLast && node->isLink) {
    if (followedLast) *followedLast = true;
    return Resolve(node->target, true, nullptr, depth + 1);
  }
  return node;
}

std::uint32_t FakeFileSystem::ListedAttributes(const Node& node) const {
  if (!node.isLink) return node.attributes;
  // Wine shows a link to a file as a plain file.
  if (openFollowsLinks && (node.attributes & kDirectory) == 0) return node.attributes;
  return node.attributes | kReparsePoint;
}

platform::DirectoryEntry FakeFileSystem::Listed(const Node& node) const {
  return {node.name, ListedAttributes(node), node.size, node.created, node.written, node.accessed};
}

std::string FakeFileSystem::PathOf(const Node& node) {
  if (!node.parent) return node.name;
  return PathOf(*node.parent) + "\\" + node.name;
}

FakeFileSystem::Node* FakeFileSystem::Make(const std::string& path, std::uint32_t attributes) {
  const auto parts = SplitPath(path);
  auto& drive = drives_[ToUpper(parts.at(0))];
  if (!drive) {
    drive = std::make_shared<Node>();
    drive->name = ToUpper(parts[0]);
    drive->attributes = kDirectory;
  }
  Node* node = drive.get();
  for (std::size_t i = 1; i < parts.size(); ++i) {
    Node* next = Child(*node, parts[i]);
    if (!next) {
      auto made = std::make_shared<Node>();
      made->name = parts[i];
      made->attributes = i + 1 == parts.size() ? attributes : kDirectory;
      made->parent = node;
      next = made.get();
      node->children.push_back(std::move(made));
    }
    node = next;
  }
  return node;
}

void FakeFileSystem::AddFolder(const std::string& path, std::uint32_t attributes) {
  const Guard guard(mutex_);
  Make(path, attributes | kDirectory);
}

void FakeFileSystem::AddFile(const std::string& path, std::uint32_t attributes) {
  const Guard guard(mutex_);
  Make(path, attributes);
}

void FakeFileSystem::AddLink(const std::string& path, const std::string& target) {
  const Guard guard(mutex_);
  const Node* pointed = Resolve(target, true);
  Node* link =
      Make(path, pointed && (pointed->attributes & kDirectory) == 0 ? platform::attribute::kArchive : kDirectory);
  link->isLink = true;
  link->target = target;
}

bool FakeFileSystem::Rename(const std::string& path, const std::string& newPath) {
  const Guard guard(mutex_);
  Node* node = Resolve(path, false);
  const auto slash = newPath.rfind('\\');
  Node* newParent = slash == std::string::npos ? nullptr : Resolve(newPath.substr(0, slash), true);
  const std::string newName = newPath.substr(slash + 1);
  if (!node || !node->parent || node->handles > 0 || !newParent || Child(*newParent, newName)) return false;
  auto& siblings = node->parent->children;
  const auto it = std::find_if(siblings.begin(), siblings.end(), [&](const auto& c) { return c.get() == node; });
  std::shared_ptr<Node> moved = *it;
  siblings.erase(it);
  moved->name = newName;
  moved->parent = newParent;
  newParent->children.push_back(std::move(moved));
  return true;
}

bool FakeFileSystem::Remove(const std::string& path) {
  const Guard guard(mutex_);
  Node* node = Resolve(path, false);
  if (!node || !node->parent || node->handles > 0) return false;
  auto& siblings = node->parent->children;
  siblings.erase(std::remove_if(siblings.begin(), siblings.end(), [&](const auto& c) { return c.get() == node; }),
                 siblings.end());
  return true;
}

std::vector<std::string> FakeFileSystem::ChildNames(const std::string& path) const {
  const Guard guard(mutex_);
  std::vector<std::string> names;
  if (const Node* node = Resolve(path, true)) {
    for (const auto& child : node->children) names.push_back(child->name);
  }
  return names;
}

std::size_t FakeFileSystem::CountBelow(const std::string& path) const {
  const Guard guard(mutex_);
  std::size_t count = 0;
  std::vector<const Node*> pending{Resolve(path, false)};
  while (!pending.empty()) {
    const Node* node = pending.back();
    pending.pop_back();
    if (!node || node->isLink) continue;
    for (const auto& child : node->children) {
      ++count;
      pending.push_back(child.get());
    }
  }
  return count;
}

void FakeFileSystem::SetTimes(const std::string& path, platform::FileTime created, platform::FileTime written) {
  const Guard guard(mutex_);
  Node* node = Resolve(path, false);
  node->created = created;
  node->written = written;
}

std::unique_ptr<platform::OpenEntry> FakeFileSystem::Open(const std::string& path, platform::OpenFailure& failure) {
  if (beforeOpen) beforeOpen();
  const Guard guard(mutex_);
  ++opens;
  return OpenNode(Resolve(path, false), false, failure);
}

std::unique_ptr<platform::OpenEntry> FakeFileSystem::OpenFolderToEmpty(const std::string& path) {
  const Guard guard(mutex_);
  ++opens;
  platform::OpenFailure failure;
  return OpenNode(Resolve(path, false), true, failure);
}

std::unique_ptr<platform::OpenEntry> FakeFileSystem::OpenNode(Node* node, bool sharesDeletion,
                                                              platform::OpenFailure& failure) {
  bool throughLink = false;
  if (node && node->isLink && openFollowsLinks) {
    throughLink = true;
    node = Resolve(node->target, true);
  }
  failure = !node ? platform::OpenFailure::Missing : platform::OpenFailure::InUse;
  if (!node || node->locked) return nullptr;
  failure = platform::OpenFailure::None;
  std::shared_ptr<Node> shared;
  if (node->parent) {
    for (const auto& child : node->parent->children) {
      if (child.get() == node) shared = child;
    }
  } else {
    shared = drives_.at(ToUpper(node->name));
  }
  return std::make_unique<FakeOpenEntry>(*this, std::move(shared), throughLink, sharesDeletion);
}

std::optional<std::string> FakeFileSystem::FinalPath(const std::string& path) {
  const Guard guard(mutex_);
  const Node* node = Resolve(path, true);
  if (!node) return std::nullopt;
  return node->parent ? PathOf(*node) : node->name + "\\";
}

std::vector<platform::DirectoryEntry> FakeFileSystem::List(const std::string& folder) {
  const Guard guard(mutex_);
  std::vector<platform::DirectoryEntry> entries;
  const Node* node = Resolve(folder, true);
  if (!node || (node->attributes & kDirectory) == 0) return entries;
  ++listings;
  for (const auto& child : node->children) entries.push_back(Listed(*child));
  return entries;
}

std::optional<std::uint32_t> FakeFileSystem::Attributes(const std::string& path) {
  const Guard guard(mutex_);
  const Node* node = Resolve(path, false);
  if (!node) return std::nullopt;
  return ListedAttributes(*node);
}

std::optional<platform::DirectoryEntry> FakeFileSystem::FindEntry(const std::string& path) {
  const Guard guard(mutex_);
  const Node* node = Resolve(path, false);
  if (!node || !node->parent) return std::nullopt;
  return Listed(*node);
}

std::vector<std::string> FakeFileSystem::LogicalDrives() {
  const Guard guard(mutex_);
  std::vector<std::string> roots;
  for (const auto& [root, type] : driveTypes) roots.push_back(root);
  return roots;
}

int FakeFileSystem::DriveType(const std::string& root) {
  const Guard guard(mutex_);
  const auto it = driveTypes.find(root);
  return it == driveTypes.end() ? 1 : it->second;
}

}  // namespace vantrelle::fake
