// The history file: one block per run, kept to its size by dropping the oldest runs whole.
#include <gtest/gtest.h>

#include "CleaningTest.h"
#include "cleaning/HistoryReading.h"
#include "cleaning/PreviewAndHistoryTexts.h"
#include "cleaning/RunHistory.h"
#include "settings/RunRecord.h"

namespace vantrelle::testing {
namespace {

using cleaning::LeftReason;
using cleaning::Location;
using cleaning::Outcome;
using cleaning::RunResult;

constexpr const char* kHistory = "C:\\Users\\bob\\AppData\\Local\\Vantrelle\\history.log";

class HistoryTest : public CleaningTest {
 protected:
  HistoryTest() { fakes.shell.knownFolders[platform::KnownFolder::LocalAppData] = "C:\\Users\\bob\\AppData\\Local"; }

  // A run's report made by hand: the figures are the run's business, the history only writes them.
  static RunResult Report(cleaning::Trigger trigger, std::size_t left) {
    RunResult result;
    result.choices = {.userTemp = true, .ownFolder = true, .ownFolderPath = "C:\\Work", .trigger = trigger};
    result.started = {2026, 12, 7, 9, 5, 3};
    for (int i = 0; i < 6; ++i) result.locations.push_back({static_cast<Location>(i), Outcome::NotChosen, {}});
    auto& userTemp = result.locations[static_cast<int>(Location::UserTemp)];
    userTemp.outcome = Outcome::Emptied;
    userTemp.tally = {.filesDeleted = 1234, .foldersRemoved = 2, .bytesFreed = 1536, .left = {}};
    for (std::size_t i = 0; i < left; ++i) {
      userTemp.tally.left.push_back({"C:\\T\\f" + std::to_string(i), i % 2 ? LeftReason::InUse : LeftReason::Link});
    }
    result.locations[static_cast<int>(Location::OwnFolder)].outcome = Outcome::Refused;
    return result;
  }
};

TEST_F(HistoryTest, ABlockTellsTheStartTheTriggerEachChosenLocationAndWhatWasLeft) {
  const std::string block = cleaning::HistoryBlock(fakes.locale, Report(cleaning::Trigger::Schedule, 2));
  EXPECT_EQ(block,
            "Run 2026-12-07 09:05:03, started by Schedule\r\n"
            "  User Temp (AppData): 1,234 files deleted, 2 folders removed, 1.50 KB freed, 2 left\r\n"
            "  Own folder (C:\\Work): refused: a drive root, or a system or profile folder, or one holding one\r\n"
            "  Left:\r\n"
            "    C:\\T\\f0 (a link left alone)\r\n"
            "    C:\\T\\f1 (in use)\r\n"
            "\r\n");
  RunResult nothing = Report(cleaning::Trigger::CommandLine, 0);
  nothing.choices.keepRecentHours = 12;
  for (auto& location : nothing.locations) location.outcome = Outcome::NotChosen;
  EXPECT_EQ(cleaning::HistoryBlock(fakes.locale, nothing),
            "Run 2026-12-07 09:05:03, started by Command line, keeping files changed in the last 12 hours\r\n"
            "  no location chosen\r\n\r\n");
}

TEST_F(HistoryTest, AtMostTwoHundredEntriesLeftAreNamedAndTheRestCounted) {
  for (const std::size_t left : {200u, 201u, 1000u}) {
    const std::string block = cleaning::HistoryBlock(fakes.locale, Report(cleaning::Trigger::Now, left));
    std::size_t named = 0;
    for (auto at = block.find("\r\n    C:\\T\\"); at != std::string::npos; at = block.find("\r\n    C:\\T\\", at + 1))
      ++named;
    EXPECT_EQ(named, 200u) << left;
    const std::string more = "    \xE2\x80\xA6 and " + std::to_string(left - 200) + " more\r\n";
    EXPECT_EQ(block.find(more) != std::string::npos, left > 200) << left;
  }
  // A block never outgrows the history itself.
  const std::string small = cleaning::HistoryBlock(fakes.locale, Report(cleaning::Trigger::Now, 50), 400);
  EXPECT_LE(small.size(), 400u);
  EXPECT_NE(small.find("more\r\n"), std::string::npos);
}

TEST_F(HistoryTest, TheOldestRunsAreDroppedWholeToKeepTheLimit) {
  const auto block = [](char tag, std::size_t size) {
    std::string text = std::string("Run ") + tag + "\r\n";
    text += "  " + std::string(size - text.size() - 6, tag) + "\r\n\r\n";
    return text;
  };
  std::string history;
  for (char tag : {'a', 'b', 'c'}) history = cleaning::AppendToHistory(history, block(tag, 100), 250);
  EXPECT_EQ(history, block('b', 100) + block('c', 100));  // 300 would not fit: "a" went whole
  EXPECT_EQ(cleaning::AppendToHistory(history, block('d', 240), 250), block('d', 240));
  // Text that is no run of ours, or a last run cut short, is dropped like a run.
  EXPECT_EQ(cleaning::AppendToHistory("stray text", block('e', 100), 250), "stray text\r\n" + block('e', 100));
  EXPECT_EQ(cleaning::AppendToHistory(std::string(300, 'x'), block('e', 100), 250), block('e', 100));
}

TEST_F(HistoryTest, ARunIsAddedToTheFileInTheLocalApplicationDataFolder) {
  const std::string first = cleaning::HistoryBlock(fakes.locale, Report(cleaning::Trigger::Now, 0));
  ASSERT_TRUE(cleaning::SaveToHistory(fakes.platform, first));
  ASSERT_TRUE(cleaning::SaveToHistory(fakes.platform,
                                      cleaning::HistoryBlock(fakes.locale, Report(cleaning::Trigger::Schedule, 0))));
  const std::string text = *fakes.textFiles.Read(kHistory);
  EXPECT_EQ(text.find("Run 2026-12-07 09:05:03, started by Now\r\n"), 0u);
  EXPECT_NE(text.find("\r\n\r\nRun 2026-12-07 09:05:03, started by Schedule\r\n"), std::string::npos);

  // A history that cannot be read is left alone rather than replaced; nothing throws.
  fakes.textFiles.unreadable.insert(ToLower(kHistory));
  EXPECT_FALSE(cleaning::SaveToHistory(fakes.platform, first));
  fakes.textFiles.unreadable.clear();
  EXPECT_EQ(*fakes.textFiles.Read(kHistory), text);
  fakes.textFiles.refuseWrites = true;
  EXPECT_FALSE(cleaning::SaveToHistory(fakes.platform, first));
  fakes.textFiles.refuseWrites = false;
  fakes.shell.knownFolders.erase(platform::KnownFolder::LocalAppData);
  EXPECT_FALSE(cleaning::SaveToHistory(fakes.platform, first));
  EXPECT_EQ(cleaning::HistoryPath(fakes.platform), "");
}

// The log read back, written in two regional settings, with lines of no known form among the runs:
// those are counted and passed over; the chart's days split what was freed by the kind of run.
TEST_F(HistoryTest, TheLogIsReadBackIntoRunsAndDaysAndWhatCannotBeReadIsCounted) {
  std::string log = "garbage before any run\r\n";
  const cleaning::Trigger triggers[] = {cleaning::Trigger::Schedule, cleaning::Trigger::LowDiskSpace,
                                        cleaning::Trigger::Now, cleaning::Trigger::CommandLine};
  for (int i = 0; i < 4; ++i) {
    if (i == 2) fakes.locale.UseGerman();
    RunResult run = Report(triggers[i], static_cast<std::size_t>(i));
    run.started.day = 1 + i;
    run.locations[static_cast<int>(Location::UserTemp)].tally.bytesFreed = (i + 1) * 1536;
    log = cleaning::AppendToHistory(log, cleaning::HistoryBlock(fakes.locale, run));
    if (i == 1) log += "  Windows Temp: 3 pears\r\n";
  }
  const auto read = cleaning::ReadHistoryText(log);
  EXPECT_EQ(read.unreadLines, 2u);
  ASSERT_EQ(read.runs.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    const auto& run = read.runs[static_cast<std::size_t>(i)];
    EXPECT_EQ(run.started, (LocalTime{2026, 12, 1 + i, 9, 5, 3}));
    EXPECT_EQ(run.trigger, triggers[i]);
    EXPECT_EQ(run.filesDeleted, 1234u);
    EXPECT_EQ(run.bytesFreed, static_cast<std::uint64_t>((i + 1) * 1536));
    EXPECT_EQ(run.entriesLeft, static_cast<std::uint64_t>(i));
    EXPECT_EQ(run.failures, 1u);
  }
  EXPECT_EQ(cleaning::ReadHistoryText("Run 2026-13-01 00:00:00, started by Now\n  x: 1 left\n\xFF").unreadLines, 3u);
  // A community entry's name may hold ": " itself.
  const auto named = cleaning::ReadHistoryText(
      "Run 2026-12-01 00:00:00, started by Now\n"
      "  Batman: Arkham Asylum: 3 files deleted, 0 folders removed, 1.50 KB freed, 0 left\n"
      "  Age of Oracles: Tara's Journey: skipped, not found on this computer\n");
  EXPECT_EQ(named.unreadLines, 0u);
  ASSERT_EQ(named.runs.size(), 1u);
  EXPECT_EQ(named.runs[0].filesDeleted, 3u);
  EXPECT_EQ(named.runs[0].bytesFreed, 1536u);

  const auto days = cleaning::FreedPerDay(read.runs, {2026, 12, 3, 23, 0, 0}, 90);
  ASSERT_EQ(days.size(), 90u);
  EXPECT_EQ(days.back().day, (LocalTime{2026, 12, 3, 0, 0, 0}));
  EXPECT_EQ(days[87].bytes, (std::array<std::uint64_t, 3>{1536, 0, 0}));
  EXPECT_EQ(days[88].bytes, (std::array<std::uint64_t, 3>{0, 3072, 0}));
  EXPECT_EQ(days[89].bytes, (std::array<std::uint64_t, 3>{0, 0, 4608}));
  EXPECT_EQ(cleaning::FreedPerDayText(fakes.locale, read.runs, {2026, 12, 3, 23, 0, 0}, 2),
            "Freed in the last 2 days: 7,50 KB; the largest run: 4,50 KB on 2026-12-03 09:05:03");
  EXPECT_EQ(cleaning::UnreadLinesText(fakes.locale, read.unreadLines), "2 lines of the log could not be read");
}

// The file reads and parses the same whatever the person's language; the screen shows the person's.
TEST_F(HistoryTest, ARecordedRunIsShownInTheDisplayLanguageAndStoredInEnglish) {
  fakes.locale.language = Language::German;
  const settings::RunRecord record = settings::RecordRun(fakes.platform, Report(cleaning::Trigger::Schedule, 1));
  EXPECT_EQ(record.historyBlock.find("Lauf 2026-12-07 09:05:03, gestartet durch: Zeitplan\r\n"), 0u);
  EXPECT_EQ(record.lastRunLine.find("Letzter Lauf: "), 0u);
  EXPECT_EQ(*fakes.textFiles.Read(kHistory),
            cleaning::HistoryBlock(fakes.locale, Language::English, Report(cleaning::Trigger::Schedule, 1)));
  EXPECT_EQ(fakes.settings.values.at({"Marrowick", "Vantrelle", "LastRunSummary"}).find("Last run: "), 0u);
}

}  // namespace
}  // namespace vantrelle::testing
