// The preview's list as a person reads it: its order, its filter, what is copied and what is saved.
#include <gtest/gtest.h>

#include "cleaning/PreviewList.h"
#include "platform/fake/FakeLocale.h"

namespace vantrelle::testing {
namespace {

using cleaning::Fate;
using cleaning::PreviewColumn;

class PreviewListTest : public ::testing::Test {
 protected:
  PreviewListTest() {
    rows.Add({"User Temp", "", "C:\\T", "b.tmp", 10, 0, Fate::Deleted});
    rows.Add({"User Temp", "", "C:\\T\\sub", "held, \"odd\".log", 300, 0, Fate::InUse});
    rows.Add({"Chrome cache", "Chrome", "C:\\C", "A.bin", 20, 133'000'000'000'000'000, Fate::ProgramRunning});
    rows.Add({"Thumbnails", "", "", "Thumbnail Cache", 5000, 0, Fate::ByWindowsCleanup});
  }
  // The names in the order shown.
  std::string Names() const {
    std::string names;
    for (std::size_t i = 0; i < order.Count(); ++i) names += std::string(rows.Row(order.RowAt(i)).name) + "|";
    return names;
  }

  fake::FakeLocale locale;
  cleaning::PreviewRowTable rows;
  cleaning::PreviewListOrder order;
};

TEST_F(PreviewListTest, LargestFirstAColumnClickSortsByItAgainTurnsItAndTheFilterKeepsOneLocation) {
  order.Update(rows);
  EXPECT_EQ(Names(), "Thumbnail Cache|held, \"odd\".log|A.bin|b.tmp|");
  order.SortBy(rows, PreviewColumn::Name);
  EXPECT_EQ(Names(), "A.bin|b.tmp|held, \"odd\".log|Thumbnail Cache|");
  order.SortBy(rows, PreviewColumn::Name);
  EXPECT_EQ(Names(), "Thumbnail Cache|held, \"odd\".log|b.tmp|A.bin|");
  order.FilterByLocation(rows, "User Temp");
  EXPECT_EQ(Names(), "held, \"odd\".log|b.tmp|");
  rows.Add({"User Temp", "", "C:\\T", "c.tmp", 1, 0, Fate::KeptAsRecent});
  rows.Add({"Recycle Bin", "", "C:\\", "d", 1, 0, Fate::Deleted});
  EXPECT_EQ(order.Update(rows), 1u);  // rows that arrive later take their places; the rows above stay
  EXPECT_EQ(Names(), "held, \"odd\".log|c.tmp|b.tmp|");
  EXPECT_EQ(order.Update(rows), order.Count());
  order.FilterByLocation(rows, "");
  EXPECT_EQ(order.Count(), 6u);
}

TEST_F(PreviewListTest, SelectedRowsCopyAsTabsAndEveryRowSavesAsQuotedCsvWithItsHeader) {
  order.Update(rows);
  const std::size_t chosen[] = {0, 2};
  EXPECT_EQ(order.CopiedText(locale, rows, chosen),
            "Thumbnails\tThumbnail Cache\t\t5000\t\t4.88 KB to be freed by Windows' cleanup\r\n"
            "Chrome cache\tA.bin\tC:\\C\t20\t2022-06-18 04:26:40\tskipped: Chrome is running\r\n");
  order.FilterByLocation(rows, "Thumbnails");
  EXPECT_EQ(order.Csv(locale, rows),
            "\xEF\xBB\xBFLocation,Name,Folder,Size,Changed,What happens\r\n"
            "Thumbnails,Thumbnail Cache,,5000,,4.88 KB to be freed by Windows' cleanup\r\n"
            "User Temp,\"held, \"\"odd\"\".log\",C:\\T\\sub,300,,stays: in use\r\n"
            "Chrome cache,A.bin,C:\\C,20,2022-06-18 04:26:40,skipped: Chrome is running\r\n"
            "User Temp,b.tmp,C:\\T,10,,deleted\r\n");
  // Any program names files in a temp folder: a name a spreadsheet would run as a formula is saved as text.
  cleaning::PreviewRowTable named;
  for (const char* name : {"=HYPERLINK(\"x\")", "+1", "-1", "@SUM(A1)", "\t=1", "\r=1", "a=1"})
    named.Add({"User Temp", "", "C:\\T", name, 1, 0, Fate::Deleted});
  EXPECT_EQ(
      order.Csv(locale, named),
      "\xEF\xBB\xBFLocation,Name,Folder,Size,Changed,What happens\r\n"
      "User Temp,\"'=HYPERLINK(\"\"x\"\")\",C:\\T,1,,deleted\r\nUser Temp,'+1,C:\\T,1,,deleted\r\n"
      "User Temp,'-1,C:\\T,1,,deleted\r\nUser Temp,'@SUM(A1),C:\\T,1,,deleted\r\n"
      "User Temp,'\t=1,C:\\T,1,,deleted\r\nUser Temp,\"'\r=1\",C:\\T,1,,deleted\r\nUser Temp,a=1,C:\\T,1,,deleted\r\n");
  locale.language = Language::German;
  EXPECT_TRUE(order.Csv(locale, rows).starts_with("\xEF\xBB\xBFOrt,Name,Ordner,Größe,Geändert,Was geschieht\r\n"));
}

}  // namespace
}  // namespace vantrelle::testing
