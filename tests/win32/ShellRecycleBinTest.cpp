#include "CleaningWin32Fixture.h"
// after windows.h
#include <shellapi.h>
#include <shlobj.h>

#include "cleaning/ShellTargets.h"

namespace vantrelle::testing {
namespace {

std::int64_t ItemsInBin() {
  SHQUERYRBINFO info{};
  info.cbSize = sizeof info;
  SHQueryRecycleBinW(L"C:\\", &info);
  return info.i64NumItems;
}

TEST_F(Win32CleaningTest, TheRecycleBinIsReallyEmptied) {
  const std::string file = root + "\\to-recycle.txt";
  MakeFile(file);
  std::wstring from = win32::Widen(file);
  from.push_back(L'\0');  // the list ends with an empty name
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  ASSERT_EQ(SHFileOperationW(&operation), 0);
  ASSERT_FALSE(Exists(file));
  ASSERT_GT(ItemsInBin(), 0);

  const auto owner = reinterpret_cast<platform::WindowHandle>(GetDesktopWindow());
  ASSERT_GT(shell.RecycleBinSize(""), 0);
  cleaning::Tally emptied;
  EXPECT_TRUE(cleaning::EmptyRecycleBin(platform, owner, &emptied));

  EXPECT_EQ(ItemsInBin(), 0);
  EXPECT_GE(emptied.filesDeleted, 1u);
  EXPECT_GE(emptied.bytesFreed, 1u);
  EXPECT_TRUE(cleaning::EmptyRecycleBin(platform, owner));  // already empty: still examined, still true
  EXPECT_TRUE(shell.EmptyAllRecycleBins(owner)) << "an empty bin emptied again is no failure";
}

TEST_F(Win32CleaningTest, RecentDocumentShortcutsAreReallyGone) {
  const auto recent = shell.SpecialFolderPath(8);
  ASSERT_TRUE(recent.has_value());
  const std::string file = root + "\\document.txt";
  MakeFile(file);
  SHAddToRecentDocs(SHARD_PATHW, win32::Widen(file).c_str());
  MakeFolder(*recent);
  MakeFile(*recent + "\\extra.lnk", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  const auto shortcuts = [&] {
    int count = 0;
    for (const auto& name : Names(*recent)) count += name.size() > 4 && name.substr(name.size() - 4) == ".lnk";
    return count;
  };
  ASSERT_GE(shortcuts(), 1);

  EXPECT_TRUE(cleaning::ClearRecentDocuments(platform));

  EXPECT_EQ(shortcuts(), 0);
  EXPECT_TRUE(Exists(file));
}

}  // namespace
}  // namespace vantrelle::testing
