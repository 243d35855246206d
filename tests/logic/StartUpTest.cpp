#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "LogicTest.h"
#include "desktop/TrayIcon.h"

namespace vantrelle::testing {
namespace {

class StartUp : public LogicTest {
 protected:
  StartUp() {
    fakes.environment.Set("windir", "C:\\Windows");
    fakes.environment.Set("appdata", "C:\\Users\\ann\\AppData\\Roaming");
    fakes.environment.Set("TEMP", "C:\\Users\\ann\\AppData\\Local\\Temp");
    fakes.shell.specialFolders[8] = "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Recent";
    // The balloon waits on the program's clock: each wait lets that much time pass.
    fakes.events.onWait = [this](std::int64_t ms) { fakes.clock.tickMs += ms; };
  }
  void Store(const settings::Key& key, const std::string& value) {
    fakes.settings.values[{"Marrowick", "Vantrelle", std::string(key.name)}] = value;
  }
  std::vector<std::string> Reports() const {
    std::vector<std::string> reports;
    for (const auto& shown : fakes.messageBox.shown) {
      if (shown.title == "Application Error") reports.push_back(shown.text);
    }
    return reports;
  }
};

TEST_F(StartUp, AnEmptyStoreGivesTheOutOfTheBoxWindow) {
  fakes.clock.now = {2026, 12, 7, 14, 30, 15};
  form.Load();

  EXPECT_FALSE(form.endRequested);
  EXPECT_FALSE(form.isLoading);
  EXPECT_EQ(form.caption, "Vantrelle");
  EXPECT_EQ(form.applicationTitle, "Vantrelle");
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Turn Off");
  EXPECT_EQ(form.statusPanel.countdownTimer.Interval(), 1000);
  EXPECT_TRUE(form.trayIcon.InTray());
  EXPECT_EQ(form.trayIcon.Tip(), "Vantrelle");
  for (const CheckBox* box : {&form.locationsPanel.windowsTempBox, &form.locationsPanel.systemTempBox, &form.startUpPanel.startWithWindowsBox, &form.locationsPanel.userTempBox,
                              &form.locationsPanel.recycleBinBox, &form.locationsPanel.recentDocsBox, &form.locationsPanel.ownFolderBox, &form.startUpPanel.startInTrayBox}) {
    EXPECT_EQ(box->Value(), 0) << box->Name();
  }
  EXPECT_TRUE(form.startUpPanel.startInTrayBox.Visible());
  EXPECT_EQ(form.windowState, WindowState::Normal);
  EXPECT_EQ(form.locationsPanel.ownFolderPathBox.Text(), "C:\\Program Files\\Vantrelle\\Samples");
  EXPECT_TRUE(form.schedulePanel.everyOption.Value());
  EXPECT_EQ(form.schedulePanel.daysBox.Text(), "1");
  EXPECT_EQ(form.schedulePanel.hoursBox.Text(), "0");
  EXPECT_EQ(form.schedulePanel.minutesBox.Text(), "0");
  EXPECT_EQ(form.schedulePanel.weekdayList.Text(), "Monday");
  EXPECT_EQ(form.schedulePanel.timePicker.Value().hour, 14);
  EXPECT_EQ(form.schedulePanel.timePicker.Value().minute, 30);
  EXPECT_EQ(form.locationsPanel.windowsTempBox.Caption(), "Windows Temp - C:\\Windows\\Temp");
  EXPECT_EQ(form.locationsPanel.userTempBox.Caption(), "User Temp (AppData) - ");
  EXPECT_EQ(form.locationsPanel.userTempLabel.Caption(), "C:\\Users\\ann\\AppData\\Roaming\\Temp");
  EXPECT_EQ(form.locationsPanel.systemTempBox.Caption(), "System Temp - C:\\Users\\ann\\AppData\\Local\\Temp");
  EXPECT_EQ(form.locationsPanel.recentDocsLabel.Caption(), "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Recent");
  EXPECT_TRUE(Reports().empty());
  // Without the skin and pointer files beside the program: white, and the arrow everywhere.
  EXPECT_FALSE(form.buttonFaceBackground);
  form.statusPanel.deleteNowButton.MouseMove();
  EXPECT_EQ(form.pointer, MousePointer::Default);

  // Restoring a value that differs from the design runs the control's handler, which stores it.
  EXPECT_EQ(Stored(settings::kOwnFolderPath), "C:\\Program Files\\Vantrelle\\Samples");
  EXPECT_EQ(Stored(settings::kEveryDays), "1");
  EXPECT_EQ(Stored(settings::kEveryHours), "0");
  EXPECT_EQ(Stored(settings::kWeekly), "Monday");
  EXPECT_NE(Stored(settings::kWeeklyTime), "<absent>");
  // Unchanged controls and the start-with-Windows box write nothing.
  EXPECT_EQ(Stored(settings::kWindowsStartup), "<absent>");
  EXPECT_EQ(Stored(settings::kWindowsTemp), "<absent>");
  EXPECT_EQ(Stored(settings::kStartStopState), "<absent>");
}

TEST_F(StartUp, ASecondCopyEndsBeforeReadingOrShowingAnything) {
  fakes.instance.previousRunning = true;
  Store(settings::kWindowsTemp, "yes");
  form.Load();
  EXPECT_TRUE(form.endRequested);
  EXPECT_FALSE(form.trayIcon.InTray());
  EXPECT_TRUE(fakes.notifyArea.calls.empty());
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_EQ(form.caption, "Form1");
  EXPECT_EQ(fakes.settings.writes, 0);
}

TEST_F(StartUp, AStoredOffTurnsTheScheduleOff) {
  Store(settings::kStartStopState, "Off");
  form.Load();
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Turn On");
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "Off.");
  EXPECT_EQ(form.statusPanel.countdownTimer.Interval(), 0);
}

TEST_F(StartUp, TheSwitchFollowsOnlyExactlyOnOrOff) {
  Store(settings::kStartStopState, "on");
  form.Load();
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Turn On");  // the design caption stays
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "On. Next delete will occur in:");
  EXPECT_EQ(form.statusPanel.countdownTimer.Interval(), 0);
}

TEST_F(StartUp, StoredChoicesComeBack) {
  Store(settings::kWindowsTemp, "1");
  Store(settings::kRecycleBin, "2");
  Store(settings::kMostRecentlyUsed, "1");
  Store(settings::kSysTemp, "0");
  Store(settings::kUserFolder, "1");
  Store(settings::kOwnFolderPath, "D:\\Scratch\\");
  Store(settings::kWindowsStartup, "On");
  Store(settings::kWeeklyChosen, "-1");
  Store(settings::kEveryChosen, "False");
  Store(settings::kWeekly, "Friday");
  form.Load();

  EXPECT_EQ(form.locationsPanel.windowsTempBox.Value(), 1);
  EXPECT_EQ(form.locationsPanel.recycleBinBox.Value(), 0);  // only exactly 1 ticks
  EXPECT_EQ(form.locationsPanel.recentDocsBox.Value(), 1);
  EXPECT_EQ(form.locationsPanel.ownFolderBox.Value(), 1);
  EXPECT_EQ(form.locationsPanel.ownFolderPathBox.Text(), "D:\\Scratch\\");
  EXPECT_TRUE(form.schedulePanel.weeklyOption.Value());
  EXPECT_FALSE(form.schedulePanel.everyOption.Value());
  EXPECT_EQ(form.schedulePanel.weekdayList.Text(), "Friday");
  // Ticked from the store without switching the Run entry again.
  EXPECT_EQ(form.startUpPanel.startWithWindowsBox.Value(), 1);
  EXPECT_EQ(fakes.registry.opens, 0);
  EXPECT_TRUE(Reports().empty());
}

struct Hostile {
  settings::Key key;
  std::string value;
  int line;  // 0: refused by nobody
};

// Read in the test output as the key and the line, not as a dump of the parameter's bytes.
[[maybe_unused]] void PrintTo(const Hostile& c, std::ostream* out) { *out << c.key.name << ", line " << c.line; }

const std::string kHuge(100000, '9');

class StartUpWithGarbage : public StartUp, public ::testing::WithParamInterface<Hostile> {};

TEST_P(StartUpWithGarbage, GarbageInAnyKeyIsReportedAtItsLineAndStartUpGoesOn) {
  const Hostile& c = GetParam();
  SCOPED_TRACE(std::string(c.key.name));
  Store(c.key, c.value);
  form.Load();
  EXPECT_FALSE(form.isLoading);
  EXPECT_TRUE(form.trayIcon.InTray());
  const auto reports = Reports();
  if (c.line == 0) {
    EXPECT_TRUE(reports.empty()) << (reports.empty() ? "" : reports[0]);
  } else {
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("Form_Load at line " + std::to_string(c.line) + "\r"), std::string::npos) << reports[0];
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryKey, StartUpWithGarbage,
    ::testing::Values(Hostile{settings::kStartStopState, "\xC3\xA9t\xC3\xA9", 0},
                      Hostile{settings::kWindowsStartup, kHuge, 0}, Hostile{settings::kMinimized, "", 0},
                      Hostile{settings::kWindowsTemp, "yes", 158}, Hostile{settings::kRecycleBin, "", 160},
                      Hostile{settings::kMostRecentlyUsed, kHuge, 162},
                      Hostile{settings::kAppData, "\xE2\x98\x83", 164},
                      Hostile{settings::kOwnFolderPath, std::string("C:\\\x01\xF0\x9F\x98\x80") + kHuge, 0},
                      Hostile{settings::kSysTemp, "1e999", 190}, Hostile{settings::kUserFolder, "0x1", 192},
                      Hostile{settings::kWeeklyChosen, "maybe", 194}, Hostile{settings::kDailyChosen, kHuge, 196},
                      Hostile{settings::kEveryChosen, "", 198}, Hostile{settings::kWeeklyTime, "25:99:99", 200},
                      Hostile{settings::kWeekly, "Caturday", 202}, Hostile{settings::kEveryHours, kHuge, 0},
                      Hostile{settings::kEveryMinutes, "\xFF\xFE", 0}, Hostile{settings::kEveryDays, "", 0}),
    [](const ::testing::TestParamInfo<Hostile>& info) {
      std::string name;  // the key's name, letters and digits only
      for (char c : info.param.key.name) {
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
      }
      return name;
    });

TEST_F(StartUp, ARefusedValueLeavesTheControlAsDesigned) {
  Store(settings::kWindowsTemp, "yes");
  Store(settings::kWeekly, "Caturday");
  form.Load();
  EXPECT_EQ(form.locationsPanel.windowsTempBox.Value(), 0);
  EXPECT_EQ(form.schedulePanel.weekdayList.ListIndex(), -1);
  ASSERT_EQ(Reports().size(), 2u);
  EXPECT_EQ(Reports()[0].rfind("Type mismatch\r\nin Vantrelle2021/08/31.Form1.Form_Load at line 158\r\r", 0), 0u);
  EXPECT_EQ(Stored(settings::kWindowsTemp), "yes");  // the stored text is not repaired
}

TEST_F(StartUp, UnresolvedRecentFolderLeavesTheLabelEmpty) {
  fakes.shell.specialFolders.clear();
  form.Load();
  EXPECT_EQ(form.locationsPanel.recentDocsLabel.Caption(), "");
  EXPECT_TRUE(Reports().empty());
}

TEST_F(StartUp, SpecialFolderComesInABlankFilledBufferCutAtItsNul) {
  const std::string buffer = form.GetSpecialFolderPath(8);
  ASSERT_EQ(buffer.size(), 512u);
  EXPECT_EQ(buffer.substr(0, buffer.find('\0')), "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Recent");
  EXPECT_EQ(buffer.back(), ' ');
  EXPECT_EQ(form.GetSpecialFolderPath(99), "");
}

TEST_F(StartUp, StartInTheTrayHidesTheWindowAndShowsTheBalloonOnce) {
  Store(settings::kMinimized, "On");
  form.Load();
  EXPECT_EQ(form.startUpPanel.startInTrayBox.Value(), 1);
  EXPECT_EQ(form.windowState, WindowState::Minimized);

  form.windowVisible = true;  // the platform shows it minimised
  form.Resized();
  EXPECT_FALSE(form.windowVisible);
  EXPECT_EQ(form.windowState, WindowState::Normal);
  EXPECT_TRUE(form.hiddenInTray);
  int balloons = 0;
  for (const auto& call : fakes.notifyArea.calls) {
    if ((call.record.flags & platform::NotifyInfo) && !call.record.info.empty()) {
      ++balloons;
      EXPECT_EQ(call.record.infoTitle, "Vantrelle");
      EXPECT_EQ(call.record.info,
                "has been minimized to the system tray.\r\n"
                "Click on the blue 'M' icon (M for Marrowick) to bring the software back.");
    }
  }
  EXPECT_EQ(balloons, 1);

  // A right click on the icon: the shell tells the icon's window.
  fakes.windowProcedures.Send(form.trayIcon.Window(), desktop::TrayIcon::kCallbackMessage, 0, 0x205);
  EXPECT_TRUE(form.windowVisible);
  EXPECT_FALSE(form.hiddenInTray);

  // Minimised by hand again: back to the tray, the once-only balloon stays away.
  form.windowState = WindowState::Minimized;
  form.Resized();
  EXPECT_FALSE(form.windowVisible);
  EXPECT_TRUE(form.hiddenInTray);
}

TEST_F(StartUp, ClosingStopsTheScheduleAndRemovesTheIcon) {
  form.Load();
  form.Close();
  EXPECT_FALSE(form.statusPanel.countdownTimer.Enabled());
  EXPECT_FALSE(form.trayIcon.InTray());
  EXPECT_TRUE(fakes.notifyArea.icons.empty());
  EXPECT_TRUE(form.endRequested);
  EXPECT_GE(fakes.events.calls, 2);
}

TEST_F(StartUp, HandPointerOverButtonsWhenItsFileIsBesideTheProgram) {
  fakes.files.AddFolder("C:\\Program Files");
  fakes.files.AddFolder("C:\\Program Files\\Vantrelle");
  fakes.files.AddFile("C:\\Program Files\\Vantrelle\\HAND-M.CUR");
  form.Load();
  form.locationsPanel.windowsTempBox.MouseMove();
  EXPECT_EQ(form.pointer, MousePointer::Custom);
  form.locationsPanel.recycleBinBox.MouseMove();
  EXPECT_EQ(form.pointer, MousePointer::Default);
  form.locationsPanel.browseButton.MouseMove();
  form.MouseOverBackground();
  EXPECT_EQ(form.pointer, MousePointer::Default);
}

// The files beside a program at a drive root are found; a pointer file the view cannot load (it holds
// no cursor) is reported at its line, and start-up goes on.
TEST_F(StartUp, TheFilesBesideTheProgramAlsoAtADriveRootAndAPointerThatCannotBeLoaded) {
  struct View : WindowObserver {
    void WindowChanged() override {}
    void Activate() override {}
    bool LoadPointer(const std::string& file) override { return loaded = file, loads; }
    std::string loaded;
    bool loads = true;
  };
  for (const auto& [folder, beside, loads] :
       {std::tuple{"C:\\Program Files\\Vantrelle", "C:\\Program Files\\Vantrelle\\", true},
        {"D:\\", "D:\\", true},
        {"D:\\", "D:\\", false}}) {
    fake::FakePlatform fakes;
    fakes.environment.programFolder = folder;
    fakes.files.AddFile(std::string(beside) + "HAND-M.CUR");
    fakes.files.AddFile(std::string(beside) + "x\\o.cjs");
    MainForm form(fakes.platform);
    View view;
    view.loads = loads;
    form.SetWindowObserver(&view);
    form.Load();
    EXPECT_EQ(view.loaded, std::string(beside) + "HAND-M.CUR");
    EXPECT_EQ(form.customPointerFile, loads ? view.loaded : "");
    EXPECT_TRUE(form.buttonFaceBackground);
    EXPECT_EQ(form.locationsPanel.ownFolderPathBox.Text(), std::string(beside) + "Samples");
    const std::string report = ErrorReportText(location::kStartUp, 110, "Invalid picture");
    EXPECT_EQ(fakes.messageBox.Texts(), loads ? std::vector<std::string>{} : std::vector<std::string>{report});
  }
}

TEST_F(StartUp, TheSkinFileOnlyBringsTheButtonFaceColour) {
  for (const char* folder : {"C:\\Program Files", "C:\\Program Files\\Vantrelle", "C:\\Program Files\\Vantrelle\\x"}) {
    fakes.files.AddFolder(folder);
  }
  fakes.files.AddFile("C:\\Program Files\\Vantrelle\\x\\o.cjs");
  form.Load();
  EXPECT_TRUE(form.buttonFaceBackground);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(StartUp, TheHomePageOpensAboutOnceInAHundredStarts) {
  for (int start = 0; start < 5000; ++start) {
    fakes.clock.tickMs = 7919LL * start;
    fakes.clock.now.second = start % 60;
    form.OpenHomePageAtRandom();
  }
  EXPECT_GT(fakes.shell.commands.size(), 20u);
  EXPECT_LT(fakes.shell.commands.size(), 100u);
  for (const auto& command : fakes.shell.commands) EXPECT_EQ(command, "explorer \"https://www.marrowick.com/\"");
}

}  // namespace
}  // namespace vantrelle::testing
