#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CleaningTest.h"
#include "cleaning/ExclusiveRun.h"
#include "commandline/Arguments.h"
#include "commandline/CommandRunHost.h"
#include "commandline/Commands.h"

namespace vantrelle::testing {
namespace {

using cleaning::Location;
using cleaning::Outcome;
using commandline::Command;
using commandline::ExitCode;

TEST(CommandLineArguments, OneSwitchWithSlashOrDashInAnyCaseElseNotUnderstood) {
  const struct {
    std::vector<std::string> arguments;
    Command command;
  } cases[] = {
      {{}, Command::Window},
      {{"/clean"}, Command::Clean},
      {{"-CLEAN"}, Command::Clean},
      {{"/Clean"}, Command::Clean},
      {{"/preview"}, Command::Preview},
      {{"-PreView"}, Command::Preview},
      {{"/?"}, Command::Help},
      {{"-?"}, Command::Help},
      {{"/help"}, Command::Help},
      {{"-HELP"}, Command::Help},
      {{"clean"}, Command::NotUnderstood},
      {{"/cleaner"}, Command::NotUnderstood},
      {{"//clean"}, Command::NotUnderstood},
      {{"--clean"}, Command::NotUnderstood},
      {{"/"}, Command::NotUnderstood},
      {{""}, Command::NotUnderstood},
      {{"/preview", "/list"}, Command::PreviewList},
      {{"-Community"}, Command::Community},
      {{"-PREVIEW", "-List"}, Command::PreviewList},
      {{"/list"}, Command::NotUnderstood},
      {{"/list", "/preview"}, Command::NotUnderstood},
      {{"/clean", "/list"}, Command::NotUnderstood},
      {{"/clean", "/preview"}, Command::NotUnderstood},
      {{"/clean", "C:\\Temp"}, Command::NotUnderstood},
      {{"/clean", "/system"}, Command::CleanSystem},
      {{"-PREVIEW", "-System"}, Command::PreviewSystem},
      {{"/system"}, Command::SystemWindow},
      {{"/policyreport", "/system"}, Command::NotUnderstood},
      {{"/system", "/clean"}, Command::NotUnderstood},
      {{"/cleanuphandlerhost", "12", "34"}, Command::CleanupHandlerHost},
      {{"/cleanuphandlerhost"}, Command::NotUnderstood},
      {{"/cleanuphandlerhost", "12", "12"}, Command::NotUnderstood},
      {{"/cleanuphandlerhost", "12", "-4"}, Command::NotUnderstood},
      {{"/cleanuphandlerhost", "0", "4"}, Command::NotUnderstood},
      {{"/cleanuphandlerhost", "12", "34", "56"}, Command::NotUnderstood},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(commandline::ParseArguments(c.arguments), c.command)
        << (c.arguments.empty() ? "(none)" : c.arguments.front());
  }
  const auto pipes = commandline::HostPipes({"/CleanupHandlerHost", "12", "18446744073"});
  ASSERT_TRUE(pipes);
  EXPECT_EQ(pipes->request, 12u);
  EXPECT_EQ(pipes->answer, 18446744073u);
}

// The outcomes in the run's order; `left` entries left in the first location.
cleaning::RunResult ResultOf(std::vector<Outcome> outcomes, std::size_t left) {
  cleaning::RunResult result;
  for (std::size_t i = 0; i < 6; ++i) {
    result.locations.push_back({static_cast<Location>(i), i < outcomes.size() ? outcomes[i] : Outcome::NotChosen, {}});
  }
  result.locations[0].tally.left.resize(left, {"C:\\Temp\\x.tmp", cleaning::LeftReason::InUse});
  return result;
}

TEST(CommandLineExitCode, FailuresFirstThenWhatWasLeft) {
  const struct {
    std::vector<Outcome> outcomes;
    std::size_t left;
    ExitCode code;
  } cases[] = {
      {{}, 0, ExitCode::Failed},  // nothing chosen
      {{Outcome::Emptied}, 0, ExitCode::Done},
      {{Outcome::NotFound, Outcome::Emptied}, 0, ExitCode::Done},  // Windows Temp had nothing to empty
      {{Outcome::Emptied, Outcome::Emptied}, 3, ExitCode::EntriesLeft},
      {{Outcome::Emptied, Outcome::Failed}, 0, ExitCode::Failed},
      {{Outcome::NotChosen, Outcome::NotChosen, Outcome::NotChosen, Outcome::NotChosen, Outcome::NotChosen,
        Outcome::Refused},
       0,
       ExitCode::Failed},
      {{Outcome::Failed}, 5, ExitCode::Failed},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(commandline::ExitCodeOf(ResultOf(c.outcomes, c.left)), c.code)
        << c.outcomes.size() << " outcomes, " << c.left << " left";
  }
}

TEST(CommandRunHost, WhatTheWindowWouldShowInBoxesBecomesLinesOfText) {
  commandline::CommandRunHost host;
  host.ShowStatus("Process deleting files...Recycle Bin");
  host.ShowMessage("Error encountered during emptying files in recycle bin.");
  host.Errors().Report("Overflow\r\nin X at line 104\r\rPlease email");
  EXPECT_EQ(host.Text(),
            "Error encountered during emptying files in recycle bin.\n"
            "Overflow\nin X at line 104\n\nPlease email\n");
  EXPECT_EQ(host.OwnerWindow(), std::nullopt);
}

class CommandLineTest : public CleaningTest {
 protected:
  static constexpr const char* kHistory = "C:\\Users\\bob\\AppData\\Local\\Vantrelle\\history.log";
  CommandLineTest() {
    fakes.shell.knownFolders[platform::KnownFolder::LocalAppData] = "C:\\Users\\bob\\AppData\\Local";
    fakes.files.AddFolder("C:\\Work\\Cache\\sub");
    fakes.files.AddFile("C:\\Work\\Cache\\a.tmp");
    fakes.files.AddFile("C:\\Work\\Cache\\sub\\b.tmp");
    Save(settings::kOwnFolderPath, "C:\\Work\\Cache");
    Save(settings::kUserFolder, "1");
  }

  void Save(const settings::Key& key, const std::string& value) { settings::Save(fakes.settings, key, value); }
  commandline::Finished Execute(Command command) { return commandline::Execute(command, fakes.platform, "1.2.3"); }
  // The history's text as standard output carries it.
  std::string History() { return commandline::PlainLines(fakes.textFiles.Read(kHistory).value_or("")); }
  bool CacheEmptied() const {
    return fakes.files.Exists("C:\\Work\\Cache") && !fakes.files.Exists("C:\\Work\\Cache\\a.tmp") &&
           !fakes.files.Exists("C:\\Work\\Cache\\sub");
  }
  // Another process's run holds the lock for `ms` milliseconds of waiting.
  void AnotherRunFor(std::int64_t ms) {
    fakes.runLock.heldElsewhere = true;
    fakes.events.onWait = [this, ms](std::int64_t wait) {
      fakes.clock.tickMs += wait;
      if (fakes.clock.tickMs >= ms) fakes.runLock.heldElsewhere = false;
    };
  }
};

TEST_F(CommandLineTest, CleanRunsWithTheSavedChoicesWithoutWindowOrTrayIconAndRecordsTheRun) {
  bool recordedUnderTheLock = false;
  fakes.textFiles.onWrite = [&] { recordedUnderTheLock = fakes.runLock.held; };
  const auto finished = Execute(Command::Clean);
  EXPECT_EQ(finished.exitCode, ExitCode::Done);
  EXPECT_TRUE(CacheEmptied());
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_TRUE(fakes.notifyArea.calls.empty());
  EXPECT_FALSE(fakes.runLock.held);
  EXPECT_EQ(fakes.runLock.releases, 1);

  // Its output is the run's block of the history, which another run cannot write over meanwhile.
  EXPECT_EQ(finished.output,
            "Run 2026-12-07 10:00:00, started by Command line\n"
            "  Own folder (C:\\Work\\Cache): 2 files deleted, 1 folder removed, 0 bytes freed, 0 left\n\n");
  EXPECT_EQ(History(), finished.output);
  EXPECT_TRUE(recordedUnderTheLock);
  EXPECT_EQ(Stored(settings::kLastRunSummary),
            "Last run: 12/7/2026 10:00:00 AM: 2 files deleted, 0 bytes freed, 0 left");
  // The window started afterwards shows it.
  form.Load();
  EXPECT_EQ(form.optionsPanel.lastRunLine.Caption(), Stored(settings::kLastRunSummary));
}

// Windows' handlers chosen as "Windows.<key name>" run after the further locations, one at a time,
// each with its line; the machine's handlers and those the program does itself are never the
// person's, whatever the person's key says.
TEST_F(CommandLineTest, ChosenWindowsCleanupsRunOneAtATimeWithTheirOwnLines) {
  auto& handlers = fakes.cleanupHandlers;
  handlers.handlers = {{"Active Setup Temp Folders", {2048, ""}},
                       {"Content Indexer Cleaner", {0, ""}},
                       {"Offline Pages Files", {4096, "Access is denied."}},
                       {"Downloaded Program Files", {512, ""}},
                       {"Update Cleanup", {1 << 30, ""}},
                       {"Thumbnail Cache", {100, ""}}};
  handlers.displayNames = {{"Active Setup Temp Folders", "Temporary Setup Files"}};
  for (const char* keyName : {"Active Setup Temp Folders", "Content Indexer Cleaner", "Offline Pages Files",
                              "Update Cleanup", "Thumbnail Cache", "Not Registered"}) {
    fakes.settings.values[{"Marrowick", "Vantrelle", std::string("Windows.") + keyName}] = "1";
  }
  fakes.settings.values[{"Marrowick", "Vantrelle", "Windows.Downloaded Program Files"}] = "True";

  const auto preview = Execute(Command::Preview);
  EXPECT_NE(preview.output.find("Temporary Setup Files: 2.00 KB to be freed by Windows' cleanup\n"
                                "Content Indexer Cleaner: nothing found\n"
                                "Offline Pages Files: failed: Access is denied.\n"),
            std::string::npos)
      << preview.output;
  const auto finished = Execute(Command::Clean);
  EXPECT_EQ(finished.exitCode, ExitCode::Failed) << "a handler's failure is a location's";
  EXPECT_EQ(finished.output,
            "Run 2026-12-07 10:00:00, started by Command line\n"
            "  Own folder (C:\\Work\\Cache): 2 files deleted, 1 folder removed, 0 bytes freed, 0 left\n"
            "  Temporary Setup Files: 2.00 KB freed by Windows' cleanup\n"
            "  Content Indexer Cleaner: nothing found\n"
            "  Offline Pages Files: failed: Access is denied.\n\n");
  const std::vector<std::string> purges = {"Purge Active Setup Temp Folders", "Purge Content Indexer Cleaner",
                                           "Purge Offline Pages Files"};
  const auto calls = handlers.Calls();
  EXPECT_EQ(std::vector<std::string>(calls.end() - 3, calls.end()), purges);
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

// The machine's run: its piles and handlers from the machine's key and policy alone, only with an
// administrator's rights, Windows Update's downloads left whole while the update services work.
TEST_F(CommandLineTest, TheMachinesRunCleansOnlyTheMachinesChoices) {
  using platform::RegistryRoot;
  fakes.shell.knownFolders[platform::KnownFolder::ProgramData] = "C:\\ProgramData";
  fakes.shell.knownFolders[platform::KnownFolder::Windows] = "C:\\Windows";
  const std::vector<std::string> piles = {"C:\\ProgramData\\Microsoft\\Windows\\WER\\ReportQueue\\r1\\report.wer",
                                          "C:\\Windows\\MEMORY.DMP",
                                          "C:\\Windows\\Minidump\\0101.dmp",
                                          "C:\\Windows\\LiveKernelReports\\WATCHDOG\\WD-1.dmp",
                                          "C:\\Windows\\LiveKernelReports\\USBHUB3\\Deeper\\U-2.dmp",
                                          "C:\\Windows\\SoftwareDistribution\\Download\\kb1.cab"};
  const std::vector<std::string> kept = {"C:\\Windows\\notepad.exe", "C:\\Windows\\Minidump\\notes.txt",
                                         "C:\\Windows\\LiveKernelReports\\WATCHDOG\\notes.txt",
                                         "C:\\ProgramData\\Microsoft\\Windows\\WER\\Temp\\t.tmp"};
  for (const auto& file : piles) fakes.files.AddFile(file);
  for (const auto& file : kept) fakes.files.AddFile(file);
  fakes.cleanupHandlers.handlers = {{"Update Cleanup", {1 << 20, ""}}, {"Offline Pages Files", {512, ""}}};
  const std::string machineKey = "Software\\Marrowick\\Vantrelle\\System";
  fakes.registry.AddKey(RegistryRoot::LocalMachine, machineKey);
  for (const char* value : {"SystemErrorReports", "MemoryDumps", "UpdateDownloads", "Windows.Update Cleanup",
                            "Windows.Offline Pages Files"}) {
    fakes.registry.SetTyped(RegistryRoot::LocalMachine, machineKey, value, platform::kRegistryText, "1");
  }
  // The person's key names a machine handler and a machine row: never read for the person.
  fakes.settings.values[{"Marrowick", "Vantrelle", "Windows.Update Cleanup"}] = "1";
  fakes.settings.values[{"Marrowick", "Vantrelle", "More.MemoryDumps"}] = "1";
  Save(settings::kUserFolder, "0");
  EXPECT_EQ(Execute(Command::Clean).exitCode, ExitCode::Failed) << "nothing the person may choose is ticked";
  for (const auto& file : piles) EXPECT_TRUE(fakes.files.Exists(file)) << file;
  EXPECT_TRUE(fakes.cleanupHandlers.Calls().empty());

  fakes.machine.administrator = false;
  const auto refused = Execute(Command::CleanSystem);
  EXPECT_EQ(refused.exitCode, ExitCode::NeedsAdministrator);
  EXPECT_EQ(refused.output, "Cleaning system files needs administrator rights.\n");
  EXPECT_EQ(Execute(Command::PreviewSystem).exitCode, ExitCode::NeedsAdministrator);
  // A copy outside the installed program's protected folder is refused first, rights or none.
  fakes.machine.protectedFolder = false;
  for (const bool administrator : {false, true}) {
    fakes.machine.administrator = administrator;
    for (const Command command : {Command::CleanSystem, Command::PreviewSystem}) {
      const auto outside = Execute(command);
      EXPECT_EQ(outside.exitCode, ExitCode::NeedsInstalledCopy);
      EXPECT_EQ(outside.output,
                "Cleaning system files needs Vantrelle installed for everyone: run Vantrelle-1.2.3-x64.msi.\n");
    }
  }
  for (const auto& file : piles) EXPECT_TRUE(fakes.files.Exists(file)) << file;
  EXPECT_TRUE(fakes.cleanupHandlers.Calls().empty());
  fakes.machine.protectedFolder = true;

  fakes.machine.administrator = true;
  fakes.machine.runningServices = {"BITS"};
  fakes.registry.SetNumber(RegistryRoot::LocalMachine, "Software\\Policies\\Marrowick\\Vantrelle\\System",
                           "Windows.Offline Pages Files", 1);
  auto finished = Execute(Command::CleanSystem);
  EXPECT_EQ(finished.exitCode, ExitCode::EntriesLeft);
  EXPECT_EQ(finished.output,
            "Run 2026-12-07 10:00:00, started by Command line\n"
            "  System error reports: 1 file deleted, 1 folder removed, 0 bytes freed, 0 left\n"
            "  System memory dumps: 4 files deleted, 0 folders removed, 0 bytes freed, 0 left\n"
            "  Windows Update downloads: skipped, Windows Update is running\n"
            "  Update Cleanup: 1.00 MB freed by Windows' cleanup\n"
            "  Left:\n"
            "    C:\\Windows\\SoftwareDistribution\\Download (its program is running)\n\n");
  EXPECT_EQ(fakes.cleanupHandlers.Calls(), std::vector<std::string>{"Purge Update Cleanup"})
      << "a person's handler is never the machine's, whatever the machine's key says";
  for (const auto& file : kept) EXPECT_TRUE(fakes.files.Exists(file)) << file;
  EXPECT_TRUE(fakes.files.Exists(piles.back()));
  EXPECT_FALSE(fakes.files.Exists(piles.front()));

  // Only a service known to be stopped or not installed lets the row go; unreadable keeps it whole.
  fakes.machine.runningServices.clear();
  fakes.machine.serviceStates = {{"wuauserv", platform::ServiceState::Stopped},
                                 {"BITS", platform::ServiceState::Unreadable}};
  finished = Execute(Command::CleanSystem);
  EXPECT_NE(finished.output.find("  Windows Update downloads: skipped, Windows Update's state could not be read\n"),
            std::string::npos)
      << finished.output;
  EXPECT_NE(
      finished.output.find("    C:\\Windows\\SoftwareDistribution\\Download (its program's state could not be read)"),
      std::string::npos);
  EXPECT_TRUE(fakes.files.Exists(piles.back()));
  finished = Execute(Command::PreviewSystem);
  EXPECT_NE(finished.output.find(
                "Windows Update downloads: 1 file, 0 bytes; skipped, Windows Update's state could not be read"),
            std::string::npos)
      << finished.output;
  fakes.machine.serviceStates["BITS"] = platform::ServiceState::NotInstalled;
  finished = Execute(Command::CleanSystem);
  EXPECT_NE(finished.output.find("  Windows Update downloads: 1 file deleted"), std::string::npos) << finished.output;
  EXPECT_FALSE(fakes.files.Exists(piles.back()));
  fakes.files.AddFile(piles.back());

  fakes.registry.SetNumber(RegistryRoot::LocalMachine, "Software\\Policies\\Marrowick\\Vantrelle\\System",
                           "UpdateDownloads", 0);
  fakes.files.AddFile(piles.front());
  finished = Execute(Command::PreviewSystem);
  EXPECT_EQ(finished.output.substr(0, finished.output.find("Update Cleanup")),
            "System error reports: 1 file, 0 bytes\nSystem memory dumps: 0 files, 0 bytes\n")
      << "a machine policy's 0 wins over the stored choice";
  EXPECT_TRUE(fakes.files.Exists(piles.back()));
}

// Entries left make exit code 1 and are named in the output; the hours to keep are the window's,
// read as its box reads them (a stored value it would refuse keeps a year's changes).
TEST_F(CommandLineTest, EntriesLeftExit1WithTheSavedHoursToKeep) {
  const std::string recent = "C:\\Work\\Cache\\recent.tmp";
  const platform::FileTime anHourAgo = fakes.clock.fileTime - platform::kFileTimePerHour;
  const struct {
    const char* stored;
    ExitCode code;
  } cases[] = {{"0", ExitCode::Done},
               {"2", ExitCode::EntriesLeft},
               {"1.5", ExitCode::EntriesLeft},
               {"much", ExitCode::EntriesLeft}};
  for (const auto& c : cases) {
    fakes.files.AddFile(recent);
    fakes.files.SetTimes(recent, anHourAgo, anHourAgo);
    Save(settings::kKeepRecentHours, c.stored);
    const auto finished = Execute(Command::Clean);
    EXPECT_EQ(finished.exitCode, c.code) << c.stored;
    const bool kept = c.code == ExitCode::EntriesLeft;
    EXPECT_EQ(fakes.files.Exists(recent), kept) << c.stored;
    EXPECT_EQ(finished.output.find("  Left:\n    " + recent + " (kept as recent)\n") != std::string::npos, kept)
        << finished.output;
  }

  Save(settings::kKeepRecentHours, "0");
  fakes.files.AddFile("C:\\Work\\Cache\\in-use.tmp");
  fakes.files.Lock("C:\\Work\\Cache\\in-use.tmp");
  const auto finished = Execute(Command::Clean);
  EXPECT_EQ(finished.exitCode, ExitCode::EntriesLeft);
  EXPECT_NE(finished.output.find("C:\\Work\\Cache\\in-use.tmp (in use)"), std::string::npos);
}

TEST_F(CommandLineTest, CleanEmptiesTheRecycleBinWithoutAWindowToOwnIt) {
  fakes.files.driveTypes = {{"C:\\", 3}};
  fakes.shell.recycleBins = {{"C:\\", 4}};
  Save(settings::kRecycleBin, "1");
  EXPECT_EQ(Execute(Command::Clean).exitCode, ExitCode::Done);
  EXPECT_EQ(fakes.shell.emptyCalls, 1);
  EXPECT_EQ(fakes.shell.emptyOwner, 0u);
}

TEST_F(CommandLineTest, AFailingLocationGoesIntoTheTextNotIntoABoxAndExits2) {
  Save(settings::kOwnFolderPath, "C:\\Missing");
  Save(settings::kSysTemp, "1");
  fakes.textFiles.refuseWrites = true;  // a history that cannot be written changes nothing here
  const auto finished = Execute(Command::Clean);
  EXPECT_EQ(finished.exitCode, ExitCode::Failed);
  EXPECT_TRUE(finished.output.starts_with("Run 2026-12-07 10:00:00, started by Command line\n")) << finished.output;
  EXPECT_TRUE(
      finished.output.ends_with("  Own folder (C:\\Missing): failed, its message was shown\n\n"
                                "Error encountered during emptying files in C:\\Missing.\n"))
      << finished.output;
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_TRUE(Stored(settings::kLastRunSummary).ends_with(" (history not saved)"));
}

TEST_F(CommandLineTest, NoTickedLocationExits2AndSaysSo) {
  Save(settings::kUserFolder, "0");
  Save(settings::kWindowsTemp, "yes");  // the window refuses it and leaves the box unticked
  for (Command command : {Command::Clean, Command::Preview}) {
    const auto finished = Execute(command);
    EXPECT_EQ(finished.output, std::string(commandline::kNothingTicked) + "\n");
    EXPECT_EQ(finished.exitCode, command == Command::Clean ? ExitCode::Failed : ExitCode::Done);
  }
  EXPECT_EQ(fakes.runLock.attempts, 0);
  EXPECT_FALSE(CacheEmptied());
}

TEST_F(CommandLineTest, PreviewPrintsThePreviewsLinesAndDeletesNothing) {
  Save(settings::kRecycleBin, "1");
  fakes.shell.recycleBins = {{"C:\\", 3}};
  fakes.shell.recycleBinBytes = {{"C:\\", 3 << 20}};
  fakes.files.SetSize("C:\\Work\\Cache\\a.tmp", 1500);
  const auto finished = Execute(Command::Preview);
  EXPECT_EQ(finished.exitCode, ExitCode::Done);
  EXPECT_EQ(finished.output,
            "Recycle Bin: 3 files, 3.00 MB\n"
            "Own folder (C:\\Work\\Cache): 2 files, 1.46 KB\n"
            "Total: 5 files, 3.00 MB\n");
  EXPECT_FALSE(CacheEmptied());
  EXPECT_EQ(fakes.shell.emptyCalls, 0);
  EXPECT_EQ(fakes.textFiles.writes, 0);
  EXPECT_EQ(Stored(settings::kLastRunSummary), "<absent>");
}

// The rows follow the unchanged summary: what goes, and a held file that stays.
TEST_F(CommandLineTest, PreviewListPrintsARowPerEntryAfterTheSummary) {
  fakes.files.SetSize("C:\\Work\\Cache\\a.tmp", 1500);
  fakes.files.Lock("C:\\Work\\Cache\\sub\\b.tmp");
  const auto summary = Execute(Command::Preview).output;
  const auto finished = Execute(Command::PreviewList);
  EXPECT_EQ(finished.exitCode, ExitCode::Done);
  ASSERT_TRUE(finished.output.starts_with(summary)) << finished.output;
  EXPECT_EQ(finished.output.substr(summary.size()),
            "Own folder (C:\\Work\\Cache)\tC:\\Work\\Cache\\a.tmp\t1500\tdeleted\n"
            "Own folder (C:\\Work\\Cache)\tC:\\Work\\Cache\\sub\\b.tmp\t0\tstays: in use\n");
  EXPECT_FALSE(CacheEmptied());
}

TEST_F(CommandLineTest, HelpPrintsTheUsageAndAnythingElseItWithExitCode3) {
  const auto help = Execute(Command::Help);
  EXPECT_EQ(help.exitCode, ExitCode::Done);
  EXPECT_EQ(help.output, commandline::UsageText("1.2.3"));
  EXPECT_NE(help.output.find("Vantrelle 1.2.3"), std::string::npos);
  EXPECT_NE(help.output.find("/clean"), std::string::npos);

  const auto wrong = Execute(Command::NotUnderstood);
  EXPECT_EQ(wrong.exitCode, ExitCode::NotUnderstood);
  EXPECT_NE(wrong.output.find(commandline::UsageText("1.2.3")), std::string::npos);
  EXPECT_FALSE(CacheEmptied());
}

TEST_F(CommandLineTest, ARunUnderWayElsewhereIsWaitedFor) {
  AnotherRunFor(3 * 60 * 1000);
  bool emptiedWhileWaiting = false;
  fakes.events.onDoEvents = [&] { emptiedWhileWaiting |= fakes.runLock.heldElsewhere && CacheEmptied(); };
  const auto finished = Execute(Command::Clean);
  EXPECT_EQ(finished.exitCode, ExitCode::Done);
  EXPECT_FALSE(emptiedWhileWaiting);
  EXPECT_TRUE(CacheEmptied());
  EXPECT_GE(fakes.clock.tickMs, 3 * 60 * 1000);
  EXPECT_FALSE(fakes.runLock.held);
}

TEST_F(CommandLineTest, AfterTenMinutesOfWaitingTheRunGivesUpAndExits2SayingWhy) {
  AnotherRunFor(11 * 60 * 1000);
  const auto finished = Execute(Command::Clean);
  EXPECT_EQ(finished.exitCode, ExitCode::Failed);
  EXPECT_EQ(finished.output, std::string(cleaning::kNoTurn) + "\n");
  EXPECT_FALSE(CacheEmptied());
  EXPECT_GE(fakes.clock.tickMs, cleaning::kLongestWaitForTurnMs);
  EXPECT_LT(fakes.clock.tickMs, cleaning::kLongestWaitForTurnMs + 1000);
  EXPECT_EQ(fakes.runLock.releases, 0);
}

TEST_F(CommandLineTest, TheWindowsRunWaitsForTheLockTooAndShowsWhy) {
  form.locationsPanel.ownFolderPathBox.SetText("C:\\Work\\Cache");
  form.locationsPanel.ownFolderBox.Click();
  AnotherRunFor(60 * 1000);
  std::vector<std::string> statusWhileWaiting;
  fakes.events.onDoEvents = [&] {
    if (fakes.runLock.heldElsewhere) statusWhileWaiting.push_back(form.statusPanel.statusFrame.Caption());
  };
  form.statusPanel.deleteNowButton.Click();
  ASSERT_FALSE(statusWhileWaiting.empty());
  EXPECT_EQ(statusWhileWaiting.back(), cleaning::kWaitingForTurn);
  EXPECT_TRUE(CacheEmptied());
  EXPECT_EQ(fakes.runLock.releases, 1);
}

}  // namespace
}  // namespace vantrelle::testing
