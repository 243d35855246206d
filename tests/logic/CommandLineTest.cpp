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
      {{"/clean", "/preview"}, Command::NotUnderstood},
      {{"/clean", "C:\\Temp"}, Command::NotUnderstood},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(commandline::ParseArguments(c.arguments), c.command)
        << (c.arguments.empty() ? "(none)" : c.arguments.front());
  }
}

cleaning::RunResult ResultOf(std::vector<Outcome> outcomes) {
  cleaning::RunResult result;
  for (std::size_t i = 0; i < 6; ++i) {
    result.locations.push_back({static_cast<Location>(i), i < outcomes.size() ? outcomes[i] : Outcome::NotChosen, {}});
  }
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
    EXPECT_EQ(commandline::ExitCodeOf(ResultOf(c.outcomes), c.left), c.code)
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
  CommandLineTest() {
    fakes.files.AddFolder("C:\\Work\\Cache\\sub");
    fakes.files.AddFile("C:\\Work\\Cache\\a.tmp");
    fakes.files.AddFile("C:\\Work\\Cache\\sub\\b.tmp");
    Save(settings::kOwnFolderPath, "C:\\Work\\Cache");
    Save(settings::kUserFolder, "1");
  }

  void Save(const settings::Key& key, const std::string& value) { settings::Save(fakes.settings, key, value); }
  commandline::Finished Execute(Command command) { return commandline::Execute(command, fakes.platform, "1.2.3"); }
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

TEST_F(CommandLineTest, CleanRunsWithTheSavedChoicesWithoutWindowOrTrayIcon) {
  const auto finished = Execute(Command::Clean);
  EXPECT_EQ(finished.exitCode, ExitCode::Done);
  EXPECT_EQ(finished.output, "");
  EXPECT_TRUE(CacheEmptied());
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_TRUE(fakes.notifyArea.calls.empty());
  EXPECT_FALSE(fakes.runLock.held);
  EXPECT_EQ(fakes.runLock.releases, 1);
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
  const auto finished = Execute(Command::Clean);
  EXPECT_EQ(finished.exitCode, ExitCode::Failed);
  EXPECT_EQ(finished.output, "Error encountered during emptying files in C:\\Missing.\n");
  EXPECT_TRUE(fakes.messageBox.shown.empty());
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

TEST_F(CommandLineTest, PreviewNamesTheLocationsAndDeletesNothing) {
  Save(settings::kRecycleBin, "1");
  const auto finished = Execute(Command::Preview);
  EXPECT_EQ(finished.exitCode, ExitCode::Done);
  EXPECT_EQ(finished.output, "/clean would empty:\n  Recycle Bin\n  C:\\Work\\Cache\n");
  EXPECT_FALSE(CacheEmptied());
  EXPECT_EQ(fakes.shell.emptyCalls, 0);
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
  form.ownFolderPathBox.SetText("C:\\Work\\Cache");
  form.ownFolderBox.Click();
  AnotherRunFor(60 * 1000);
  std::vector<std::string> statusWhileWaiting;
  fakes.events.onDoEvents = [&] {
    if (fakes.runLock.heldElsewhere) statusWhileWaiting.push_back(form.statusFrame.Caption());
  };
  form.deleteNowButton.Click();
  ASSERT_FALSE(statusWhileWaiting.empty());
  EXPECT_EQ(statusWhileWaiting.back(), cleaning::kWaitingForTurn);
  EXPECT_TRUE(CacheEmptied());
  EXPECT_EQ(fakes.runLock.releases, 1);
}

}  // namespace
}  // namespace vantrelle::testing
