#include <vector>

#include "CleaningWin32Fixture.h"
#include "cleaning/Preview.h"
#include "platform/win32/ScopedHandle.h"
#include "support/GeneratedTree.h"
#include "support/PreviewAgreement.h"

namespace vantrelle::testing {
namespace {

class GeneratedTreeTest : public Win32CleaningTest {
 protected:
  // Builds a generated tree on the Wine drive; held entries stay open, without sharing, in `held`.
  void Materialize(const std::string& root, const GeneratedTree& tree, std::vector<win32::FileHandle>& held) {
    MakeFolder(root);
    for (const auto& entry : tree.entries) {
      const std::string path = root + "\\" + entry.path;
      switch (entry.kind) {
        case TreeEntry::Kind::Folder: MakeFolder(path); break;
        case TreeEntry::Kind::File: MakeFile(path, entry.attributes | FILE_ATTRIBUTE_ARCHIVE); break;
        default: Link(path, entry.target.empty() ? root : root + "\\" + entry.target);
      }
    }
    // Folders get their attributes once they are filled; then the held entries are opened.
    for (const auto& entry : tree.entries) {
      const std::wstring path = win32::ExtendedPath(root + "\\" + entry.path);
      if (entry.kind == TreeEntry::Kind::Folder && entry.attributes != 0)
        SetFileAttributesW(path.c_str(), entry.attributes);
      if (entry.held) {
        held.emplace_back(
            CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        ASSERT_TRUE(held.back()) << entry.path;
      }
    }
  }
};

// The same trees as the logic tests' property, on real files, on one thread and on pools of workers:
// Wine cannot remove a link without reaching its target, so links stay with the folders that hold them.
// The preview just before each run lists exactly what the run then deletes and leaves.
TEST_F(GeneratedTreeTest, AGeneratedTreeIsEmptiedAndNothingOutsideItChanges) {
  for (int workers : {1, 2, 4, 8}) {
    platform.cleaningWorkers = workers;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
      const GeneratedTree tree = GenerateTree(seed, {.entries = 40, .chainDepth = 25});
      const std::string treeRoot = root + "\\" + std::to_string(seed) + "-" + std::to_string(workers);
      std::vector<win32::FileHandle> held;
      Materialize(treeRoot, tree, held);
      const auto probe = [&](const TreeEntry& entry) -> EntryState {
        const DWORD attributes = GetFileAttributesW(win32::ExtendedPath(treeRoot + "\\" + entry.path).c_str());
        return attributes == INVALID_FILE_ATTRIBUTES ? EntryState() : EntryState(attributes);
      };
      const auto before = Snapshot(tree, probe);
      const cleaning::Choices choices{.ownFolder = true, .ownFolderPath = treeRoot + "\\" + tree.chosen};
      cleaning::PreviewRowTable rows;
      cleaning::Preview(platform, host, &rows).Walk(choices);
      EXPECT_EQ(Snapshot(tree, probe), before) << "the preview changed seed " << seed;

      const auto result = cleaning::DeletionRun(platform, host).Run(choices);

      const auto& own = result.Of(cleaning::Location::OwnFolder);
      EXPECT_EQ(own.outcome, cleaning::Outcome::Emptied) << seed;
      const auto after = Snapshot(tree, probe);
      const auto broken = BrokenPromises(tree, true, before, after);
      EXPECT_TRUE(broken.empty()) << "seed " << seed << ", " << workers << " workers:\n" << Lines(broken);
      const auto disagreements =
          PreviewDisagreements(tree, treeRoot, rows, own.tally.left, before, after, RefusedLinks(tree, true));
      EXPECT_TRUE(disagreements.empty()) << "seed " << seed << ", " << workers << " workers:\n" << Lines(disagreements);
    }
  }
}

}  // namespace
}  // namespace vantrelle::testing
