// Community entries on a planted profile of real files: patterns in folder parts, RECURSE,
// REMOVESELF, exclusions, links inside and a file held open. Exactly the matching files go.
#include <algorithm>

#include "CleaningWin32Fixture.h"
#include "community/List.h"

namespace vantrelle::testing {
namespace {

TEST_F(Win32CleaningTest, ACommunityEntryDeletesExactlyWhatItsRulesReachAndNothingThroughALink) {
  const std::string local = root + "\\Local", outside = root + "\\Outside";
  quiet.shell.knownFolders = {{platform::KnownFolder::LocalAppData, local},
                              {platform::KnownFolder::Documents, local + "\\Shared\\Papers"}};
  platform.shell = &quiet.shell;
  MakeFolder(outside + "\\Cache");
  MakeFile(outside + "\\Cache\\o.bin");
  MakeFile(outside + "\\t.tmp");
  for (const char* folder : {"\\CacheApp\\p1\\Cache\\sub", "\\CacheApp\\p2\\Cache\\Keep", "\\CacheApp\\p3\\Cache",
                             "\\Deep\\sub\\hidden", "\\Shared\\Papers", "\\Shared\\Other"}) {
    MakeFolder(local + folder);
  }
  for (const char* file :
       {"\\CacheApp\\p1\\Cache\\a.bin", "\\CacheApp\\p1\\Cache\\sub\\b.bin", "\\CacheApp\\p1\\settings.json",
        "\\CacheApp\\p2\\Cache\\c.bin", "\\CacheApp\\p2\\Cache\\Keep\\k.db", "\\CacheApp\\p2\\Cache\\Keep\\k.txt",
        "\\CacheApp\\p3\\Cache\\held.bin", "\\Deep\\a.tmp", "\\Deep\\keep.dat", "\\Deep\\sub\\b.tmp",
        "\\Deep\\sub\\hidden\\c.tmp", "\\Shared\\Papers\\letter.log", "\\Shared\\Other\\other.log"}) {
    MakeFile(local + file);
  }
  SetFileAttributesW(win32::ExtendedPath(local + "\\Deep\\sub\\hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  Link(local + "\\CacheApp\\link", outside);
  Link(local + "\\Deep\\sub\\out", outside);
  Link(local + "\\Deep\\l.tmp", outside + "\\t.tmp");
  const win32::FileHandle held(CreateFileW(win32::ExtendedPath(local + "\\CacheApp\\p3\\Cache\\held.bin").c_str(),
                                           GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);

  cleaning::Choices choices;
  choices.communityList = std::make_shared<const community::List>(
      community::ReadList("[Cache App *]\n"
                          "FileKey1=%LocalAppData%\\CacheApp\\*\\Cache|*|REMOVESELF\n"
                          "ExcludeKey1=PATH|%LocalAppData%\\CacheApp\\p2\\Cache\\Keep\\|*.db\n"
                          "[Deep App *]\n"
                          "FileKey1=%LocalAppData%\\Deep|*.tmp|RECURSE\n"
                          "[Shared *]\n"
                          "FileKey1=%LocalAppData%\\Shared\\*|*.log\n"));
  choices.community = {"Cache App", "Deep App", "Shared"};
  const cleaning::RunResult result = cleaning::DeletionRun(platform, host).Run(choices);
  const auto names = [&](const std::string& folder) {
    std::vector<std::string> sorted = Names(folder);
    std::sort(sorted.begin(), sorted.end());
    return sorted;
  };

  EXPECT_EQ(names(local + "\\CacheApp"), (std::vector<std::string>{"link", "p1", "p2", "p3"}));
  EXPECT_EQ(names(local + "\\CacheApp\\p1"), std::vector<std::string>{"settings.json"});
  EXPECT_EQ(names(local + "\\CacheApp\\p2\\Cache"), std::vector<std::string>{"Keep"});
  EXPECT_EQ(names(local + "\\CacheApp\\p2\\Cache\\Keep"), std::vector<std::string>{"k.db"});
  EXPECT_EQ(names(local + "\\CacheApp\\p3\\Cache"), std::vector<std::string>{"held.bin"});
  EXPECT_EQ(names(local + "\\Deep\\sub"), (std::vector<std::string>{"hidden", "out"}));
  EXPECT_TRUE(names(local + "\\Deep\\sub\\hidden").empty());
  EXPECT_NE(GetFileAttributesW(win32::ExtendedPath(local + "\\Deep\\sub\\hidden").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_TRUE(Exists(local + "\\Deep\\keep.dat"));
  EXPECT_FALSE(Exists(local + "\\Deep\\a.tmp"));
  EXPECT_TRUE(Exists(local + "\\Shared\\Papers\\letter.log"));  // Documents, wherever a pattern finds it
  EXPECT_FALSE(Exists(local + "\\Shared\\Other\\other.log"));
  EXPECT_TRUE(Exists(outside + "\\Cache\\o.bin"));
  EXPECT_TRUE(Exists(outside + "\\t.tmp"));
  ASSERT_EQ(result.locations.size(), 10u);
  EXPECT_EQ(result.locations[7].moreId, "Cache App");
  EXPECT_EQ(result.locations[7].outcome, cleaning::Outcome::Emptied);
  EXPECT_EQ(
      result.locations[7].tally.left,
      (std::vector<cleaning::LeftEntry>{{local + "\\CacheApp\\p3\\Cache\\held.bin", cleaning::LeftReason::InUse}}));
}

}  // namespace
}  // namespace vantrelle::testing
