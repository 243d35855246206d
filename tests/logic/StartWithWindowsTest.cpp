#include <gtest/gtest.h>

#include "desktop/RegStuff.h"
#include "desktop/mStartUp.h"
#include "platform/fake/FakePlatform.h"

namespace vantrelle {
namespace {

using platform::RegistryRoot;

class StartWithWindowsTest : public ::testing::Test {
 protected:
  StartWithWindowsTest() {
    fx.environment.programFolder = "C:\\Program Files\\Vantrelle";
    fx.environment.programPath = "C:\\Program Files\\Vantrelle\\Vantrelle.exe";
    // Someone else's entry, which must survive everything we do.
    fx.registry.keys[{RegistryRoot::LocalMachine, fake::FakeRegistry::RunKey}]["other"] = {"Other", "x.exe"};
  }
  std::optional<std::string> Run(RegistryRoot root, const std::string& name = "Vantrelle.exe") const {
    return fx.registry.Value(root, RegStuff::RunSubKey, name);
  }
  fake::FakePlatform fx;
};

TEST_F(StartWithWindowsTest, SwitchingOnWritesTheQuotedPathOfTheRunningProgramMachineWide) {
  mStartUp::AddToStartUp(fx.platform);

  EXPECT_EQ(Run(RegistryRoot::LocalMachine), "\"C:\\Program Files\\Vantrelle\\Vantrelle.exe\"");
  EXPECT_EQ(Run(RegistryRoot::CurrentUser), std::nullopt);
  EXPECT_EQ(fx.registry.lastAccess, 0x3Fu);
  EXPECT_TRUE(fx.registry.open.empty());  // every key closed again
}

TEST_F(StartWithWindowsTest, SwitchingOnAgainOverwritesTheValue) {
  mStartUp::AddToStartUp(fx.platform);
  fx.environment.programPath = "D:\\Moved Here\\Vantrelle.exe";
  mStartUp::AddToStartUp(fx.platform);

  EXPECT_EQ(Run(RegistryRoot::LocalMachine), "\"D:\\Moved Here\\Vantrelle.exe\"");
  EXPECT_EQ(fx.registry.ValueCount(RegistryRoot::LocalMachine, RegStuff::RunSubKey), 2u);
}

TEST_F(StartWithWindowsTest, SwitchingOffDeletesOnlyOurValueAndIsSilentWhenThereIsNone) {
  mStartUp::AddToStartUp(fx.platform);
  mStartUp::RemoveFromStartUp(fx.platform);
  EXPECT_EQ(Run(RegistryRoot::LocalMachine), std::nullopt);

  const int writes = fx.registry.writes;
  EXPECT_NO_THROW(mStartUp::RemoveFromStartUp(fx.platform));
  EXPECT_EQ(fx.registry.writes, writes);
  EXPECT_EQ(Run(RegistryRoot::LocalMachine, "Other"), "x.exe");
  EXPECT_TRUE(fx.registry.open.empty());
}

TEST_F(StartWithWindowsTest, AStandardUserGetsTheValueInTheirOwnRunKeyAndSwitchingOffClearsBoth) {
  fx.registry.refusedRoots = {RegistryRoot::LocalMachine};
  mStartUp::AddToStartUp(fx.platform);
  EXPECT_EQ(Run(RegistryRoot::CurrentUser), "\"C:\\Program Files\\Vantrelle\\Vantrelle.exe\"");
  EXPECT_EQ(Run(RegistryRoot::LocalMachine), std::nullopt);

  fx.registry.refusedRoots.clear();  // later run as administrator: both may hold the value
  mStartUp::AddToStartUp(fx.platform);
  mStartUp::RemoveFromStartUp(fx.platform);
  EXPECT_EQ(Run(RegistryRoot::CurrentUser), std::nullopt);
  EXPECT_EQ(Run(RegistryRoot::LocalMachine), std::nullopt);
}

TEST_F(StartWithWindowsTest, NothingHappensWithoutAProgramPath) {
  fx.environment.programPath = "";
  mStartUp::AddToStartUp(fx.platform);
  mStartUp::RemoveFromStartUp(fx.platform);
  EXPECT_EQ(fx.registry.opens, 0);
}

TEST(RegStuff, StatusesOfTheLowerRoutines) {
  fake::FakeRegistry registry;
  EXPECT_EQ(RegStuff::SetKeyValue(registry, RegistryRoot::LocalMachine, "SOFTWARE\\Missing", "a", "b",
                                  RegStuff::TextValueType),
            platform::RegistryNotFound);
  EXPECT_EQ(RegStuff::SetKeyValue(registry, RegistryRoot::LocalMachine, RegStuff::RunSubKey, "a", "b", 4),
            platform::RegistryInvalidParameter);  // only text values are written
  EXPECT_EQ(registry.writes, 0);
  EXPECT_EQ(RegStuff::DeleteKeyValue(registry, RegistryRoot::CurrentUser, RegStuff::RunSubKey, "a"),
            platform::RegistryNotFound);
  EXPECT_TRUE(registry.open.empty());
}

}  // namespace
}  // namespace vantrelle
