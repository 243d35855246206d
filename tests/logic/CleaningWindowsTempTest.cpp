#include <gtest/gtest.h>

#include "CleaningFixture.h"
#include "cleaning/modDeleteTempFiles.h"

namespace vantrelle::testing {
namespace {

using modDeleteTempFiles::CleanWindowsTemp;

class WindowsTempTest : public CleaningTest {
 protected:
  // A file in each folder, so a test can see which were emptied.
  void Seed(const std::vector<std::string>& folders) {
    for (const auto& folder : folders) fake.files.AddFile(folder + "\\junk.tmp");
  }
  bool Emptied(const std::string& folder) const { return !fake.files.Exists(folder + "\\junk.tmp"); }
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
    Form1 window(platform.platform);

    EXPECT_TRUE(CleanWindowsTemp(window)) << c.tempPath;

    ASSERT_EQ(platform.files.deleted.size(), 1u) << c.tempPath;
    EXPECT_EQ(platform.files.deleted[0], std::string(c.emptied) + "\\junk.tmp");
  }
}

TEST_F(WindowsTempTest, AProfileTempSearchesTheUsersFolderForLocalSettingsTemp) {
  fake.files.tempPath = "C:\\Users\\bob\\AppData\\Local\\Temp\\";
  Seed({"C:\\Users\\bob\\AppData\\Local\\Temp", "C:\\Users\\bob\\Local Settings\\Temp",
        "C:\\Users\\ann\\Local Settings\\Temp", "C:\\Users\\NetworkService\\Local Settings\\Temp",
        "C:\\Users\\LocalService\\Local Settings\\Temp", "C:\\Users\\ann\\Temp",
        "C:\\Users\\ann\\Other Settings\\Temp"});
  // Profiles carry links back to their own parents; a naive walker never ends.
  fake.files.AddLink("C:\\Users\\bob\\AppData\\Local\\Application Data", "C:\\Users\\bob\\AppData\\Local");
  fake.files.AddLink("C:\\Users\\bob\\Application Data", "C:\\Users\\bob");
  fake.files.AddLink("C:\\Users\\eve\\Local Settings", "C:\\Users\\bob\\Local Settings");

  EXPECT_TRUE(CleanWindowsTemp(form));

  EXPECT_TRUE(Emptied("C:\\Users\\bob\\Local Settings\\Temp"));
  EXPECT_TRUE(Emptied("C:\\Users\\ann\\Local Settings\\Temp"));
  for (const char* kept : {"C:\\Users\\bob\\AppData\\Local\\Temp", "C:\\Users\\NetworkService\\Local Settings\\Temp",
                           "C:\\Users\\LocalService\\Local Settings\\Temp", "C:\\Users\\ann\\Temp",
                           "C:\\Users\\ann\\Other Settings\\Temp"}) {
    EXPECT_FALSE(Emptied(kept)) << kept;
  }
  EXPECT_EQ(fake.files.deleted.size(), 2u);
  EXPECT_FALSE(StatusTextsStartingWith("Searching for folders (Windows Temp)...").empty());
}

TEST_F(WindowsTempTest, AtMostFiftyOneFoldersAreEmptiedByOneStep) {
  fake.files.tempPath = "C:\\Users\\bob\\AppData\\Local\\Temp\\";
  std::vector<std::string> folders;
  for (int i = 0; i < 60; ++i)
    folders.push_back("C:\\Users\\user" + std::to_string(100 + i) + "\\Local Settings\\Temp");
  Seed(folders);

  EXPECT_TRUE(CleanWindowsTemp(form));

  for (int i = 0; i < 60; ++i) EXPECT_EQ(Emptied(folders[i]), i < 51) << folders[i];
}

TEST_F(WindowsTempTest, ATempPathThatIsNotTempOrCannotBeResolvedCleansNothing) {
  for (const char* tempPath : {"C:\\Windows\\Tmp\\", "C:\\Gone\\Temp\\", "", "Temp"}) {
    fake.files.tempPath = tempPath;
    Seed({"C:\\Windows\\Temp"});
    EXPECT_FALSE(CleanWindowsTemp(form)) << tempPath;
    EXPECT_TRUE(fake.files.deleted.empty()) << tempPath;
  }
  EXPECT_TRUE(fake.messageBox.shown.empty());
}

TEST(TempFolderList, RefusesAFiftySecondFolder) {
  modDeleteTempFiles::TempFolderList list;
  for (int i = 0; i < 51; ++i) list.Append("C:\\t" + std::to_string(i));
  EXPECT_THROW(list.Append("C:\\one-too-many"), RuntimeError);
  EXPECT_EQ(list.Count(), 51u);
  EXPECT_EQ(list[50], "C:\\t50");
}

TEST_F(CleaningTest, EmptyTempFolderChecksTheFolderBeforeEmptyingIt) {
  struct Case {
    const char* path;
    bool ownFolder;
    bool result;
  } cases[] = {
      {"C:\\Users\\bob\\AppData\\Roaming\\Temp", false, true},
      {"C:\\Work\\TEMP", false, true},
      {"C:\\Work\\Cache", false, false},  // exists, but is not a temporary folder
      {"C:\\Missing\\Temp", false, false},
      {"C:\\Work\\Cache", true, true},
      {"C:\\Missing", true, false},
      {"C:\\", true, false},
      {"C:\\Windows", true, false},
  };
  for (const auto& c : cases) {
    const std::string path = c.path;
    if (path.find("Missing") == std::string::npos)
      fake.files.AddFile((path.back() == '\\' ? path : path + "\\") + "x.tmp");
    fake.files.deleted.clear();

    EXPECT_EQ(modDeleteTempFiles::EmptyTempFolder(form, path, c.ownFolder), c.result) << path;
    EXPECT_EQ(fake.files.deleted.size(), c.result ? 1u : 0u) << path;
  }
}

}  // namespace
}  // namespace vantrelle::testing
