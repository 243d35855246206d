#include <gtest/gtest.h>

#include <algorithm>

#include "cleaning/DeletionRun.h"
#include "cleaning/Preview.h"
#include "platform/fake/FakePlatform.h"
#include "support/GeneratedTree.h"
#include "support/PreviewAgreement.h"
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

// What a run reports, in an order that does not depend on which worker got where first.
cleaning::Tally Sorted(cleaning::Tally tally) {
  std::sort(tally.left.begin(), tally.left.end(),
            [](const auto& a, const auto& b) { return a.path < b.path || (a.path == b.path && a.reason < b.reason); });
  return tally;
}

// The run's promise on a few hundred generated trees, with links opened as Windows opens them (the
// link goes, as itself) and as Wine does (the link stays), emptied on one thread and on pools of 2 to 8
// workers: each pool reports exactly what the single thread reports, and exactly what the preview just
// before it listed, entry for entry (but for links to files under Wine: only deleting one tells that
// it refuses to go).
TEST(GeneratedTrees, TheRunEmptiesTheChosenFolderAndChangesNothingOutsideIt) {
  for (bool wineLinks : {false, true}) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
      const GeneratedTree tree = GenerateTree(seed);
      const auto refused = RefusedLinks(tree, wineLinks);
      cleaning::Tally alone;
      for (int workers = 1; workers <= 8; ++workers) {
        fake::FakePlatform fakes;
        fakes.platform.cleaningWorkers = workers;
        fakes.files.openFollowsLinks = wineLinks;
        Materialize(fakes.files, tree);
        const auto probe = [&](const TreeEntry& entry) -> EntryState {
          const std::string path = std::string(kRoot) + "\\" + entry.path;
          return fakes.files.Exists(path) ? EntryState(fakes.files.AttributesOf(path)) : EntryState();
        };
        const auto before = Snapshot(tree, probe);
        RecordingRunHost host;
        const cleaning::Choices choices{.ownFolder = true, .ownFolderPath = std::string(kRoot) + "\\" + tree.chosen};
        cleaning::PreviewRowTable rows;
        const auto preview = cleaning::Preview(fakes.platform, host, &rows).Walk(choices);
        EXPECT_EQ(Snapshot(tree, probe), before) << "the preview changed seed " << seed;

        const auto result = cleaning::DeletionRun(fakes.platform, host).Run(choices);

        const auto& own = result.Of(cleaning::Location::OwnFolder);
        EXPECT_EQ(own.outcome, cleaning::Outcome::Emptied) << seed;
        const auto broken = BrokenPromises(tree, wineLinks, before, Snapshot(tree, probe));
        EXPECT_TRUE(broken.empty()) << "seed " << seed << (wineLinks ? " (Wine)" : "") << ", " << workers
                                    << " workers:\n"
                                    << Lines(broken);
        const auto disagreements =
            PreviewDisagreements(tree, kRoot, rows, own.tally.left, before, Snapshot(tree, probe), refused);
        EXPECT_TRUE(disagreements.empty()) << "seed " << seed << (wineLinks ? " (Wine)" : "") << ":\n"
                                           << Lines(disagreements);
        if (refused.empty()) {
          EXPECT_EQ(preview.Files(), own.tally.filesDeleted) << seed;
          EXPECT_EQ(preview.Bytes(), own.tally.bytesFreed) << seed;
        }
        if (workers == 1) alone = Sorted(own.tally);
        EXPECT_EQ(Sorted(own.tally), alone) << "seed " << seed << ", " << workers << " workers";
      }
    }
  }
}

}  // namespace
}  // namespace vantrelle::testing
