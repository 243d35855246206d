// Free space, a move to the Recycle Bin, and the bin item by item, on the real shell under Wine.
#include "CleaningWin32Fixture.h"
// after windows.h
#include <shellapi.h>

#include "platform/win32/Win32Storage.h"

namespace vantrelle::testing {
namespace {

TEST_F(Win32CleaningTest, FreeSpaceOfTheSystemDriveIsReadAndAMissingDriveIsNot) {
  win32::Win32Storage storage;
  ULARGE_INTEGER free{}, total{};
  ASSERT_TRUE(GetDiskFreeSpaceExW(L"C:\\", &free, &total, nullptr));
  const std::string drive = storage.SystemDrive();
  EXPECT_EQ(drive, "C:");
  const auto bytes = storage.FreeBytes(drive);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_GT(*bytes, 0u);
  EXPECT_LE(*bytes, total.QuadPart);
  EXPECT_FALSE(storage.FreeBytes("Q:").has_value());
}

// A file moved to the bin leaves its folder and shows in the bin as an item of its own, with its
// size; the item then deleted for good leaves the bin, or, where the shell cannot, is said to stay.
TEST_F(Win32CleaningTest, AFileMovedToTheBinIsAnItemThatCanBeDeletedForGood) {
  win32::Win32Storage storage;
  const std::string file = root + "\\old-download.bin";
  MakeFile(file);
  const auto before = storage.RecycledItems();
  ASSERT_TRUE(before.has_value());

  ASSERT_TRUE(storage.MoveToRecycleBin(file, 0));
  EXPECT_FALSE(Exists(file));
  const auto after = storage.RecycledItems();
  ASSERT_TRUE(after.has_value());
  ASSERT_EQ(after->size(), before->size() + 1);
  const platform::RecycledItem* moved = nullptr;
  for (const auto& item : *after) {
    if (item.name.ends_with("old-download.bin")) moved = &item;
  }
  ASSERT_NE(moved, nullptr);
  EXPECT_FALSE(moved->id.empty());
  EXPECT_FALSE(storage.MoveToRecycleBin(file, 0)) << "a file that is not there is not reported as moved";

  const bool deleted = storage.DeleteRecycledItem(*moved, 0);
  const auto left = storage.RecycledItems();
  ASSERT_TRUE(left.has_value());
  EXPECT_EQ(left->size(), after->size() - (deleted ? 1 : 0));
  EXPECT_FALSE(storage.DeleteRecycledItem({"no such item", "", 0, std::nullopt}, 0));
}

}  // namespace
}  // namespace vantrelle::testing
