#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "logic/LogicTest.h"
#include "window/morelocations/MoreLocationsChoice.h"
#include "window/systemfiles/SystemFilesChoice.h"

namespace vantrelle::testing {
namespace {

using Clock = std::chrono::steady_clock;

class WindowsCleanupDialog : public LogicTest {
 protected:
  // Waits, as the dialog's thread does, until the scan has woken it `count` times.
  std::vector<std::size_t> Scanned(WindowsCleanupChoice& choice, std::size_t count) {
    std::vector<std::size_t> rows;
    std::unique_lock lock(mutex_);
    while (rows.size() < count && woken_.wait_for(lock, std::chrono::seconds(5), [&] { return wakes_ > 0; })) {
      --wakes_;
      lock.unlock();
      for (std::size_t row : choice.TakeScanned()) rows.push_back(row);
      lock.lock();
    }
    return rows;
  }
  std::function<void()> Wake() {
    return [this] {
      const std::lock_guard lock(mutex_);
      ++wakes_;
      woken_.notify_one();
    };
  }

  std::mutex mutex_;
  std::condition_variable woken_;
  int wakes_ = 0;
};

// The person's handlers are listed at once under the key's texts, measured row by row in the
// background (a handler with nothing to offer drops out, a failing one says why), and each tick is
// stored at once; one that loses something for good only once the person says yes.
TEST_F(WindowsCleanupDialog, ListsMeasuresAndStoresThePersonsHandlers) {
  fakes.cleanupHandlers.handlers = {{"Offline Pages Files", {3 << 20, ""}},
                                    {"Previous Installations", {1 << 30, ""}},
                                    {"Recycle Bin", {1, ""}},
                                    {"Hidden When Empty", {0, ""}},
                                    {"Broken", {0, "it broke"}},
                                    {"Update Cleanup", {5, ""}}};
  fakes.cleanupHandlers.notListed = {"Hidden When Empty"};
  fakes.cleanupHandlers.displayNames = {{"Offline Pages Files", "Offline webpages"}};
  fakes.cleanupHandlers.descriptions = {{"Offline Pages Files", "Pages kept for reading offline."}};
  fakes.registry.AddKey(platform::RegistryRoot::LocalMachine, "Software\\Marrowick\\Vantrelle\\System");
  fakes.registry.SetTyped(platform::RegistryRoot::LocalMachine, "Software\\Marrowick\\Vantrelle\\System",
                          "Windows.Update Cleanup", platform::kRegistryText, "1");
  fakes.settings.values[{"Marrowick", "Vantrelle", "Windows.Broken"}] = "1";

  MoreLocationsChoice dialog(fakes.platform, {});
  WindowsCleanupChoice& choice = dialog.windowsCleanups;
  std::vector<std::string> names;
  for (const auto& row : choice.Rows()) names.push_back(row.keyName + "|" + row.found + "|" + (row.chosen ? "1" : "0"));
  EXPECT_EQ(names,
            (std::vector<std::string>{"Broken|measuring\xE2\x80\xA6|1", "Hidden When Empty|measuring\xE2\x80\xA6|0",
                                      "Offline Pages Files|measuring\xE2\x80\xA6|0"}));
  EXPECT_TRUE(fakes.cleanupHandlers.Calls().empty()) << "nothing is started before the scan";
  // The machine's rows and its chosen handler, read-only.
  std::vector<std::string> machine;
  for (const auto& row : choice.MachineRows()) machine.push_back(row.valueName + "|" + row.state);
  EXPECT_EQ(machine,
            (std::vector<std::string>{"SystemErrorReports|not chosen", "MemoryDumps|not chosen",
                                      "UpdateDownloads|not chosen", "Windows.Previous Installations|not chosen",
                                      "Windows.Update Cleanup|chosen for this computer"}));

  choice.StartScan(Wake());
  EXPECT_EQ(Scanned(choice, 3), (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_EQ(choice.Rows()[0].found, "failed: it broke");
  EXPECT_FALSE(choice.Rows()[1].shown);
  EXPECT_EQ(choice.Rows()[2].found, "3.00 MB found");
  EXPECT_EQ(choice.Rows()[2].name, "Offline webpages");
  EXPECT_EQ(choice.Rows()[2].description, "Pages kept for reading offline.");
  EXPECT_EQ(fakes.cleanupHandlers.Calls(),
            (std::vector<std::string>{"Scan Broken", "Scan Hidden When Empty", "Scan Offline Pages Files"}));

  EXPECT_EQ(choice.Set(2, true), "");
  EXPECT_EQ(choice.Set(0, false), "");
  EXPECT_EQ(Stored("Windows.Offline Pages Files") + Stored("Windows.Broken"), "10");
  EXPECT_EQ(dialog.ChosenCount(), 0u) << "the further locations' count is not the handlers'";
}

// Closing the dialog stops a handler that is still measuring, within the time a host is given.
TEST_F(WindowsCleanupDialog, StoppingTheScanEndsASlowHandler) {
  fakes.cleanupHandlers.handlers = {{"Slow", {1, ""}}, {"Then", {1, ""}}};
  fakes.cleanupHandlers.handlers["Slow"].slow = true;
  WindowsCleanupChoice choice(fakes.platform);
  choice.StartScan({});
  const auto started = Clock::now();
  while (fakes.cleanupHandlers.Calls().empty() && Clock::now() - started < std::chrono::seconds(5)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  choice.StopScan();
  EXPECT_LT(Clock::now() - started, std::chrono::seconds(2));
  EXPECT_EQ(fakes.cleanupHandlers.Calls(), std::vector<std::string>{"Scan Slow"}) << "no handler after the stop";
  EXPECT_TRUE(choice.TakeScanned().empty());
}

// The machine's window: its piles and handlers, each tick stored under the machine's key (made when
// missing), a value policy forces refused, a consequence asked about, and "Clean now" running what
// the key chose without reading the person's settings.
TEST_F(WindowsCleanupDialog, TheSystemFilesWindowStoresTheMachinesChoices) {
  using platform::RegistryRoot;
  const std::string machineKey = "Software\\Marrowick\\Vantrelle\\System";
  fakes.shell.knownFolders[platform::KnownFolder::Windows] = "C:\\Windows";
  fakes.files.AddFile("C:\\Windows\\Minidump\\0101.dmp");
  fakes.cleanupHandlers.handlers = {{"Previous Installations", {1 << 30, ""}}, {"Offline Pages Files", {1, ""}}};
  fakes.registry.SetNumber(RegistryRoot::LocalMachine, "Software\\Policies\\Marrowick\\Vantrelle\\System",
                           "UpdateDownloads", 1);
  fakes.settings.values[{"Marrowick", "Vantrelle", "More.MemoryDumps"}] = "0";
  platform::Platform machine = fakes.platform;
  machine.settings = nullptr;
  SystemFilesChoice choice(machine);
  std::vector<std::string> rows;
  for (const auto& row : choice.Rows())
    rows.push_back(row.valueName + (row.chosen ? "=1" : "=0") + (row.locked ? "L" : ""));
  EXPECT_EQ(rows, (std::vector<std::string>{"SystemErrorReports=0", "MemoryDumps=0", "UpdateDownloads=1L",
                                            "Windows.Previous Installations=0"}));

  std::vector<std::string> asked;
  bool answer = false;
  choice.Confirm = [&](const std::string&, const std::string& question) {
    asked.push_back(question);
    return answer;
  };
  EXPECT_EQ(choice.Set(3, true), "");
  EXPECT_FALSE(choice.Rows()[3].chosen) << "not confirmed";
  answer = true;
  EXPECT_EQ(choice.Set(3, true), "");
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_EQ(choice.Set(1, true), "");
  EXPECT_EQ(choice.Set(2, false), "This setting is managed by your organization.");
  EXPECT_EQ(fakes.registry.Value(RegistryRoot::LocalMachine, machineKey, "MemoryDumps"),
            std::optional<std::string>("1"));
  EXPECT_EQ(fakes.registry.Value(RegistryRoot::LocalMachine, machineKey, "Windows.Previous Installations"),
            std::optional<std::string>("1"));
  EXPECT_TRUE(choice.Rows()[2].chosen);

  // The piles are walked on a thread of their own, each row filled as its size arrives.
  choice.StartMeasuringPiles();
  std::vector<std::size_t> measured;
  for (const auto until = Clock::now() + std::chrono::seconds(5); choice.MeasuringPiles() && Clock::now() < until;) {
    for (std::size_t row : choice.TakeMeasuredPiles()) measured.push_back(row);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_EQ(measured, (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_NE(choice.Rows()[1].found.find(" found"), std::string::npos) << choice.Rows()[1].found;
  const std::string report = choice.CleanNow();
  EXPECT_FALSE(fakes.files.Exists("C:\\Windows\\Minidump\\0101.dmp"));
  EXPECT_NE(report.find("System memory dumps"), std::string::npos) << report;
  EXPECT_EQ(fakes.cleanupHandlers.Calls().back(), "Purge Previous Installations");
}

}  // namespace
}  // namespace vantrelle::testing
