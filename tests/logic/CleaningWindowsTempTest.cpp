#include <gtest/gtest.h>

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

TEST_F(WindowsTempTest, ADriveLevelTempOrTheWindowsFolderIsTheOnlyFolderEmptied) {
  struct Case {
    const char* tempPath;
    const char* emptied;
  } cases[] = {
      {"C:\\WINDOWS\\TEMP\\", "C:\\Windows\\Temp"},
      {"  c:\\windows\\temp  ", "C:\\Windows\\Temp"},
      {"D:\\TEMP\\", "D:\\Temp"},
      {"Z:\\Temp", "Z:\\Temp"},
  };
  for (const auto& c : cases) {
    fake::FakePlatform platform;
    platform.environment.Set("WINDIR", "C:\\WINDOWS");
    platform.files.tempPath = c.tempPath;
    for (const char* folder : {"C:\\Windows\\Temp", "D:\\Temp", "Z:\\Temp", "C:\\Windows\\x\\Local Settings\\Temp"}) {
      platform.files.AddFile(std::string(folder) + "\\junk.tmp");
    }
    RecordingRunHost caseHost;

    EXPECT_TRUE(CleanWindowsTemp(platform.platform, caseHost, tally)) << c.tempPath;

    ASSERT_EQ(platform.files.deleted.size(), 1u) << c.tempPath;
    EXPECT_EQ(platform.files.deleted[0], std::string(c.emptied) + "\\junk.tmp");
  }
}

TEST_F(WindowsTempTest, AProfileTempSearchesTheUsersFolderForLocalSettingsTemp) {
  fakes.files.tempPath = "C:\\Users\\bob\\AppData\\Local\\Temp\\";
  Seed({"C:\\Users\\bob\\AppData\\Local\\Temp", "C:\\Users\\bob\\Local Settings\\Temp",
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
  for (const char* kept : {"C:\\Users\\bob\\AppData\\Local\\Temp", "C:\\Users\\NetworkService\\Local Settings\\Temp",
                           "C:\\Users\\LocalService\\Local Settings\\Temp", "C:\\Users\\ann\\Temp",
                           "C:\\Users\\ann\\Other Settings\\Temp"}) {
    EXPECT_FALSE(Emptied(kept)) << kept;
  }
  EXPECT_EQ(fakes.files.deleted.size(), 2u);
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

TEST_F(WindowsTempTest, ATempPathThatIsNotTempOrCannotBeResolvedCleansNothing) {
  cleaning::Choices windowsTempOnly;
  windowsTempOnly.windowsTemp = true;
  for (const char* tempPath : {"C:\\Windows\\Tmp\\", "C:\\Gone\\Temp\\", "", "Temp"}) {
    fakes.files.tempPath = tempPath;
    Seed({"C:\\Windows\\Temp"});
    EXPECT_FALSE(CleanWindowsTemp(fakes.platform, host, tally)) << tempPath;
    EXPECT_EQ(Run(windowsTempOnly).Of(Location::WindowsTemp).outcome, Outcome::NotFound) << tempPath;
    EXPECT_TRUE(fakes.files.deleted.empty()) << tempPath;
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
