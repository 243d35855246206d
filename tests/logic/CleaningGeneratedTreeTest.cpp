#include <gtest/gtest.h>

#include "cleaning/DeletionRun.h"
#include "platform/fake/FakePlatform.h"
#include "support/GeneratedTree.h"
#include "support/RecordingRunHost.h"

namespace vantrelle::testing {
namespace {

constexpr const char* kRoot = "C:\\Generated";

void Materialize(fake::FakeFileSystem& files, const GeneratedTree& tree) {
  files.AddFolder(kRoot);
  for (const auto& entry : tree.entries) {
    const std::string path = std::string(kRoot) + "\\" + entry.path;
    switch (entry.kind) {
      case TreeEntry::Kind::Folder: files.AddFolder(path, platform::attribute::kDirectory | entry.attributes); break;
      case TreeEntry::Kind::File: files.AddFile(path, platform::attribute::kArchive | entry.attributes); break;
      default: files.AddLink(path, entry.target.empty() ? kRoot : std::string(kRoot) + "\\" + entry.target);
    }
    if (entry.held) files.Lock(path);
  }
}

// The run's promise on a few hundred generated trees, with links opened as Windows opens them (the
// link goes, as itself) and as Wine does (the link stays).
TEST(GeneratedTrees, TheRunEmptiesTheChosenFolderAndChangesNothingOutsideIt) {
  for (bool wineLinks : {false, true}) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
      const GeneratedTree tree = GenerateTree(seed);
      fake::FakePlatform fakes;
      fakes.files.openFollowsLinks = wineLinks;
      Materialize(fakes.files, tree);
      const auto probe = [&](const TreeEntry& entry) -> EntryState {
        const std::string path = std::string(kRoot) + "\\" + entry.path;
        return fakes.files.Exists(path) ? EntryState(fakes.files.AttributesOf(path)) : EntryState();
      };
      const auto before = Snapshot(tree, probe);
      RecordingRunHost host;

      const auto result = cleaning::DeletionRun(fakes.platform, host)
                              .Run({.ownFolder = true, .ownFolderPath = std::string(kRoot) + "\\" + tree.chosen});

      EXPECT_EQ(result.Of(cleaning::Location::OwnFolder).outcome, cleaning::Outcome::Emptied) << seed;
      const auto broken = BrokenPromises(tree, wineLinks, before, Snapshot(tree, probe));
      EXPECT_TRUE(broken.empty()) << "seed " << seed << (wineLinks ? " (Wine)" : "") << ":\n" << Lines(broken);
    }
  }
}

}  // namespace
}  // namespace vantrelle::testing
