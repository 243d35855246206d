// What has lain too long: Downloads older than N days moved to the Recycle Bin, and the Recycle Bin
// emptied only of items deleted more than N days ago.
#include <string>
#include <vector>

#include "CleaningTest.h"
#include "cleaning/LongStanding.h"
#include "cleaning/Preview.h"
#include "cleaning/RunHistory.h"

namespace vantrelle::testing {
namespace {

using cleaning::kFileTimePerDay;
using platform::FileTime;

class LongStanding : public CleaningTest {
 protected:
  LongStanding() {
    fakes.storage.downloadsFolder = kDownloads;
    fakes.files.AddFolder(kDownloads);
  }
  static constexpr const char* kDownloads = "D:\\Moved\\Downloads";  // redirected
  const FileTime now = fakes.clock.fileTime;
  const FileTime cutoff = now - 30 * kFileTimePerDay;  // 30 days before the run started
};

// Each entry at the boundary of the rules, with what becomes of it.
TEST_F(LongStanding, TheAgeRulesAtTheirBoundaries) {
  constexpr FileTime kSecond = platform::kFileTimePerSecond;
  struct Download {
    const char* name;
    std::uint32_t attributes;
    FileTime written, created, accessed;
    bool moved;
  } const downloads[] = {
      {"old.zip", 0x20, cutoff - kSecond, cutoff - kSecond, cutoff - kSecond, true},
      {"sub\\deep\\old.iso", 0x20, cutoff - kSecond, cutoff - kSecond, cutoff - kSecond, true},
      {"thirty-days.zip", 0x20, cutoff, cutoff - kSecond, cutoff - kSecond, false},  // written exactly N days ago
      {"made-lately.zip", 0x20, cutoff - kSecond, cutoff, cutoff - kSecond, false},
      {"read-lately.pdf", 0x20, cutoff - kSecond, cutoff - kSecond, now, false},
      {"recall-on-access.docx", 0x400020, 0, 0, 0, false},
      {"recall-on-open.docx", 0x40020, 0, 0, 0, false},
      {"offline.docx", 0x1020, 0, 0, 0, false},
      {"desktop.ini", 0x26, 0, 0, 0, false},
      {"held.bin", 0x20, 0, 0, 0, false},  // the shell refuses to move it: left
  };
  for (const auto& d : downloads) {
    const std::string path = std::string(kDownloads) + "\\" + d.name;
    fakes.files.AddFile(path, d.attributes);
    fakes.files.SetTimes(path, d.created, d.written);
    fakes.files.SetAccessed(path, d.accessed);
    fakes.files.SetSize(path, 1024);
  }
  fakes.storage.refuseMoves.insert(std::string(kDownloads) + "\\held.bin");
  fakes.files.AddFolder("C:\\Elsewhere");
  fakes.files.AddFile("C:\\Elsewhere\\old.txt");
  fakes.files.AddLink(std::string(kDownloads) + "\\link", "C:\\Elsewhere");
  struct Item {
    const char* id;
    std::optional<FileTime> deleted;
    bool deletedForGood;
  } const items[] = {
      {"$R1", cutoff - kSecond, true}, {"$R2", cutoff, false}, {"$R3", now, false}, {"$R4", std::nullopt, false}};
  for (const auto& item : items)
    fakes.storage.bin.push_back({item.id, std::string("C:\\was\\") + item.id, 512, item.deleted});

  cleaning::Choices choices{.recycleBin = true};
  choices.recycleBinDays = 30;
  choices.downloads = true;
  choices.downloadsDays = 30;
  const auto preview = cleaning::Preview(fakes.platform, host).Walk(choices);
  form.windowHandle = 0x1234;
  host.owner = 0x1234;
  const auto result = Run(choices);

  std::vector<std::string> expectMoved, expectDeleted;
  for (const auto& d : downloads) {
    if (d.moved) expectMoved.push_back(std::string(kDownloads) + "\\" + d.name);
    EXPECT_EQ(fakes.files.Exists(std::string(kDownloads) + "\\" + d.name), !d.moved) << d.name;
  }
  for (const auto& item : items) {
    if (item.deletedForGood) expectDeleted.push_back(item.id);
  }
  std::sort(expectMoved.begin(), expectMoved.end());
  auto moved = fakes.storage.movedToBin;
  std::sort(moved.begin(), moved.end());
  EXPECT_EQ(moved, expectMoved);
  EXPECT_EQ(fakes.storage.deletedFromBin, expectDeleted);
  EXPECT_TRUE(fakes.files.Exists(std::string(kDownloads) + "\\sub\\deep"));  // folders stay
  EXPECT_TRUE(fakes.files.Exists("C:\\Elsewhere\\old.txt"));                 // links never followed
  EXPECT_EQ(fakes.shell.emptyCalls, 0);

  EXPECT_EQ(cleaning::PreviewText(fakes.locale, preview),
            "Recycle Bin: 1 file, 512 bytes\n"
            "Downloads older than 30 days: 3 files moved to the Recycle Bin, 3.00 KB\n"
            "Total: 4 files, 3.50 KB");
  const std::string block = cleaning::HistoryBlock(fakes.locale, result);
  EXPECT_NE(block.find("  Recycle Bin: 1 file deleted, 0 folders removed, 512 bytes freed, 3 left\r\n"),
            std::string::npos)
      << block;
  EXPECT_NE(block.find("  Downloads older than 30 days: 2 files moved to the Recycle Bin, 2.00 KB, 1 left\r\n"),
            std::string::npos)
      << block;
  EXPECT_NE(block.find("    C:\\was\\$R2 (deleted recently)\r\n"), std::string::npos);
  EXPECT_NE(block.find("    C:\\was\\$R4 (no readable date deleted)\r\n"), std::string::npos);
  EXPECT_NE(block.find("\\held.bin (access denied)\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vantrelle::testing
