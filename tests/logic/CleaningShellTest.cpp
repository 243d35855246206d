#include <gtest/gtest.h>

#include "CleaningFixture.h"
#include "cleaning/modCleanUp.h"

namespace vantrelle::testing {
namespace {

using modCleanUp::ClearRecentDocs;
using modCleanUp::EmptyRecycleBin;

class RecycleBinTest : public CleaningTest {
 protected:
  RecycleBinTest() {
    fake.files.driveTypes = {{"A:\\", 2}, {"C:\\", 3}, {"D:\\", 3}, {"E:\\", 5}, {"R:\\", 6}, {"Z:\\", 4}};
  }
};

TEST_F(RecycleBinTest, BinsAlreadyEmptyAreLeftAloneAndOnlyFixedDrivesAreQueried) {
  EXPECT_TRUE(EmptyRecycleBin(form));
  EXPECT_EQ(fake.shell.queriedRoots, (std::vector<std::string>{"C:\\", "D:\\"}));
  EXPECT_EQ(fake.shell.emptyCalls, 0);
  EXPECT_EQ(fake.shell.iconUpdates, 0);
}

TEST_F(RecycleBinTest, OneCallEmptiesTheBinsOfEveryDrive) {
  fake.shell.recycleBins = {{"C:\\", 3}, {"D:\\", 5}};
  EXPECT_TRUE(EmptyRecycleBin(form));
  EXPECT_EQ(fake.shell.emptyCalls, 1);
  EXPECT_EQ(fake.shell.emptyOwner, form.hWnd);
  EXPECT_EQ(fake.shell.iconUpdates, 1);
  EXPECT_EQ(fake.shell.recycleBins["D:\\"], 0);
}

TEST_F(RecycleBinTest, FalseWithoutAWindowWithoutAFixedDriveOrWhenTheFirstQueryFails) {
  form.hWnd = 0;
  fake.shell.recycleBins = {{"C:\\", 3}};
  EXPECT_FALSE(EmptyRecycleBin(form));
  EXPECT_EQ(fake.shell.queries, 0);

  form.hWnd = 1;
  fake.shell.failQuery = true;
  EXPECT_FALSE(EmptyRecycleBin(form));

  fake.shell.failQuery = false;
  fake.files.driveTypes = {{"A:\\", 2}, {"E:\\", 5}};
  EXPECT_FALSE(EmptyRecycleBin(form));
  EXPECT_EQ(fake.shell.emptyCalls, 0);
}

class RecentDocsTest : public CleaningTest {
 protected:
  static constexpr const char* kRecent = "C:\\Users\\bob\\Recent";
  RecentDocsTest() {
    fake.shell.specialFolders[8] = kRecent;
    for (const char* name : {"a.lnk", "B.LNK", "desktop.ini"}) fake.files.AddFile(std::string(kRecent) + "\\" + name);
    fake.files.AddFile(std::string(kRecent) + "\\hidden.lnk",
                       platform::attribute::kHidden | platform::attribute::kReadOnly);
  }
};

TEST_F(RecentDocsTest, ClearedWhenTheShellRemovesTheShortcuts) {
  fake.shell.onClearRecentDocuments = [&] {
    for (const char* name : {"a.lnk", "B.LNK", "hidden.lnk"}) fake.files.Remove(std::string(kRecent) + "\\" + name);
  };
  EXPECT_TRUE(ClearRecentDocs(form));
  EXPECT_EQ(fake.shell.recentClears, 1);
  EXPECT_TRUE(fake.files.deleted.empty());
}

TEST_F(RecentDocsTest, ShortcutsTheShellLeftAreDeletedAndNothingElse) {
  EXPECT_TRUE(ClearRecentDocs(form));
  EXPECT_EQ(fake.files.ChildNames(kRecent), std::vector<std::string>{"desktop.ini"});
}

TEST_F(RecentDocsTest, FailsWhenAShortcutRemainsOrTheFolderIsUnknown) {
  fake.files.Lock(std::string(kRecent) + "\\B.LNK");
  EXPECT_FALSE(ClearRecentDocs(form));
  EXPECT_EQ(fake.files.ChildNames(kRecent), (std::vector<std::string>{"B.LNK", "desktop.ini"}));

  fake.shell.specialFolders.clear();
  EXPECT_FALSE(ClearRecentDocs(form));
}

}  // namespace
}  // namespace vantrelle::testing
