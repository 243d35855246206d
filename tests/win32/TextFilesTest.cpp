// The program's own text files (its history) on the real file system.
#include "CleaningWin32Fixture.h"
#include "platform/win32/Win32TextFiles.h"

namespace vantrelle::testing {
namespace {

TEST_F(Win32CleaningTest, ATextFileIsMadeWithItsFoldersAndReplacedWhole) {
  win32::Win32TextFiles textFiles;
  const std::string path = root + "\\Local\\Vantrelle\\history.log";
  EXPECT_EQ(textFiles.Read(path), std::string());  // no file yet: no text, and no failure
  EXPECT_FALSE(textFiles.Exists(path));

  ASSERT_TRUE(textFiles.Write(path, "Run 1 \xC3\xA9\r\n"));
  ASSERT_TRUE(textFiles.Write(path, "Run 1 \xC3\xA9\r\nRun 2 \xE2\x80\xA6\r\n"));

  EXPECT_TRUE(textFiles.Exists(path));
  EXPECT_EQ(textFiles.Read(path), "Run 1 \xC3\xA9\r\nRun 2 \xE2\x80\xA6\r\n");
  EXPECT_EQ(Names(root + "\\Local\\Vantrelle"), std::vector<std::string>{"history.log"});  // nothing left beside it

  // Held open by someone who shares nothing: neither read nor replaced, and the text survives.
  HANDLE held = CreateFileW(win32::ExtendedPath(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(textFiles.Read(path), std::nullopt);
  EXPECT_FALSE(textFiles.Write(path, "lost"));
  CloseHandle(held);
  EXPECT_EQ(textFiles.Read(path), "Run 1 \xC3\xA9\r\nRun 2 \xE2\x80\xA6\r\n");
}

}  // namespace
}  // namespace vantrelle::testing
