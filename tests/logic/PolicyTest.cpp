// Policy values: each setting's effective value and source over the layers, the schedule's group
// read whole from one key, the window's locked controls, and the command line on the same values.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "base/Strings.h"
#include "commandline/Commands.h"
#include "logic/LogicTest.h"
#include "settings/PolicyTable.h"
#include "settings/WindowsCleanups.h"
#include "window/morelocations/WindowsCleanupChoice.h"

namespace vantrelle::testing {
namespace {

using platform::RegistryRoot;
using settings::Layer;

constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr auto kUser = RegistryRoot::CurrentUser;
const std::string kForced(settings::kPolicyKey);
const std::string kPreset = kForced + "\\Recommended";

class Policies : public LogicTest {
 protected:
  void Number(RegistryRoot root, const std::string& key, const std::string& name, std::uint32_t value) {
    fakes.registry.SetNumber(root, key, name, value);
  }
  void Text(RegistryRoot root, const std::string& key, const std::string& name, const std::string& value) {
    fakes.registry.SetTyped(root, key, name, platform::kRegistryText, value);
  }
  // Writes REG_DWORD values given as "Name=1 Other=2".
  void Write(RegistryRoot root, const std::string& key, const std::string& values) {
    std::istringstream words(values);
    for (std::string word; words >> word;) {
      const auto equals = word.find('=');
      Number(root, key, word.substr(0, equals), static_cast<std::uint32_t>(std::stoul(word.substr(equals + 1))));
    }
  }
  void ClearPolicies() {
    for (auto root : {kMachine, kUser}) {
      fakes.registry.RemoveKey(root, kForced);
      fakes.registry.RemoveKey(root, kPreset);
    }
  }
  std::string Effective(const settings::Key& key) { return settings::Get(effective, key); }
};

TEST_F(Policies, EachSettingTakesTheFirstLayerHoldingAValidValue) {
  // Every combination of the four policy layers (absent, valid, wrong type, out of range) with and
  // without the person's own choice; each valid value names its layer.
  struct Place {
    RegistryRoot root;
    const std::string& key;
    Layer layer;
  };
  const Place places[] = {{kMachine, kForced, Layer::MachinePolicy},
                          {kUser, kForced, Layer::UserPolicy},
                          {kMachine, kPreset, Layer::MachinePreset},
                          {kUser, kPreset, Layer::UserPreset}};
  enum Cell { Absent, Valid, WrongType, OutOfRange };
  for (int combination = 0; combination < 4 * 4 * 4 * 4 * 2; ++combination) {
    ClearPolicies();
    fakes.settings.values.clear();
    int code = combination;
    const bool own = code % 2 != 0;
    code /= 2;
    if (own) settings::Save(fakes.settings, settings::kKeepRecentHours, "7");
    Layer expected = own ? Layer::Own : Layer::Default;
    std::string expectedValue = own ? "7" : "0";
    std::size_t ignored = 0;
    bool decided = false;
    for (std::uint32_t i = 0; i < 4; ++i, code /= 4) {
      const Place& place = places[i];
      const auto cell = static_cast<Cell>(code % 4);
      if (cell == Valid) Number(place.root, place.key, "KeepRecentHours", 10 + i);
      if (cell == WrongType) Text(place.root, place.key, "KeepRecentHours", "24");
      if (cell == OutOfRange) Number(place.root, place.key, "KeepRecentHours", 8761);
      ignored += cell == WrongType || cell == OutOfRange;
      // The person's own choice ranks after the policies and before the presets.
      if (i == 2 && own) decided = true;
      if (cell == Valid && !decided) {
        decided = true;
        expected = place.layer;
        expectedValue = std::to_string(10 + i);
      }
    }
    effective.Refresh();
    SCOPED_TRACE(combination);
    EXPECT_EQ(Effective(settings::kKeepRecentHours), expectedValue);
    EXPECT_EQ(effective.SourceOf(settings::kKeepRecentHours), expected);
    EXPECT_EQ(effective.Ignored().size(), ignored);
  }
}

TEST_F(Policies, AValueOfTheWrongTypeOrOutOfRangeIsIgnoredWithItsReason) {
  struct Case {
    const char* name;
    std::uint32_t type;
    std::string data;
    const settings::Key& setting;
    const char* stored;  // nullptr: ignored, with a reason starting so
    const char* reason;
  } cases[] = {
      {"CleanRecycleBin", platform::kRegistryNumber, "1", settings::kRecycleBin, "1", ""},
      {"CleanRecycleBin", platform::kRegistryNumber, "2", settings::kRecycleBin, nullptr, "out of range: 2 (0 to 1)"},
      {"CleanRecycleBin", platform::kRegistryText, "1", settings::kRecycleBin, nullptr, "wrong type: REG_SZ"},
      {"CleanRecycleBin", 11, "1", settings::kRecycleBin, nullptr, "wrong type: REG_QWORD"},
      {"StartWithWindows", platform::kRegistryNumber, "1", settings::kWindowsStartup, "On", ""},
      {"KeepRecentHours", platform::kRegistryNumber, "8760", settings::kKeepRecentHours, "8760", ""},
      {"OwnFolder", platform::kRegistryText, "D:\\Scratch", settings::kOwnFolderPath, "D:\\Scratch", ""},
      {"OwnFolder", platform::kRegistryText, "", settings::kOwnFolderPath, nullptr, "out of range: empty"},
      {"OwnFolder", 2, "%TEMP%", settings::kOwnFolderPath, nullptr, "wrong type: REG_EXPAND_SZ"},
      {"CommunityCleaners", platform::kRegistryNumber, "0", settings::kCommunityCleaners, "0", ""},
      {"CommunityCleanersFile", platform::kRegistryText, "\\\\files\\it\\winapp2.ini", settings::kCommunityCleanersFile,
       "\\\\files\\it\\winapp2.ini", ""},
      {"CommunityCleanersFile", platform::kRegistryText, "winapp2.ini", settings::kCommunityCleanersFile, nullptr,
       "not a full path"},
      {"CommunityCleanersAddress", platform::kRegistryText, "HTTP://mirror.corp:8080/winapp2.ini",
       settings::kCommunityCleanersAddress, "HTTP://mirror.corp:8080/winapp2.ini", ""},
      {"CommunityCleanersAddress", platform::kRegistryText, "ftp://mirror.corp/winapp2.ini",
       settings::kCommunityCleanersAddress, nullptr, "not an http:// or https:// address"},
      {"CommunityCleanersAddress", platform::kRegistryText, "https:///winapp2.ini", settings::kCommunityCleanersAddress,
       nullptr, "not an http"},
      {"CommunityCleanersAddress", platform::kRegistryText, "https://mirror.corp/win app2.ini",
       settings::kCommunityCleanersAddress, nullptr, "not an http"},
      {"CommunityCleanersAddress", platform::kRegistryText, "https://" + std::string(2041, 'a'),
       settings::kCommunityCleanersAddress, nullptr, "out of range: longer than 2048"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name).append(" ").append(c.data));
    ClearPolicies();
    fakes.registry.SetTyped(kMachine, kForced, c.name, c.type, c.data);
    effective.Refresh();
    if (c.stored) {
      EXPECT_EQ(Effective(c.setting), c.stored);
      EXPECT_TRUE(effective.Forced(c.setting));
      EXPECT_TRUE(effective.Ignored().empty());
    } else {
      EXPECT_FALSE(effective.Forced(c.setting));
      ASSERT_EQ(effective.Ignored().size(), 1u);
      EXPECT_EQ(effective.Ignored()[0].name, c.name);
      EXPECT_TRUE(effective.Ignored()[0].reason.starts_with(c.reason)) << effective.Ignored()[0].reason;
    }
  }
}

TEST_F(Policies, AWindowsCleanupIsForcedByItsStoredNameShownLockedAndFollowedByTheRun) {
  // A handler the templates name, one they do not (in another case), the machine's, one the program
  // does itself; the person's own choice is the opposite of what the policy says wherever it could hold.
  fakes.cleanupHandlers.handlers = {
      {"Downloaded Program Files", {512, ""}}, {"Vendor Cache", {64, ""}}, {"Update Cleanup", {1024, ""}}};
  struct Case {
    RegistryRoot root;
    const std::string& key;
    const char* name;
    std::uint32_t type;
    const char* data;
    const char* own;     // the person's stored choice of every handler
    const char* chosen;  // the handler the run calls, "" for none
    bool forced;
    const char* reason;  // why the value was ignored, "" when it was not
  };
  const Case cases[] = {
      {kMachine, kForced, "Windows.Downloaded Program Files", platform::kRegistryNumber, "1", "0",
       "Downloaded Program Files", true, ""},
      {kUser, kForced, "windows.vendor cache", platform::kRegistryNumber, "1", "0", "Vendor Cache", true, ""},
      {kUser, kForced, "Windows.Vendor Cache", platform::kRegistryNumber, "0", "1", "Downloaded Program Files", true,
       ""},
      {kUser, kPreset, "Windows.Vendor Cache", platform::kRegistryNumber, "1", nullptr, "Vendor Cache", false, ""},
      {kUser, kPreset, "Windows.Vendor Cache", platform::kRegistryNumber, "1", "0", "", false, ""},
      {kMachine, kForced, "Windows.Update Cleanup", platform::kRegistryNumber, "1", "0", "", false,
       "not a Windows cleanup users choose"},
      {kMachine, kForced, "Windows.Vendor Cache", platform::kRegistryText, "1", "0", "", false, "wrong type: REG_SZ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " = " + c.data);
    ClearPolicies();
    fakes.settings.values.clear();
    for (const char* handler : {"Downloaded Program Files", "Vendor Cache", "Update Cleanup"}) {
      if (c.own) settings::SaveWindowsCleanupChosen(fakes.settings, handler, std::string(c.own) == "1");
    }
    fakes.registry.SetTyped(c.root, c.key, c.name, c.type, c.data);
    effective.Refresh();

    std::vector<std::string> run;
    for (const auto& handler : settings::ChosenWindowsCleanups(fakes.platform)) run.push_back(handler.keyName);
    EXPECT_EQ(run, *c.chosen ? std::vector<std::string>{c.chosen} : std::vector<std::string>{});
    EXPECT_EQ(effective.AnyForced(), c.forced);
    ASSERT_EQ(effective.Ignored().size(), *c.reason ? 1u : 0u);
    if (*c.reason) {
      EXPECT_TRUE(effective.Ignored()[0].reason.starts_with(c.reason)) << effective.Ignored()[0].reason;
    }

    // The dialog shows what holds; a forced row refuses the change and says why, storing nothing.
    WindowsCleanupChoice dialog(fakes.platform);
    for (std::size_t row = 0; row < dialog.Rows().size(); ++row) {
      const bool chosen = dialog.Rows()[row].keyName == c.chosen;
      EXPECT_EQ(dialog.Rows()[row].chosen, chosen) << dialog.Rows()[row].keyName;
      const bool managed =
          c.forced && EqualsNoCase(settings::WindowsCleanupKeyName(dialog.Rows()[row].keyName), c.name);
      if (managed) {
        EXPECT_EQ(dialog.Set(row, !chosen), "This setting is managed by your organization.");
      }
    }
  }
  // /policyreport names a value the templates do not, with its source.
  const auto report = commandline::Execute(commandline::Command::PolicyReport, fakes.platform, "1.2.3").output;
  EXPECT_NE(report.find("\nWindows.Vendor Cache = 0 (own choice)\n"), std::string::npos) << report;
}

TEST_F(Policies, TheScheduleIsTakenWholeFromOneKeyOrNotAtAll) {
  const std::string weekly = "ScheduleMode=1 ScheduleWeekday=5 ScheduleHour=9 ScheduleMinute=0";
  struct Case {
    const char* what;
    std::string machine, user;
    Layer source;
    const char* chosen;  // the option key that is "True"; the defaults where no layer decides
    std::size_t ignored;
  } cases[] = {
      {"the machine's whole group wins", "ScheduleMode=2 ScheduleHour=6 ScheduleMinute=15", weekly,
       Layer::MachinePolicy, "Option2", 0},
      {"a group missing a value is ignored whole", "ScheduleMode=2 ScheduleHour=6", weekly, Layer::UserPolicy,
       "Option1", 2},
      {"one value out of range takes the group with it", "ScheduleMode=1 ScheduleWeekday=7 ScheduleHour=9", "",
       Layer::Default, "", 3},
      {"every N needs at least a minute", "ScheduleMode=3 ScheduleEveryDays=0", "", Layer::Default, "", 2},
      {"values without a mode make no schedule", "ScheduleHour=6 ScheduleMinute=15", "", Layer::Default, "", 2},
      {"every N from the parts given", "ScheduleMode=3 ScheduleEveryHours=2", "", Layer::MachinePolicy, "Option3", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearPolicies();
    Write(kMachine, kForced, c.machine);
    Write(kUser, kForced, c.user);
    effective.Refresh();
    for (const settings::Key* key : settings::kScheduleSettings) EXPECT_EQ(effective.SourceOf(*key), c.source);
    for (const settings::Key* option : {&settings::kWeeklyChosen, &settings::kDailyChosen, &settings::kEveryChosen}) {
      EXPECT_EQ(Effective(*option),
                c.source == Layer::Default ? option->defaultValue : (option->name == c.chosen ? "True" : "False"));
    }
    EXPECT_EQ(effective.Ignored().size(), c.ignored);
  }
  // The person's own schedule comes before a preset's, whatever part of it they stored.
  ClearPolicies();
  Write(kUser, kPreset, "ScheduleMode=2 ScheduleHour=6 ScheduleMinute=15");
  effective.Refresh();
  EXPECT_EQ(Effective(settings::kDailyChosen), "True");
  settings::Save(fakes.settings, settings::kWeekly, "Friday");
  EXPECT_EQ(Effective(settings::kDailyChosen), "0");
  EXPECT_EQ(effective.SourceOf(settings::kDailyChosen), Layer::Own);
}

TEST_F(Policies, AForcedControlShowsItsValueLockedAndThePersonsChoiceReturnsWithoutThePolicy) {
  settings::Save(fakes.settings, settings::kRecycleBin, "0");
  settings::Save(fakes.settings, settings::kKeepRecentHours, "5");
  Write(kMachine, kForced, "CleanRecycleBin=1");
  Write(kUser, kForced, "ScheduleMode=0");
  Write(kUser, kPreset, "KeepRecentHours=48 CleanWindowsTemp=1");
  effective.Refresh();
  form.Load();
  EXPECT_TRUE(form.locationsPanel.recycleBinBox.Ticked());
  EXPECT_TRUE(form.locationsPanel.recycleBinBox.Locked());
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Turn On");  // off, as forced
  EXPECT_TRUE(form.statusPanel.scheduleSwitch.Locked() && form.schedulePanel.daysBox.Locked() &&
              form.schedulePanel.weeklyOption.Locked());
  EXPECT_TRUE(form.optionsPanel.managedLine.Visible());
  // A preset fills in only where the person made no choice, and is not stored as theirs.
  EXPECT_EQ(form.optionsPanel.keepRecentBox.Text(), "5");
  EXPECT_TRUE(form.locationsPanel.windowsTempBox.Ticked());
  EXPECT_FALSE(form.locationsPanel.windowsTempBox.Locked() || form.optionsPanel.keepRecentBox.Locked() ||
               form.locationsPanel.systemTempBox.Locked());
  EXPECT_EQ(Stored(settings::kWindowsTemp), "<absent>");
  EXPECT_EQ(Stored(settings::kRecycleBin), "0");  // forced values never reach the person's own key
  EXPECT_EQ(Stored(settings::kStartStopState), "<absent>");

  // The policy changes while the window is open: the new values show, the old choice returns.
  ClearPolicies();
  Number(kMachine, kForced, "KeepRecentHours", 2);
  form.PoliciesChanged();
  EXPECT_FALSE(form.locationsPanel.recycleBinBox.Ticked() || form.locationsPanel.recycleBinBox.Locked() ||
               form.statusPanel.scheduleSwitch.Locked());
  EXPECT_FALSE(form.locationsPanel.windowsTempBox.Ticked());
  EXPECT_EQ(form.optionsPanel.keepRecentBox.Text(), "2");
  EXPECT_TRUE(form.optionsPanel.keepRecentBox.Locked() && form.optionsPanel.managedLine.Visible());
  EXPECT_EQ(Stored(settings::kKeepRecentHours), "5");
  ClearPolicies();
  form.PoliciesChanged();
  EXPECT_EQ(form.optionsPanel.keepRecentBox.Text(), "5");
  EXPECT_FALSE(form.optionsPanel.managedLine.Visible());
}

TEST_F(Policies, AForcedScheduleRunsItsCountdownAndAChangeRestartsIt) {
  form.Load();
  Write(kMachine, kForced, "ScheduleMode=3 ScheduleEveryMinutes=5");
  form.PoliciesChanged();
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Turn Off");
  EXPECT_EQ(form.Countdown().Interval(), 300);
  EXPECT_EQ(form.schedulePanel.minutesBox.Text(), "5");
  EXPECT_EQ(Stored(settings::kEveryMinutes), "0");  // as start-up stored it
  // Switched off by policy when its run is due: read before the run, which does not happen.
  Number(kMachine, kForced, "ScheduleMode", 0);
  fakes.clock.Pass(300);
  form.statusPanel.countdownTimer.Elapse();
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Turn On");
  EXPECT_EQ(form.optionsPanel.lastRunLine.Caption(), "Last run: never");
}

class PolicyCommandLine : public Policies {
 protected:
  PolicyCommandLine() {
    fakes.files.AddFolder("C:\\Work\\Cache");
    fakes.files.AddFile("C:\\Work\\Cache\\a.tmp");
    settings::Save(fakes.settings, settings::kOwnFolderPath, "C:\\Work\\Cache");
    settings::Save(fakes.settings, settings::kUserFolder, "1");
  }
  commandline::Finished Execute(commandline::Command command) {
    return commandline::Execute(command, fakes.platform, "1.2.3");
  }
};

TEST_F(PolicyCommandLine, CleanObeysAForcedOffLocationAndWrongValuesNeverDeleteMore) {
  Write(kMachine, kForced, "CleanOwnFolder=0");
  Text(kUser, kForced, "CleanSystemTemp", "1");  // wrong type
  Write(kUser, kForced, "CleanRecycleBin=7");    // out of range
  EXPECT_EQ(Execute(commandline::Command::Clean).output, std::string(commandline::kNothingTicked) + "\n");
  EXPECT_TRUE(fakes.files.Exists("C:\\Work\\Cache\\a.tmp"));
  EXPECT_EQ(Stored(settings::kUserFolder), "1");
  // A forced own folder passes the guards of a typed one.
  ClearPolicies();
  Text(kMachine, kForced, "OwnFolder", "C:\\Windows");
  const auto finished = Execute(commandline::Command::Clean);
  EXPECT_EQ(finished.exitCode, commandline::ExitCode::Failed);
  EXPECT_NE(finished.output.find("Error encountered during emptying files in C:\\Windows."), std::string::npos);
}

TEST_F(PolicyCommandLine, PolicyReportNamesEveryValueItsEffectiveValueAndSourceAndWhatWasIgnored) {
  Write(kMachine, kForced, "KeepRecentHours=12");
  Write(kUser, kPreset, "ScheduleMode=2 ScheduleHour=7 ScheduleMinute=30");
  Write(kUser, kForced, "CleanRecycleBin=3");
  const auto finished = Execute(commandline::Command::PolicyReport);
  EXPECT_EQ(finished.exitCode, commandline::ExitCode::Done);
  for (const settings::PolicyValue& row : settings::PolicyValues()) {
    std::string line = "\n";
    line.append(row.name).append(" = ");
    EXPECT_NE(finished.output.find(line), std::string::npos) << row.name;
  }
  for (const char* line :
       {"\nKeepRecentHours = 12 (machine policy)\n", "\nCleanOwnFolder = 1 (own choice)\n",
        "\nCleanRecycleBin = 0 (default)\n", "\nScheduleMode = 2 (user preset)\n", "\nScheduleHour = 7 (user preset)\n",
        "\nScheduleMinute = 30 (user preset)\n",
        "\nHKCU\\Software\\Policies\\Marrowick\\Vantrelle\\CleanRecycleBin: out of range: 3 (0 to 1)\n"}) {
    EXPECT_NE(finished.output.find(line), std::string::npos) << line << finished.output;
  }
}

}  // namespace
}  // namespace vantrelle::testing
