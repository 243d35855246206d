// What a run reports: the figures of each location, the entries left and why, the age rule.
#include <gtest/gtest.h>

#include "CleaningTest.h"
#include "cleaning/FolderEmptier.h"

namespace vantrelle::testing {
namespace {

using cleaning::LeftEntry;
using cleaning::LeftReason;
using cleaning::Location;
using cleaning::Tally;
using platform::kFileTimePerHour;

class ReportTest : public CleaningTest {
 protected:
  ReportTest() {
    fakes.shell.specialFolders[8] = kRecent;
    fakes.files.AddFolder(kRecent);
  }
  void File(const std::string& path, std::uint64_t size, platform::FileTime written = 0) {
    fakes.files.AddFile(path);
    fakes.files.SetSize(path, size);
    fakes.files.SetTimes(path, 0, written);
  }
  platform::FileTime HoursAgo(std::int64_t hours) const { return fakes.clock.fileTime - hours * kFileTimePerHour; }

  static constexpr const char* kRecent = "C:\\Users\\bob\\Recent";
};

TEST_F(ReportTest, EachLocationCountsWhatItReallyDeleted) {
  fakes.files.tempPath = "C:\\Windows\\TEMP\\";
  File("C:\\Windows\\Temp\\a.tmp", 1000);
  File("C:\\Windows\\Temp\\sub\\b.tmp", 24);
  File("C:\\Users\\bob\\AppData\\Roaming\\Temp\\c.tmp", 5);
  File("C:\\Users\\bob\\AppData\\Local\\Temp\\d.tmp", 7);
  File("C:\\Users\\bob\\AppData\\Local\\Temp\\locked.tmp", 900);
  fakes.files.Lock("C:\\Users\\bob\\AppData\\Local\\Temp\\locked.tmp");
  File(std::string(kRecent) + "\\one.lnk", 300);
  File(std::string(kRecent) + "\\two.lnk", 200);
  File(std::string(kRecent) + "\\desktop.ini", 50);  // not a shortcut: not the list's
  fakes.shell.recycleBins = {{"C:\\", 4}};
  fakes.shell.recycleBinBytes = {{"C:\\", 1 << 20}};

  const auto result = Run(AllLocations("C:\\Nowhere"));

  // Files, folders, bytes and entries left per location; the own folder failed.
  const Tally expected[] = {{2, 1, 1024, {}},
                            {4, 0, 1 << 20, {}},
                            {2, 0, 500, {}},
                            {1, 0, 5, {}},
                            {1, 0, 7, {{"C:\\Users\\bob\\AppData\\Local\\Temp\\locked.tmp", LeftReason::InUse}}},
                            {0, 0, 0, {}}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(result.locations[i].tally == expected[i]) << i;
    EXPECT_EQ(result.locations[i].Failed(), i == 5) << i;
  }
  EXPECT_EQ(result.FilesDeleted(), 10u);
  EXPECT_EQ(result.BytesFreed(), 1024u + (1 << 20) + 500 + 5 + 7);
  EXPECT_EQ(result.EntriesLeft(), 1u);
  EXPECT_EQ(result.started, fakes.clock.now);

  // A bin the shell did not empty freed nothing, whatever it held.
  fakes.shell.recycleBins = {{"C:\\", 4}};
  fakes.shell.recycleBinBytes = {{"C:\\", 4096}};
  fakes.shell.failEmpty = true;
  const auto failed = Run({.recycleBin = true});
  EXPECT_TRUE(failed.Of(Location::RecycleBin).Failed());
  EXPECT_EQ(failed.FilesDeleted() + failed.BytesFreed(), 0u);
}

TEST_F(ReportTest, EveryEntryLeftIsNamedWithItsReasonAndTheFoldersHoldingItAreNot) {
  fakes.files.openFollowsLinks = true;  // as Wine opens a link: as what it points to
  fakes.files.AddFolder("C:\\Outside");
  File("C:\\Work\\in-use.dat", 1);
  File("C:\\Work\\deep\\er\\refused.dat", 1);
  File("C:\\Work\\gone.dat", 1);
  fakes.files.AddFolder("C:\\Work\\stuck");
  fakes.files.AddLink("C:\\Work\\link", "C:\\Outside");
  fakes.files.Lock("C:\\Work\\in-use.dat");
  fakes.files.MakeUndeletable("C:\\Work\\deep\\er\\refused.dat");
  fakes.files.MakeUndeletable("C:\\Work\\stuck");
  // Taken away by someone else between the listing and its turn: no news.
  fakes.events.onDoEvents = [&] {
    if (!host.statuses.empty() && host.statuses.back().ends_with("gone.dat")) fakes.files.Remove("C:\\Work\\gone.dat");
  };

  const auto result = Run({.ownFolder = true, .ownFolderPath = "C:\\Work"});
  const auto& own = result.Of(Location::OwnFolder).tally;

  EXPECT_EQ(own.left, (std::vector<LeftEntry>{{"C:\\Work\\link", LeftReason::Link},
                                              {"C:\\Work\\stuck", LeftReason::AccessDenied},
                                              {"C:\\Work\\deep\\er\\refused.dat", LeftReason::AccessDenied},
                                              {"C:\\Work\\in-use.dat", LeftReason::InUse}}));
  EXPECT_EQ(own.filesDeleted, 0u);
  EXPECT_EQ(own.foldersRemoved, 0u);  // "deep" and "er" stay with what they hold
  EXPECT_TRUE(fakes.files.Exists("C:\\Work\\deep\\er"));
}

TEST_F(ReportTest, FilesChangedWithinTheKeptHoursStayUpToTheBoundary) {
  constexpr int kHours = 12;
  struct Case {
    const char* name;
    platform::FileTime created, written;
    bool kept;
  } const cases[] = {
      {"old.tmp", 0, HoursAgo(kHours) - 1, false},
      {"boundary.tmp", 0, HoursAgo(kHours), true},
      {"fresh.tmp", 0, HoursAgo(1), true},
      {"copied-in.tmp", HoursAgo(2), HoursAgo(400), true},  // an old file brought in lately
      {"future.tmp", 0, fakes.clock.fileTime + kFileTimePerHour, true},
  };
  for (const auto& c : cases) {
    File(std::string("C:\\Work\\sub\\") + c.name, 10);
    fakes.files.SetTimes(std::string("C:\\Work\\sub\\") + c.name, c.created, c.written);
  }
  File("C:\\Work\\gone\\old.tmp", 10, HoursAgo(100));

  const auto result = Run({.ownFolder = true, .ownFolderPath = "C:\\Work", .keepRecentHours = kHours});
  const auto& own = result.Of(Location::OwnFolder).tally;

  for (const auto& c : cases) {
    const std::string path = std::string("C:\\Work\\sub\\") + c.name;
    EXPECT_EQ(fakes.files.Exists(path), c.kept) << c.name;
    const bool reported =
        std::find(own.left.begin(), own.left.end(), LeftEntry{path, LeftReason::KeptAsRecent}) != own.left.end();
    EXPECT_EQ(reported, c.kept) << c.name;
  }
  // A folder goes only when it ends up empty.
  EXPECT_TRUE(fakes.files.Exists("C:\\Work\\sub"));
  EXPECT_FALSE(fakes.files.Exists("C:\\Work\\gone"));
  EXPECT_EQ(own.filesDeleted, 2u);
  EXPECT_EQ(own.foldersRemoved, 1u);
}

TEST_F(ReportTest, AFileWrittenAfterItWasListedIsKeptToo) {
  File("C:\\Work\\busy.log", 10, HoursAgo(50));
  fakes.events.onDoEvents = [&] {
    if (!host.statuses.empty() && host.statuses.back().starts_with("Deleting"))
      fakes.files.SetTimes("C:\\Work\\busy.log", 0, fakes.clock.fileTime);
  };
  cleaning::Tally tally;
  cleaning::EmptyFolder(fakes.platform, host, "C:\\Work", tally,
                        cleaning::AgeRule::KeepingHours(fakes.clock.fileTime, 1));
  EXPECT_TRUE(fakes.files.Exists("C:\\Work\\busy.log"));
  EXPECT_EQ(tally.left, (std::vector<LeftEntry>{{"C:\\Work\\busy.log", LeftReason::KeptAsRecent}}));
}

TEST_F(ReportTest, NoKeptHoursOrNoClockAndTheShellLocationsFollowTheirOwnRules) {
  File("C:\\Work\\fresh.tmp", 10, fakes.clock.fileTime);
  File(std::string(kRecent) + "\\fresh.lnk", 10, fakes.clock.fileTime);
  // Zero hours keep nothing, as before there was a choice.
  EXPECT_EQ(Run({.ownFolder = true, .ownFolderPath = "C:\\Work"}).Of(Location::OwnFolder).tally.filesDeleted, 1u);
  // The recent-documents list is cleared whole, whatever the hours.
  EXPECT_EQ(Run({.recentDocuments = true, .keepRecentHours = 8760}).Of(Location::RecentDocuments).tally.filesDeleted,
            1u);
  // Without a clock to measure the hours from, everything stays.
  File("C:\\Work\\ancient.tmp", 10, 0);
  fakes.platform.clock = nullptr;
  const auto result = Run({.ownFolder = true, .ownFolderPath = "C:\\Work", .keepRecentHours = 1});
  const auto& own = result.Of(Location::OwnFolder).tally;
  EXPECT_EQ(own.filesDeleted, 0u);
  EXPECT_TRUE(fakes.files.Exists("C:\\Work\\ancient.tmp"));
}

}  // namespace
}  // namespace vantrelle::testing
