#include <gtest/gtest.h>

#include <algorithm>

#include "CleaningTest.h"
#include "base/RuntimeError.h"
#include "cleaning/WindowsTemp.h"

namespace vantrelle::testing {
namespace {

using cleaning::CleanWindowsTemp;
using cleaning::Location;
using cleaning::Outcome;

class WindowsTempTest : public CleaningTest {
 protected:
  // A file in each folder, so a test can see which were emptied.
  void Seed(const std::vector<std::string>& folders) {
    for (const auto& folder : folders) fakes.files.AddFile(folder + "\\junk.tmp");
  }
  bool Emptied(const std::string& folder) const { return !fakes.files.Exists(folder + "\\junk.tmp"); }
  cleaning::Tally tally;
};

// The box names the Windows folder's Temp: it goes with whatever the system's temporary path chooses,
// and no folder is emptied twice, not even through a link.
TEST_F(WindowsTempTest, TheWindowsFoldersTempGoesWithTheFolderTheTempPathChoosesEachOnce) {
  struct Case {
    const char* tempPath;
    const char* windowsFolder;
    std::vector<std::string> emptied;
    bool windowsTempLinksToD = false;
  } cases[] = {
      {"C:\\WINDOWS\\TEMP\\", "C:\\WINDOWS", {"C:\\Windows\\Temp"}},
      {"D:\\TEMP\\", "C:\\WINDOWS", {"D:\\Temp", "C:\\Windows\\Temp"}},
      {"C:\\Users\\bob\\AppData\\Local\\Temp\\", "C:\\Windows", {"C:\\Windows\\Temp"}},  // an ordinary user
      {"D:\\TEMP\\", "", {"D:\\Temp"}},
      {"D:\\TEMP\\", "C:\\Windows", {"D:\\Temp"}, true},
  };
  for (const auto& c : cases) {
    fake::FakePlatform platform;
    platform.environment.Set("WINDIR", c.windowsFolder);
    platform.files.tempPath = c.tempPath;
    if (c.windowsTempLinksToD) platform.files.AddLink("C:\\Windows\\Temp", "D:\\Temp");
    // A file that stays tells how often its folder was emptied.
    const char* folders[] = {"C:\\Windows\\Temp", "D:\\Temp", "C:\\Users\\bob\\AppData\\Local\\Temp"};
    for (const char* folder : folders) {
      if (c.windowsTempLinksToD && std::string(folder) == "C:\\Windows\\Temp") continue;
      platform.files.AddFile(std::string(folder) + "\\kept.tmp");
      platform.files.Lock(std::string(folder) + "\\kept.tmp");
    }
    RecordingRunHost caseHost;

    EXPECT_TRUE(CleanWindowsTemp(platform.platform, caseHost, tally)) << c.tempPath;

    for (const char* folder : folders) {
      const auto times =
          caseHost.StatusesStartingWith("Deleting for files (Windows Temp)..." + std::string(folder)).size();
      const bool chosen = std::find(c.emptied.begin(), c.emptied.end(), folder) != c.emptied.end();
      EXPECT_EQ(times, chosen ? 1u : 0u) << c.tempPath << " " << c.windowsFolder << ": " << folder;
    }
  }
}

TEST_F(WindowsTempTest, AProfileTempSearchesTheUsersFolderForLocalSettingsTemp) {
  fakes.files.tempPath = "C:\\Users\\bob\\AppData\\Local\\Temp\\";
  Seed({"C:\\Windows\\Temp", "C:\\Users\\bob\\AppData\\Local\\Temp", "C:\\Users\\bob\\Local Settings\\Temp",
        "C:\\Users\\ann\\Local Settings\\Temp", "C:\\Users\\NetworkService\\Local Settings\\Temp",
        "C:\\Users\\LocalService\\Local Settings\\Temp", "C:\\Users\\ann\\Temp",
        "C:\\Users\\ann\\Other Settings\\Temp"});
  // Profiles carry links back to their own parents; a naive walker never ends.
  fakes.files.AddLink("C:\\Users\\bob\\AppData\\Local\\Application Data", "C:\\Users\\bob\\AppData\\Local");
  fakes.files.AddLink("C:\\Users\\bob\\Application Data", "C:\\Users\\bob");
  fakes.files.AddLink("C:\\Users\\eve\\Local Settings", "C:\\Users\\bob\\Local Settings");

  EXPECT_TRUE(CleanWindowsTemp(fakes.platform, host, tally));

  EXPECT_TRUE(Emptied("C:\\Users\\bob\\Local Settings\\Temp"));
  EXPECT_TRUE(Emptied("C:\\Users\\ann\\Local Settings\\Temp"));
  EXPECT_TRUE(Emptied("C:\\Windows\\Temp"));  // what the box names, which the search never finds
  for (const char* kept : {"C:\\Users\\bob\\AppData\\Local\\Temp", "C:\\Users\\NetworkService\\Local Settings\\Temp",
                           "C:\\Users\\LocalService\\Local Settings\\Temp", "C:\\Users\\ann\\Temp",
                           "C:\\Users\\ann\\Other Settings\\Temp"}) {
    EXPECT_FALSE(Emptied(kept)) << kept;
  }
  EXPECT_EQ(fakes.files.deleted.size(), 3u);
  EXPECT_FALSE(host.StatusesStartingWith("Searching for folders (Windows Temp)...").empty());
}

TEST_F(WindowsTempTest, AtMostFiftyOneFoldersAreEmptiedByOneStep) {
  fakes.files.tempPath = "C:\\Users\\bob\\AppData\\Local\\Temp\\";
  std::vector<std::string> folders;
  for (int i = 0; i < 60; ++i)
    folders.push_back("C:\\Users\\user" + std::to_string(100 + i) + "\\Local Settings\\Temp");
  Seed(folders);

  EXPECT_TRUE(CleanWindowsTemp(fakes.platform, host, tally));

  for (int i = 0; i < 60; ++i) EXPECT_EQ(Emptied(folders[i]), i < 51) << folders[i];
}

TEST_F(WindowsTempTest, ATempPathThatIsNotTempOrCannotBeResolvedCleansOnlyTheWindowsFoldersTemp) {
  cleaning::Choices windowsTempOnly;
  windowsTempOnly.windowsTemp = true;
  for (const char* tempPath : {"C:\\Windows\\Tmp\\", "C:\\Gone\\Temp\\", "", "Temp"}) {
    fakes.files.tempPath = tempPath;
    Seed({"C:\\Windows\\Temp"});
    fakes.environment.Set("WINDIR", "");
    EXPECT_FALSE(CleanWindowsTemp(fakes.platform, host, tally)) << tempPath;
    EXPECT_EQ(Run(windowsTempOnly).Of(Location::WindowsTemp).outcome, Outcome::NotFound) << tempPath;
    EXPECT_TRUE(fakes.files.deleted.empty()) << tempPath;

    fakes.environment.Set("WINDIR", "C:\\Windows");
    EXPECT_EQ(Run(windowsTempOnly).Of(Location::WindowsTemp).outcome, Outcome::Emptied) << tempPath;
    EXPECT_EQ(fakes.files.deleted, std::vector<std::string>{"C:\\Windows\\Temp\\junk.tmp"}) << tempPath;
    fakes.files.deleted.clear();
  }
  EXPECT_TRUE(host.messages.empty());  // the step fails no run: it has no message
}

TEST(TempFolderList, RefusesAFiftySecondFolder) {
  cleaning::TempFolderList list;
  for (int i = 0; i < 51; ++i) list.Append("C:\\t" + std::to_string(i));
  EXPECT_THROW(list.Append("C:\\one-too-many"), RuntimeError);
  EXPECT_EQ(list.Count(), 51u);
  EXPECT_EQ(list[50], "C:\\t50");
}

}  // namespace
}  // namespace vantrelle::testing
