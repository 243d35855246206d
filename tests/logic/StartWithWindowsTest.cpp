#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "LogicTest.h"
#include "desktop/RunKey.h"
#include "desktop/StartWithWindows.h"

namespace vantrelle::testing {
namespace {

using platform::RegistryRoot;

class StartWithWindowsTest : public LogicTest {
 protected:
  StartWithWindowsTest() {
    fakes.environment.programFolder = "C:\\Program Files\\Vantrelle";
    fakes.environment.programPath = "C:\\Program Files\\Vantrelle\\Vantrelle.exe";
    // Someone else's entry, which must survive everything we do.
    fakes.registry.keys[{RegistryRoot::LocalMachine, fake::FakeRegistry::RunKey}]["other"] = {"Other", "x.exe"};
  }
  std::optional<std::string> Run(RegistryRoot root, const std::string& name = "Vantrelle.exe") const {
    return fakes.registry.Value(root, desktop::kRunSubKey, name);
  }

  desktop::StartWithWindows startWithWindows{fakes.registry, fakes.environment};
};

TEST_F(StartWithWindowsTest, SwitchingOnWritesTheQuotedPathOfTheRunningProgramMachineWide) {
  startWithWindows.Enable();

  EXPECT_EQ(Run(RegistryRoot::LocalMachine), "\"C:\\Program Files\\Vantrelle\\Vantrelle.exe\"");
  EXPECT_EQ(Run(RegistryRoot::CurrentUser), std::nullopt);
  EXPECT_EQ(fakes.registry.lastAccess, 0x3Fu);
  EXPECT_TRUE(fakes.registry.open.empty());  // every key closed again
}

TEST_F(StartWithWindowsTest, SwitchingOnAgainOverwritesTheValue) {
  startWithWindows.Enable();
  fakes.environment.programPath = "D:\\Moved Here\\Vantrelle.exe";
  startWithWindows.Enable();

  EXPECT_EQ(Run(RegistryRoot::LocalMachine), "\"D:\\Moved Here\\Vantrelle.exe\"");
  EXPECT_EQ(fakes.registry.ValueCount(RegistryRoot::LocalMachine, desktop::kRunSubKey), 2u);
}

TEST_F(StartWithWindowsTest, SwitchingOffDeletesOnlyOurValueAndIsSilentWhenThereIsNone) {
  startWithWindows.Enable();
  startWithWindows.Disable();
  EXPECT_EQ(Run(RegistryRoot::LocalMachine), std::nullopt);

  const int writes = fakes.registry.writes;
  EXPECT_NO_THROW(startWithWindows.Disable());
  EXPECT_EQ(fakes.registry.writes, writes);
  EXPECT_EQ(Run(RegistryRoot::LocalMachine, "Other"), "x.exe");
  EXPECT_TRUE(fakes.registry.open.empty());
}

TEST_F(StartWithWindowsTest, AStandardUserGetsTheValueInTheirOwnRunKeyAndSwitchingOffClearsBoth) {
  fakes.registry.refusedRoots = {RegistryRoot::LocalMachine};
  startWithWindows.Enable();
  EXPECT_EQ(Run(RegistryRoot::CurrentUser), "\"C:\\Program Files\\Vantrelle\\Vantrelle.exe\"");
  EXPECT_EQ(Run(RegistryRoot::LocalMachine), std::nullopt);

  fakes.registry.refusedRoots.clear();  // later run as administrator: both may hold the value
  startWithWindows.Enable();
  startWithWindows.Disable();
  EXPECT_EQ(Run(RegistryRoot::CurrentUser), std::nullopt);
  EXPECT_EQ(Run(RegistryRoot::LocalMachine), std::nullopt);
}

TEST_F(StartWithWindowsTest, SwitchingOffAlsoRemovesTheValueAnEarlier32BitVersionLeft) {
  auto& wow32 = fakes.registry.keys[{RegistryRoot::LocalMachine, fake::FakeRegistry::RunKey32}];
  wow32["vantrelle.exe"] = {"Vantrelle.exe", "C:\\Program Files (x86)\\Vantrelle\\Vantrelle.exe"};
  wow32["other"] = {"Other", "y.exe"};
  startWithWindows.Disable();
  EXPECT_EQ(fakes.registry.ValueCount(RegistryRoot::LocalMachine, fake::FakeRegistry::RunKey32), 1u);
  EXPECT_EQ(fakes.registry.Value(RegistryRoot::LocalMachine, fake::FakeRegistry::RunKey32, "Other"), "y.exe");
  EXPECT_TRUE(fakes.registry.open.empty());
}

TEST_F(StartWithWindowsTest, NothingHappensWithoutAProgramPath) {
  fakes.environment.programPath = "";
  startWithWindows.Enable();
  startWithWindows.Disable();
  EXPECT_EQ(fakes.registry.opens, 0);
}

TEST(RunKey, TheLowerRoutinesAnswerWithTheRegistrysStatus) {
  fake::FakeRegistry registry;
  desktop::RunKey runKey(registry);
  EXPECT_EQ(runKey.WriteText(RegistryRoot::LocalMachine, "SOFTWARE\\Missing", "a", "b"), platform::RegistryNotFound);
  registry.refusedRoots = {RegistryRoot::LocalMachine};
  EXPECT_EQ(runKey.WriteText(RegistryRoot::LocalMachine, desktop::kRunSubKey, "a", "b"),
            platform::RegistryAccessDenied);
  EXPECT_EQ(registry.writes, 0);
  EXPECT_EQ(runKey.DeleteValue(RegistryRoot::CurrentUser, desktop::kRunSubKey, "a"), platform::RegistryNotFound);
  EXPECT_TRUE(registry.open.empty());
}

}  // namespace
}  // namespace vantrelle::testing
