#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"
#include "shell/Form1.h"
#include "shell/Settings.h"

namespace vantrelle {
namespace {

class StartUp : public ::testing::Test {
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
  std::string Stored(const settings::Key& key) {
    auto it = fakes.settings.values.find({"Marrowick", "Vantrelle", std::string(key.name)});
    return it == fakes.settings.values.end() ? "<absent>" : it->second;
  }
  std::vector<std::string> Reports() {
    std::vector<std::string> reports;
    for (const auto& shown : fakes.messageBox.shown) {
      if (shown.title == "Application Error") reports.push_back(shown.text);
    }
    return reports;
  }

  fake::FakePlatform fakes;
  Form1 form{fakes.platform};
};

TEST_F(StartUp, AnEmptyStoreGivesTheOutOfTheBoxWindow) {
  fakes.clock.now = {2026, 12, 7, 14, 30, 15};
  form.Form_Load();

  EXPECT_FALSE(form.EndRequested);
  EXPECT_FALSE(form.IsLoading);
  EXPECT_EQ(form.Caption, "Vantrelle");
  EXPECT_EQ(form.ApplicationTitle, "Vantrelle");
  EXPECT_EQ(form.PushButton4.Caption(), "Turn Off");
  EXPECT_EQ(form.Timer1.Interval(), 1000);
  EXPECT_TRUE(form.cSysTray1.InTray());
  EXPECT_EQ(form.cSysTray1.TrayTip(), "Vantrelle");
  for (const CheckBox* box : {&form.Check1, &form.Check2, &form.Check3, &form.Check4, &form.Check5, &form.Check6,
                              &form.Check7, &form.Check8}) {
    EXPECT_EQ(box->Value(), 0) << box->Name();
  }
  EXPECT_TRUE(form.Check8.Visible());
  EXPECT_EQ(form.State, WindowState::Normal);
  EXPECT_EQ(form.Text1.Text(), "C:\\Program Files\\Vantrelle\\Samples");
  EXPECT_TRUE(form.Option3.Value());
  EXPECT_EQ(form.Text3.Text(), "1");
  EXPECT_EQ(form.Text11.Text(), "0");
  EXPECT_EQ(form.Text2.Text(), "0");
  EXPECT_EQ(form.cboWeekly.Text(), "Monday");
  EXPECT_EQ(form.dtpWeekly.Value().hour, 14);
  EXPECT_EQ(form.dtpWeekly.Value().minute, 30);
  EXPECT_EQ(form.Check1.Caption(), "Windows Temp - C:\\Windows\\Temp");
  EXPECT_EQ(form.Check4.Caption(), "User Temp (AppData) - ");
  EXPECT_EQ(form.Label2.Caption(), "C:\\Users\\ann\\AppData\\Roaming\\Temp");
  EXPECT_EQ(form.Check2.Caption(), "System Temp - C:\\Users\\ann\\AppData\\Local\\Temp");
  EXPECT_EQ(form.Label1.Caption(), "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Recent");
  EXPECT_TRUE(Reports().empty());

  // Restoring a value that differs from the design runs the control's handler, which stores it.
  EXPECT_EQ(Stored(settings::kText1), "C:\\Program Files\\Vantrelle\\Samples");
  EXPECT_EQ(Stored(settings::kText3), "1");
  EXPECT_EQ(Stored(settings::kText11), "0");
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
  form.Form_Load();
  EXPECT_TRUE(form.EndRequested);
  EXPECT_FALSE(form.cSysTray1.InTray());
  EXPECT_TRUE(fakes.notifyArea.calls.empty());
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_EQ(form.Caption, "Form1");
  EXPECT_EQ(fakes.settings.writes, 0);
}

TEST_F(StartUp, TheSwitchFollowsOnlyExactlyOnOrOff) {
  Store(settings::kStartStopState, "Off");
  form.Form_Load();
  EXPECT_EQ(form.PushButton4.Caption(), "Turn On");
  EXPECT_EQ(form.Frame2.Caption(), "Off.");
  EXPECT_EQ(form.Timer1.Interval(), 0);

  fake::FakePlatform other;
  Form1 lower(other.platform);
  other.settings.values[{"Marrowick", "Vantrelle", "StartStopState"}] = "on";
  lower.Form_Load();
  EXPECT_EQ(lower.PushButton4.Caption(), "Turn On");  // the design caption stays
  EXPECT_EQ(lower.Frame2.Caption(), "On. Next delete will occur in:");
  EXPECT_EQ(lower.Timer1.Interval(), 0);
}

TEST_F(StartUp, StoredChoicesComeBack) {
  Store(settings::kWindowsTemp, "1");
  Store(settings::kRecycleBin, "2");
  Store(settings::kMostRecentlyUsed, "1");
  Store(settings::kSysTemp, "0");
  Store(settings::kUserFolder, "1");
  Store(settings::kText1, "D:\\Scratch\\");
  Store(settings::kWindowsStartup, "On");
  Store(settings::kOption1, "-1");
  Store(settings::kOption3, "False");
  Store(settings::kWeekly, "Friday");
  form.Form_Load();

  EXPECT_EQ(form.Check1.Value(), 1);
  EXPECT_EQ(form.Check5.Value(), 0);  // only exactly 1 ticks
  EXPECT_EQ(form.Check6.Value(), 1);
  EXPECT_EQ(form.Check7.Value(), 1);
  EXPECT_EQ(form.Text1.Text(), "D:\\Scratch\\");
  EXPECT_TRUE(form.Option1.Value());
  EXPECT_FALSE(form.Option3.Value());
  EXPECT_EQ(form.cboWeekly.Text(), "Friday");
  // Ticked from the store without switching the Run entry again.
  EXPECT_EQ(form.Check3.Value(), 1);
  EXPECT_EQ(fakes.registry.opens, 0);
  EXPECT_TRUE(Reports().empty());
}

struct Hostile {
  settings::Key key;
  std::string value;
  int line;  // 0: refused by nobody
};

TEST_F(StartUp, GarbageInAnyKeyIsReportedAtItsLineAndStartUpGoesOn) {
  const std::string huge(100000, '9');
  const std::vector<Hostile> cases = {
      {settings::kStartStopState, "\xC3\xA9t\xC3\xA9", 0},
      {settings::kWindowsStartup, huge, 0},
      {settings::kMinimized, "", 0},
      {settings::kWindowsTemp, "yes", 158},
      {settings::kRecycleBin, "", 160},
      {settings::kMostRecentlyUsed, huge, 162},
      {settings::kAppData, "\xE2\x98\x83", 164},
      {settings::kText1, std::string("C:\\\x01\xF0\x9F\x98\x80") + huge, 0},
      {settings::kSysTemp, "1e999", 190},
      {settings::kUserFolder, "0x1", 192},
      {settings::kOption1, "maybe", 194},
      {settings::kOption2, huge, 196},
      {settings::kOption3, "", 198},
      {settings::kWeeklyTime, "25:99:99", 200},
      {settings::kWeekly, "Caturday", 202},
      {settings::kText11, huge, 0},
      {settings::kText2, "\xFF\xFE", 0},
      {settings::kText3, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key.name));
    fake::FakePlatform fakes;
    fakes.settings.values[{"Marrowick", "Vantrelle", std::string(c.key.name)}] = c.value;
    Form1 form(fakes.platform);
    form.Form_Load();
    EXPECT_FALSE(form.IsLoading);
    EXPECT_TRUE(form.cSysTray1.InTray());
    std::vector<std::string> reports;
    for (const auto& shown : fakes.messageBox.shown) {
      if (shown.title == "Application Error") reports.push_back(shown.text);
    }
    if (c.line == 0) {
      EXPECT_TRUE(reports.empty()) << (reports.empty() ? "" : reports[0]);
    } else {
      ASSERT_EQ(reports.size(), 1u);
      EXPECT_NE(reports[0].find("Form_Load at line " + std::to_string(c.line) + "\r"), std::string::npos) << reports[0];
    }
  }
}

TEST_F(StartUp, ARefusedValueLeavesTheControlAsDesigned) {
  Store(settings::kWindowsTemp, "yes");
  Store(settings::kWeekly, "Caturday");
  form.Form_Load();
  EXPECT_EQ(form.Check1.Value(), 0);
  EXPECT_EQ(form.cboWeekly.ListIndex(), -1);
  ASSERT_EQ(Reports().size(), 2u);
  EXPECT_EQ(Reports()[0].rfind("Type mismatch\r\nin Vantrelle2021/08/31.Form1.Form_Load at line 158\r\r", 0), 0u);
  EXPECT_EQ(Stored(settings::kWindowsTemp), "yes");  // the stored text is not repaired
}

TEST_F(StartUp, UnresolvedRecentFolderLeavesTheLabelEmpty) {
  fakes.shell.specialFolders.clear();
  form.Form_Load();
  EXPECT_EQ(form.Label1.Caption(), "");
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
  form.Form_Load();
  EXPECT_EQ(form.Check8.Value(), 1);
  EXPECT_EQ(form.State, WindowState::Minimized);

  form.WindowVisible = true;  // the platform shows it minimised
  form.Form_Resize();
  EXPECT_FALSE(form.WindowVisible);
  EXPECT_EQ(form.State, WindowState::Normal);
  EXPECT_TRUE(form.HiddenInTray);
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

  form.cSysTray1_MouseUp(2, 0);
  EXPECT_TRUE(form.WindowVisible);
  EXPECT_FALSE(form.HiddenInTray);

  // Minimised by hand again: back to the tray, the once-only balloon stays away.
  form.State = WindowState::Minimized;
  form.Form_Resize();
  EXPECT_FALSE(form.WindowVisible);
  EXPECT_TRUE(form.HiddenInTray);
}

TEST_F(StartUp, ClosingStopsTheScheduleAndRemovesTheIcon) {
  form.Form_Load();
  form.Form_QueryUnload();
  EXPECT_FALSE(form.Timer1.Enabled());
  EXPECT_FALSE(form.cSysTray1.InTray());
  EXPECT_TRUE(fakes.notifyArea.icons.empty());
  EXPECT_TRUE(form.EndRequested);
  EXPECT_GE(fakes.events.calls, 2);
}

TEST_F(StartUp, HandPointerOnlyWhenItsFileIsBesideTheProgram) {
  form.Form_Load();
  form.PushButton2.MouseMove();
  EXPECT_EQ(form.Pointer, MousePointer::Default);

  fake::FakePlatform others;
  others.files.AddFolder("C:\\Program Files");
  others.files.AddFolder("C:\\Program Files\\Vantrelle");
  others.files.AddFile("C:\\Program Files\\Vantrelle\\HAND-M.CUR");
  Form1 withCursor(others.platform);
  withCursor.Form_Load();
  withCursor.Check1.MouseMove();
  EXPECT_EQ(withCursor.Pointer, MousePointer::Custom);
  withCursor.Check5.MouseMove();
  EXPECT_EQ(withCursor.Pointer, MousePointer::Default);
  withCursor.PushButton9.MouseMove();
  withCursor.Form_MouseMove();
  EXPECT_EQ(withCursor.Pointer, MousePointer::Default);
}

}  // namespace
}  // namespace vantrelle

namespace vantrelle {
namespace {

TEST(StartUpRoutines, TheSkinFileOnlyBringsTheButtonFaceColour) {
  fake::FakePlatform plain;
  Form1 withoutSkin(plain.platform);
  withoutSkin.ApplySkin();
  EXPECT_FALSE(withoutSkin.ButtonFaceBackground);

  fake::FakePlatform skinned;
  for (const char* folder : {"C:\\Program Files", "C:\\Program Files\\Vantrelle", "C:\\Program Files\\Vantrelle\\x"}) {
    skinned.files.AddFolder(folder);
  }
  skinned.files.AddFile("C:\\Program Files\\Vantrelle\\x\\o.cjs");
  Form1 withSkin(skinned.platform);
  withSkin.ApplySkin();
  EXPECT_TRUE(withSkin.ButtonFaceBackground);
}

TEST(StartUpRoutines, TheHomePageOpensAboutOnceInAHundredStarts) {
  fake::FakePlatform fakes;
  Form1 form(fakes.platform);
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
}  // namespace vantrelle
