#include <gtest/gtest.h>

#include <set>

#include "LogicTest.h"
#include "settings/Settings.h"

namespace vantrelle::testing {
namespace {

using settings::Form;
using Settings = LogicTest;

TEST_F(Settings, EveryKeyWithItsDefaultAndValueForm) {
  struct Expected {
    const char* name;
    const char* defaultValue;
    Form form;
  } const expected[] = {
      {"StartStopState", "On", Form::OnOff},
      {"Windows Startup", "Off", Form::OnOff},
      {"Minimized", "Off", Form::OnOff},
      {"Windows Temp", "0", Form::OneZero},
      {"Recycle Bin", "0", Form::OneZero},
      {"Most Recently Used", "0", Form::OneZero},
      {"AppData", "0", Form::OneZero},
      {"Text1", "", Form::Text},
      {"SysTemp", "0", Form::OneZero},
      {"UserFolder", "0", Form::OneZero},
      {"Option1", "0", Form::TrueFalse},
      {"Option2", "0", Form::TrueFalse},
      {"Option3", "1", Form::TrueFalse},
      {"Weekly Time", "", Form::DateTime},
      {"Weekly", "Monday", Form::Weekday},
      {"Text11", "0", Form::Text},
      {"Text2", "0", Form::Text},
      {"Text3", "1", Form::Text},
      {"LastFolder", "", Form::Text},
      {"LastFolderDot", "", Form::Text},
      {"KeepRecentHours", "0", Form::Text},
      {"LastRunSummary", "Last run: never", Form::Text},
      {"LowSpaceGB", "0", Form::Text},
      {"RecycleBinDays", "0", Form::Text},
      {"Downloads", "0", Form::OneZero},
      {"DownloadsDays", "30", Form::Text},
      {"CommunityCleaners", "1", Form::OneZero},
      {"CommunityCleanersFile", "", Form::Text},
      {"CommunityCleanersAddress", "", Form::Text},
      {"CommunityCleanersDownload", "1", Form::OneZero},
      {"CommunityWeeklyCheck", "0", Form::OneZero},
      {"CommunityLastCheck", "", Form::Text},
  };
  ASSERT_EQ(std::size(settings::kAll), std::size(expected));
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(settings::kAll[i].name, expected[i].name);
    EXPECT_EQ(settings::kAll[i].defaultValue, expected[i].defaultValue) << expected[i].name;
    EXPECT_EQ(settings::kAll[i].form, expected[i].form) << expected[i].name;
    names.insert(settings::kAll[i].name);
  }
  EXPECT_EQ(names.size(), std::size(expected));  // no key listed twice

  EXPECT_EQ(settings::OnOff(true), "On");
  EXPECT_EQ(settings::OnOff(false), "Off");
  EXPECT_EQ(settings::OneZero(true), "1");
  EXPECT_EQ(settings::OneZero(false), "0");
  EXPECT_EQ(settings::TrueFalse(true), "True");
  EXPECT_EQ(settings::TrueFalse(false), "False");
}

TEST_F(Settings, MachineDefaultsComeFromTheProgramFolderAndTheClock) {
  fakes.environment.programFolder = "C:\\Tools\\Vantrelle";
  fakes.clock.now = {2026, 12, 9, 15, 4, 5};
  EXPECT_EQ(settings::DefaultValue(settings::kOwnFolderPath, fakes.platform), "C:\\Tools\\Vantrelle\\Samples");
  EXPECT_EQ(settings::DefaultValue(settings::kWeeklyTime, fakes.platform), "3:04:05 PM");
  EXPECT_EQ(settings::DefaultValue(settings::kEveryDays, fakes.platform), "1");
  fakes.environment.programFolder = "D:\\";
  EXPECT_EQ(settings::DefaultValue(settings::kOwnFolderPath, fakes.platform), "D:\\Samples");
}

TEST_F(Settings, ValuesLiveUnderTheApplicationAndSectionAndAbsentKeysGiveTheDefault) {
  auto& store = fakes.settings;
  EXPECT_EQ(settings::Get(store, settings::kWeekly), "Monday");
  EXPECT_EQ(settings::Get(store, settings::kOwnFolderPath, "C:\\x\\Samples"), "C:\\x\\Samples");
  settings::Save(store, settings::kWeekly, "Friday");
  EXPECT_EQ(settings::Get(store, settings::kWeekly), "Friday");
  EXPECT_EQ((store.values.at({"Marrowick", "Vantrelle", "Weekly"})), "Friday");
  EXPECT_EQ(store.values.size(), 1u);
}

}  // namespace
}  // namespace vantrelle::testing
