#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "CleaningTest.h"
#include "base/RuntimeError.h"

namespace vantrelle::testing {
namespace {

using cleaning::Choices;
using cleaning::Location;
using cleaning::Outcome;

class RunTest : public CleaningTest {
 protected:
  RunTest() {
    fakes.shell.specialFolders[8] = "C:\\Users\\bob\\Recent";
    fakes.files.AddFolder("C:\\Users\\bob\\Recent");
    fakes.files.AddFolder("C:\\Work\\Cache");
    fakes.files.tempPath = "C:\\Windows\\TEMP\\";
  }
};

// The window's status line, as the person sees it change.
class StatusLine : public ControlObserver {
 public:
  void ControlChanged(Control& control) override { texts.push_back(control.Caption()); }
  void FocusRequested(Control&) override {}
  std::vector<std::string> texts;
};

TEST_F(RunTest, VisitsTheSixLocationsInItsOwnOrderWithTheSchedulePausedThroughout) {
  std::vector<bool> pausedAtYields;
  fakes.events.onDoEvents = [&] { pausedAtYields.push_back(host.paused); };

  const auto result = Run(AllLocations("C:\\Work\\Cache"));

  EXPECT_EQ(host.StatusesStartingWith("Process deleting files..."),
            (std::vector<std::string>{
                "Process deleting files...Windows Temp",
                "Process deleting files...Recycle Bin",
                "Process deleting files...Most Recent",
                "Process deleting files...User Temp (AppData) - C:\\Users\\bob\\AppData\\Roaming\\Temp",
                "Process deleting files...System Temp - C:\\Users\\bob\\AppData\\Local\\Temp",
                "Process deleting files...C:\\Work\\Cache",
            }));
  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(result.locations.size(), 7u);
  for (std::size_t i = 0; i < result.locations.size(); ++i) {
    EXPECT_EQ(result.locations[i].location, static_cast<Location>(i));
    EXPECT_EQ(result.locations[i].outcome, i < 6 ? Outcome::Emptied : Outcome::NotChosen) << i;  // not Downloads
  }
  EXPECT_FALSE(result.AnyFailed());
  ASSERT_FALSE(pausedAtYields.empty());
  for (bool paused : pausedAtYields) EXPECT_TRUE(paused);
  EXPECT_EQ(host.pauses, 1);
  EXPECT_EQ(host.resumes, 1);
  EXPECT_FALSE(host.paused);
}

TEST_F(RunTest, WithNothingChosenOnlyThePauseAndOneYieldHappen) {
  const auto result = Run({});
  EXPECT_TRUE(host.statuses.empty());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(fakes.events.calls, 1);
  EXPECT_EQ(host.pauses, 1);
  EXPECT_EQ(host.resumes, 1);
  for (const auto& location : result.locations) EXPECT_EQ(location.outcome, Outcome::NotChosen);
}

struct FailureCase {
  const char* name;
  bool Choices::*choice;
  std::function<void(fake::FakePlatform&, Choices&, RecordingRunHost&)> arrange;
  Location location;
  Outcome outcome;
  const char* message;
};

TEST_F(RunTest, EachFailingLocationShowsItsOwnMessageAndTheRunGoesOn) {
  const FailureCase cases[] = {
      {"no window", &Choices::recycleBin, [](auto&, auto&, auto& h) { h.owner = 0; }, Location::RecycleBin,
       Outcome::Failed, "Error encountered during emptying files in recycle bin."},
      {"no fixed drive", &Choices::recycleBin,
       [](auto& p, auto&, auto&) {
         p.files.driveTypes = {{"A:\\", 2}};
       },
       Location::RecycleBin, Outcome::Failed, "Error encountered during emptying files in recycle bin."},
      {"shortcut left", &Choices::recentDocuments,
       [](auto& p, auto&, auto&) {
         p.files.AddFile("C:\\Users\\bob\\Recent\\a.lnk");
         p.files.Lock("C:\\Users\\bob\\Recent\\a.lnk");
       },
       Location::RecentDocuments, Outcome::Failed, "Error encountered during emptying files in most recent."},
      {"no user temp", &Choices::userTemp,
       [](auto& p, auto&, auto&) { p.files.Remove("C:\\Users\\bob\\AppData\\Roaming\\Temp"); }, Location::UserTemp,
       Outcome::Failed, "Error encountered during emptying files in user temp."},
      {"system temp missing", &Choices::systemTemp,
       [](auto& p, auto&, auto&) { p.environment.Set("TEMP", "C:\\Nowhere\\Temp"); }, Location::SystemTemp,
       Outcome::Failed, "Error encountered during emptying files in System temp."},
      {"system temp not temp", &Choices::systemTemp,
       [](auto& p, auto&, auto&) { p.environment.Set("TEMP", "C:\\Work\\Cache"); }, Location::SystemTemp,
       Outcome::Refused, "Error encountered during emptying files in System temp."},
      {"own folder empty", &Choices::ownFolder, [](auto&, auto& c, auto&) { c.ownFolderPath = ""; },
       Location::OwnFolder, Outcome::Failed, "Error encountered during emptying files in ."},
      {"own folder root", &Choices::ownFolder, [](auto&, auto& c, auto&) { c.ownFolderPath = "C:\\"; },
       Location::OwnFolder, Outcome::Refused, "Error encountered during emptying files in C:\\."},
      {"own folder four", &Choices::ownFolder,
       [](auto& p, auto& c, auto&) {
         p.files.AddFolder("C:\\a");
         c.ownFolderPath = "C:\\a";
       },
       Location::OwnFolder, Outcome::Refused, "Error encountered during emptying files in C:\\a."},
      {"own folder missing", &Choices::ownFolder, [](auto&, auto& c, auto&) { c.ownFolderPath = "C:\\Nowhere"; },
       Location::OwnFolder, Outcome::Failed, "Error encountered during emptying files in C:\\Nowhere."},
  };
  for (const auto& c : cases) {
    fake::FakePlatform platform;
    platform.files.AddFolder("C:\\Users\\bob\\AppData\\Roaming\\Temp");
    platform.files.AddFolder("C:\\Users\\bob\\Recent");
    platform.files.AddFolder("C:\\Work\\Cache");
    platform.files.AddFile("C:\\Work\\Cache\\keep.txt");
    platform.shell.specialFolders[8] = "C:\\Users\\bob\\Recent";
    platform.environment.Set("APPDATA", "C:\\Users\\bob\\AppData\\Roaming");
    RecordingRunHost caseHost;
    Choices choices;
    choices.*(c.choice) = true;
    c.arrange(platform, choices, caseHost);

    const auto result = cleaning::DeletionRun(platform.platform, caseHost).Run(choices);

    EXPECT_EQ(caseHost.messages, std::vector<std::string>{c.message}) << c.name;
    EXPECT_EQ(result.Of(c.location).outcome, c.outcome) << c.name;
    EXPECT_TRUE(result.AnyFailed()) << c.name;
    EXPECT_TRUE(platform.files.Exists("C:\\Work\\Cache\\keep.txt")) << c.name;
    EXPECT_EQ(caseHost.resumes, 1) << c.name;
  }
}

TEST_F(RunTest, EachFolderIsCheckedBeforeItIsEmptied) {
  struct Case {
    const char* path;
    bool ownFolder;
    Outcome outcome;
  } cases[] = {
      {"C:\\Users\\bob\\AppData\\Roaming\\Temp", false, Outcome::Emptied},
      {"C:\\Work\\TEMP", false, Outcome::Emptied},
      {"C:\\Work\\Cache", false, Outcome::Refused},  // exists, but is not a temporary folder
      {"C:\\Missing\\Temp", false, Outcome::Failed},
      {"C:\\Work\\Cache", true, Outcome::Emptied},
      {"C:\\Missing", true, Outcome::Failed},
      {"C:\\", true, Outcome::Refused},
      {"C:\\Windows", true, Outcome::Refused},
  };
  for (const auto& c : cases) {
    const std::string path = c.path;
    if (path.find("Missing") == std::string::npos)
      fakes.files.AddFile((path.back() == '\\' ? path : path + "\\") + "x.tmp");
    fakes.files.deleted.clear();
    Choices choices;
    if (c.ownFolder) {
      choices.ownFolder = true;
      choices.ownFolderPath = path;
    } else {
      choices.systemTemp = true;
      fakes.environment.Set("TEMP", path);
    }

    const auto result = Run(choices);

    EXPECT_EQ(result.Of(c.ownFolder ? Location::OwnFolder : Location::SystemTemp).outcome, c.outcome) << path;
    EXPECT_EQ(fakes.files.deleted.size(), c.outcome == Outcome::Emptied ? 1u : 0u) << path;
  }
}

// A location that is a link (a temporary folder moved to another drive and left behind as a
// junction) leads to its target, which is emptied once it passes the same guards.
TEST_F(RunTest, ALocationThatIsALinkEmptiesWhereItLeadsAfterTheSameGuards) {
  struct Case {
    const char* named;
    const char* target;  // nothing: no link
    bool ownFolder;
    Outcome outcome;
  } cases[] = {
      {"C:\\Moved\\Temp", "D:\\Temp", false, Outcome::Emptied},
      {"C:\\Moved2\\Temp", "D:\\Scratch", false, Outcome::Refused},  // leads to no temporary folder
      {"C:\\Moved3\\Temp", "D:\\Gone\\Temp", false, Outcome::Failed},
      {"C:\\Work\\Mine", "D:\\Cache", true, Outcome::Emptied},
      {"C:\\Work\\Users", "C:\\Users", true, Outcome::Refused},
      {"C:\\Work\\Letters", "C:\\Users\\bob\\Documents", true, Outcome::Refused},
      {"C:\\Work\\Drive", "D:\\", true, Outcome::Refused},
      {"  C:\\Work\\Cache  ", nullptr, true, Outcome::Emptied},  // blanks around a typed path
  };
  for (bool wineLinks : {false, true}) {
    fakes.files.openFollowsLinks = wineLinks;
    for (const auto& c : cases) {
      const std::string target = c.target ? c.target : "C:\\Work\\Cache";
      const std::string file = target + (target.ends_with('\\') ? "x.tmp" : "\\x.tmp");
      if (c.target) fakes.files.AddLink(c.named, c.target);
      const bool reachable = target.find("Gone") == std::string::npos;
      if (reachable) fakes.files.AddFile(file);
      Choices choices{.systemTemp = !c.ownFolder, .ownFolder = c.ownFolder, .ownFolderPath = c.named};
      fakes.environment.Set("TEMP", c.named);

      const auto result = Run(choices);

      EXPECT_EQ(result.Of(c.ownFolder ? Location::OwnFolder : Location::SystemTemp).outcome, c.outcome) << c.named;
      EXPECT_EQ(fakes.files.Exists(file), reachable && c.outcome != Outcome::Emptied) << c.named;
      EXPECT_TRUE(!c.target || fakes.files.Exists(c.named)) << c.named;  // the link itself stays
    }
  }
}

TEST_F(RunTest, TheOwnFolderIsRefusedWhenItIsOrHoldsASystemOrProfileFolder) {
  fakes.shell.specialFolders[0x0005] = "C:\\Users\\bob\\Documents";
  fakes.files.AddFolder("C:\\Program Files");
  fakes.files.AddFolder("C:\\Users\\alice\\Pictures");
  fakes.files.AddFolder("C:\\Users\\bob\\Documents\\Old");
  fakes.files.SetShortName("C:\\Program Files", "PROGRA~1");
  fakes.files.AddFile("C:\\Users\\bob\\Documents\\Old\\letter.doc");
  fakes.files.AddFile("C:\\Users\\alice\\Pictures\\cat.jpg");
  fakes.files.AddFile("C:\\Program Files\\app.exe");
  fakes.files.AddFile("C:\\Windows\\Temp\\x.tmp");
  struct Case {
    const char* path;
    Outcome outcome;
  } cases[] = {
      {"C:\\Windows", Outcome::Refused},
      {"C:\\Users", Outcome::Refused},
      {"C:\\Users\\bob", Outcome::Refused},
      {"C:\\Users\\bob\\Documents", Outcome::Refused},
      {"C:\\Users\\alice\\Pictures", Outcome::Refused},
      {"C:\\Users\\alice", Outcome::Refused},
      {"C:\\Program Files", Outcome::Refused},
      {"C:\\PROGRA~1", Outcome::Refused},
      {"C:\\Work\\..\\Users\\bob", Outcome::Failed},  // the fakes resolve no "..": not found
      {"Users\\bob", Outcome::Failed},                // relative: never looked at
  };
  for (const auto& c : cases) {
    host.messages.clear();
    const auto result = Run({.ownFolder = true, .ownFolderPath = c.path});
    EXPECT_EQ(host.messages,
              std::vector<std::string>{std::string("Error encountered during emptying files in ") + c.path + "."})
        << c.path;
    EXPECT_EQ(result.Of(Location::OwnFolder).outcome, c.outcome) << c.path;
  }
  EXPECT_TRUE(fakes.files.deleted.empty());

  // A folder inside a protected one is the person's to empty.
  const auto result = Run({.ownFolder = true, .ownFolderPath = "C:\\Users\\bob\\Documents\\Old\\"});
  EXPECT_EQ(result.Of(Location::OwnFolder).outcome, Outcome::Emptied);
  EXPECT_EQ(fakes.files.deleted, std::vector<std::string>{"C:\\Users\\bob\\Documents\\Old\\letter.doc"});
}

// --- the run started from the window ---

TEST_F(RunTest, EachTickBoxOfTheWindowChoosesItsLocation) {
  StatusLine status;
  form.statusPanel.statusFrame.SetObserver(&status);
  form.windowHandle = 0x1234;
  form.locationsPanel.ownFolderPathBox.SetText("C:\\Work\\Cache");
  const std::pair<CheckBox LocationsPanel::*, std::string> boxes[] = {
      {&LocationsPanel::windowsTempBox, "Windows Temp"},
      {&LocationsPanel::recycleBinBox, "Recycle Bin"},
      {&LocationsPanel::recentDocsBox, "Most Recent"},
      {&LocationsPanel::userTempBox, "User Temp (AppData) - C:\\Users\\bob\\AppData\\Roaming\\Temp"},
      {&LocationsPanel::systemTempBox, "System Temp - C:\\Users\\bob\\AppData\\Local\\Temp"},
      {&LocationsPanel::ownFolderBox, "C:\\Work\\Cache"},
  };
  for (const auto& [box, location] : boxes) {
    status.texts.clear();
    (form.locationsPanel.*box).SetValue(1);
    form.statusPanel.deleteNowButton.Click();
    (form.locationsPanel.*box).SetValue(0);
    std::vector<std::string> visited;
    for (const auto& text : status.texts) {
      if (text.rfind("Process deleting files...", 0) == 0) visited.push_back(text);
    }
    EXPECT_EQ(visited, std::vector<std::string>{"Process deleting files..." + location});
  }
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(RunTest, TheWindowsTimerIsOffDuringARunAndOnAfterItWhateverItWasBefore) {
  form.locationsPanel.userTempBox.SetValue(1);
  std::vector<bool> timerDuringRun;
  fakes.events.onDoEvents = [&] { timerDuringRun.push_back(form.statusPanel.countdownTimer.Enabled()); };
  for (bool enabledBefore : {true, false}) {
    form.statusPanel.countdownTimer.SetEnabled(enabledBefore);
    timerDuringRun.clear();
    fakes.files.AddFile("C:\\Users\\bob\\AppData\\Roaming\\Temp\\a.tmp");

    form.statusPanel.deleteNowButton.Click();

    ASSERT_FALSE(timerDuringRun.empty());
    for (bool enabled : timerDuringRun) EXPECT_FALSE(enabled) << enabledBefore;
    EXPECT_TRUE(form.statusPanel.countdownTimer.Enabled()) << enabledBefore;
    EXPECT_FALSE(fakes.files.Exists("C:\\Users\\bob\\AppData\\Roaming\\Temp\\a.tmp"));
  }
}

TEST_F(RunTest, TheWindowShowsALocationsMessageInABoxTitledWithTheApplicationTitle) {
  form.applicationTitle = "Vantrelle Cleaner";
  form.locationsPanel.recycleBinBox.SetValue(1);  // before the view creates the window, the bin has no owner

  form.statusPanel.deleteNowButton.Click();

  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].text, "Error encountered during emptying files in recycle bin.");
  EXPECT_EQ(fakes.messageBox.shown[0].title, "Vantrelle Cleaner");
  EXPECT_EQ(fakes.messageBox.shown[0].icon, platform::MessageIcon::None);
}

TEST_F(RunTest, ADeleteNowClickDuringARunsYieldIsIgnored) {
  form.locationsPanel.recycleBinBox.SetValue(1);  // without a window every run shows one message
  form.locationsPanel.userTempBox.SetValue(1);
  fakes.files.AddFile("C:\\Users\\bob\\AppData\\Roaming\\Temp\\a.tmp");
  fakes.files.AddFile("C:\\Users\\bob\\AppData\\Roaming\\Temp\\b.tmp");
  int clicks = 0;
  fakes.events.Queue([&] {
    ++clicks;
    form.statusPanel.deleteNowButton.Click();
  });

  form.statusPanel.deleteNowButton.Click();

  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.files.deleted.size(), 2u);
  EXPECT_TRUE(form.statusPanel.countdownTimer.Enabled());
  form.statusPanel.deleteNowButton.Click();  // and a later run starts as usual
  EXPECT_EQ(fakes.messageBox.shown.size(), 2u);
}

TEST_F(RunTest, FailingStatementsAreReportedAtTheirOwnLinesAndTheRunGoesOn) {
  form.locationsPanel.recycleBinBox.SetValue(1);
  form.locationsPanel.recentDocsBox.SetValue(1);
  form.windowHandle = 0;                // recycle bin fails
  fakes.shell.specialFolders.erase(8);  // recent documents fail
  fakes.messageBox.onShow = [](const fake::FakeMessageBox::Shown& shown) {
    if (shown.title != "Application Error") throw RuntimeError(5, "Invalid procedure call or argument");
  };

  form.statusPanel.deleteNowButton.Click();

  // The message box, called from the run without a guard of its own, fails at the calling line.
  std::vector<std::string> reports;
  for (const auto& shown : fakes.messageBox.shown) {
    if (shown.title == "Application Error") reports.push_back(shown.text);
  }
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].rfind("Invalid procedure call or argument\r\nin Vantrelle2021/08/31.modDeleteTempFiles."
                             "DeleteTemporaryFiles at line 116\r\r",
                             0),
            0u);
  EXPECT_NE(reports[1].find("DeleteTemporaryFiles at line 124\r\r"), std::string::npos);
  EXPECT_TRUE(form.statusPanel.countdownTimer.Enabled());
}

TEST_F(RunTest, AStoppedRunMarksWhatItDidNotFinishAndLeavesTheScheduleToTheClosing) {
  fakes.files.AddFile("C:\\Users\\bob\\AppData\\Local\\Temp\\a.tmp");
  fakes.events.onDoEvents = [&] { host.stopRequested = !host.StatusesStartingWith("Deleting for files").empty(); };
  const auto result = Run({.recycleBin = true, .systemTemp = true, .ownFolder = true, .ownFolderPath = "C:\\Work"});
  EXPECT_EQ(result.Of(Location::RecycleBin).outcome, Outcome::Emptied);
  EXPECT_EQ(result.Of(Location::SystemTemp).outcome, Outcome::Stopped);
  EXPECT_EQ(result.Of(Location::OwnFolder).outcome, Outcome::Stopped);
  EXPECT_TRUE(fakes.files.deleted.empty() && host.messages.empty() && host.resumes == 0);
}

}  // namespace
}  // namespace vantrelle::testing
