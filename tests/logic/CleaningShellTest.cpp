#include <gtest/gtest.h>

#include "CleaningTest.h"
#include "cleaning/ShellTargets.h"

namespace vantrelle::testing {
namespace {

using cleaning::ClearRecentDocuments;
using cleaning::EmptyRecycleBin;

constexpr platform::WindowHandle kOwner = 0x1234;

class RecycleBinTest : public CleaningTest {
 protected:
  RecycleBinTest() {
    fakes.files.driveTypes = {{"A:\\", 2}, {"C:\\", 3}, {"D:\\", 3}, {"E:\\", 5}, {"R:\\", 6}, {"Z:\\", 4}};
  }
};

TEST_F(RecycleBinTest, BinsAlreadyEmptyAreLeftAloneAndOnlyFixedDrivesAreQueried) {
  EXPECT_TRUE(EmptyRecycleBin(fakes.platform, kOwner));
  EXPECT_EQ(fakes.shell.queriedRoots, (std::vector<std::string>{"C:\\", "D:\\"}));
  EXPECT_EQ(fakes.shell.emptyCalls, 0);
  EXPECT_EQ(fakes.shell.iconUpdates, 0);
}

TEST_F(RecycleBinTest, OneCallEmptiesTheBinsOfEveryDrive) {
  fakes.shell.recycleBins = {{"C:\\", 3}, {"D:\\", 5}};
  EXPECT_TRUE(EmptyRecycleBin(fakes.platform, kOwner));
  EXPECT_EQ(fakes.shell.emptyCalls, 1);
  EXPECT_EQ(fakes.shell.emptyOwner, kOwner);
  EXPECT_EQ(fakes.shell.iconUpdates, 1);
  EXPECT_EQ(fakes.shell.recycleBins["D:\\"], 0);
}

TEST_F(RecycleBinTest, FalseWithoutAWindowWithoutAFixedDriveOrWhenTheFirstQueryFails) {
  fakes.shell.recycleBins = {{"C:\\", 3}};
  EXPECT_FALSE(EmptyRecycleBin(fakes.platform, 0));
  EXPECT_EQ(fakes.shell.queries, 0);

  fakes.shell.failQuery = true;
  EXPECT_FALSE(EmptyRecycleBin(fakes.platform, kOwner));

  fakes.shell.failQuery = false;
  fakes.files.driveTypes = {{"A:\\", 2}, {"E:\\", 5}};
  EXPECT_FALSE(EmptyRecycleBin(fakes.platform, kOwner));
  EXPECT_EQ(fakes.shell.emptyCalls, 0);
}

TEST_F(RecycleBinTest, AFailingEmptyGivesTheRecycleBinStepsMessage) {
  fakes.shell.recycleBins = {{"D:\\", 2}};
  fakes.shell.failEmpty = true;
  EXPECT_EQ(Run({.recycleBin = true, .ownFolderPath = ""}).Of(cleaning::Location::RecycleBin).outcome,
            cleaning::Outcome::Failed);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Error encountered during emptying files in recycle bin."});
}

class RecentDocsTest : public CleaningTest {
 protected:
  static constexpr const char* kRecent = "C:\\Users\\bob\\Recent";
  RecentDocsTest() {
    fakes.shell.specialFolders[8] = kRecent;
    for (const char* name : {"a.lnk", "B.LNK", "desktop.ini"}) fakes.files.AddFile(std::string(kRecent) + "\\" + name);
    fakes.files.AddFile(std::string(kRecent) + "\\hidden.lnk",
                        platform::attribute::kHidden | platform::attribute::kReadOnly);
  }
};

TEST_F(RecentDocsTest, ClearedWhenTheShellRemovesTheShortcuts) {
  fakes.shell.onClearRecentDocuments = [&] {
    for (const char* name : {"a.lnk", "B.LNK", "hidden.lnk"}) fakes.files.Remove(std::string(kRecent) + "\\" + name);
  };
  EXPECT_TRUE(ClearRecentDocuments(fakes.platform));
  EXPECT_EQ(fakes.shell.recentClears, 1);
  EXPECT_TRUE(fakes.files.deleted.empty());
}

TEST_F(RecentDocsTest, ShortcutsTheShellLeftAreDeletedAndNothingElse) {
  EXPECT_TRUE(ClearRecentDocuments(fakes.platform));
  EXPECT_EQ(fakes.files.ChildNames(kRecent), std::vector<std::string>{"desktop.ini"});
}

TEST_F(RecentDocsTest, FailsWhenAShortcutRemainsOrTheFolderIsUnknown) {
  fakes.files.Lock(std::string(kRecent) + "\\B.LNK");
  EXPECT_FALSE(ClearRecentDocuments(fakes.platform));
  EXPECT_EQ(fakes.files.ChildNames(kRecent), (std::vector<std::string>{"B.LNK", "desktop.ini"}));

  fakes.shell.specialFolders.clear();
  EXPECT_FALSE(ClearRecentDocuments(fakes.platform));
}

}  // namespace
}  // namespace vantrelle::testing
