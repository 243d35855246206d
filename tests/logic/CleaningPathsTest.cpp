#include <gtest/gtest.h>

#include <optional>

#include "cleaning/Paths.h"
#include "cleaning/ProtectedFolders.h"
#include "platform/fake/FakeFileSystem.h"

namespace vantrelle {
namespace {

using namespace cleaning;

TEST(PathHelpers, TrailingCharactersAndNul) {
  using namespace std::string_literals;
  EXPECT_EQ(AddTrailingChar("", '\\'), "\\");
  EXPECT_EQ(AddTrailingChar("  C:\\Temp  ", '\\'), "C:\\Temp\\");
  EXPECT_EQ(AddTrailingChar("C:\\Temp\\", '\\'), "C:\\Temp\\");
  EXPECT_EQ(AddTrailingChar("abc", 'C'), "abc");  // compared without regard to case
  EXPECT_EQ(RemoveTrailingChar("", '\\'), "");
  EXPECT_EQ(RemoveTrailingChar(" C:\\Temp\\\\ ", '\\'), "C:\\Temp\\");
  EXPECT_EQ(RemoveTrailingChar("C:\\Temp", '\\'), "C:\\Temp");
  EXPECT_EQ(TextBeforeNull("name\0\0\0garbage"s), "name");
  EXPECT_EQ(TextBeforeNull("whole"), "whole");
}

TEST(LongPath, GivesLongProperCasedNamesOrNothingWhenAComponentIsMissing) {
  fake::FakeFileSystem files;
  files.AddFolder("C:\\WINDOWS\\TEMP");
  files.AddFolder("C:\\Program Files\\my app");
  files.SetShortName("C:\\Program Files", "PROGRA~1");
  EXPECT_EQ(LongPath(files, "c:\\windows\\temp\\"), "C:\\Windows\\Temp");
  EXPECT_EQ(LongPath(files, "\"C:\\PROGRA~1\\MY APP\""), "C:\\Program Files\\My App");
  EXPECT_EQ(LongPath(files, "C:\\Windows\\Gone\\"), "");
  EXPECT_EQ(LongPath(files, "C:\\"), "C:");
}

TEST(NormalizeFolderPath, ResolvesDotsSlashesAndPrefixesAndRefusesRelativePaths) {
  struct Case {
    const char* in;
    std::optional<std::string> out;
  } cases[] = {
      {"C:\\Users\\bob\\", "C:\\Users\\bob"},
      {" c:/users/./bob/../ann ", "C:\\users\\ann"},
      {"C:", "C:\\"},
      {"\\\\?\\C:\\Temp", "C:\\Temp"},
      {"\\\\server\\share\\", "\\\\server\\share"},
      {"\\\\?\\UNC\\server\\share\\x", "\\\\server\\share\\x"},
      {"C:\\..", std::nullopt},
      {"Users\\bob", std::nullopt},
      {"\\Windows", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeFolderPath(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace vantrelle
