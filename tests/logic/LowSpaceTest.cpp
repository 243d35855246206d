// Cleaning when the system drive runs low: the trigger's pacing, and the window's minute check.
#include <cstdint>
#include <optional>
#include <string>

#include "LogicTest.h"
#include "schedule/LowSpaceTrigger.h"

namespace vantrelle::testing {
namespace {

constexpr std::uint64_t kGb = schedule::LowSpaceTrigger::kBytesPerGb;

using LowSpace = LogicTest;

// Minute by minute through a day with a 10 GB threshold.
TEST_F(LowSpace, TheTriggerRunsBelowTheThresholdAtMostEverySixHoursAndNeverDuringARun) {
  struct Case {
    std::int64_t minute;
    std::uint64_t thresholdGb;
    std::optional<std::uint64_t> freeBytes;
    bool busy;
    bool runs;
  } const cases[] = {
      {1, 10, 50 * kGb, false, false},           // plenty of room
      {2, 10, 9 * kGb, true, false},             // a run or a preview is under way
      {3, 10, 9 * kGb, false, true},             // below: runs
      {4, 10, 9 * kGb, false, false},            // still below, but it just ran
      {3 + 359, 10, 1 * kGb, false, false},      // 5 h 59 min later
      {3 + 360, 10, 9 * kGb, false, true},       // 6 h later
      {400, 10, 50 * kGb, false, false},         // space freed
      {3 + 720, 10, 10 * kGb, false, false},     // exactly at the threshold is not below it
      {3 + 721, 10, 10 * kGb - 1, false, true},  // one byte below
      {1200, 0, 0, false, false},                // 0 is off
      {1500, 10, std::nullopt, false, false},    // free space unreadable
      {1501, 1'000'000, 5 * kGb, false, true},   // the largest threshold
  };
  schedule::LowSpaceTrigger trigger(fakes.clock);
  std::int64_t minute = 0;
  for (const Case& c : cases) {
    fakes.clock.Pass((c.minute - minute) * 60);
    minute = c.minute;
    EXPECT_EQ(trigger.Due(c.thresholdGb, c.freeBytes, c.busy), c.runs) << "minute " << c.minute;
  }
}

// A day of minute checks from the window, the schedule off and on: four low-space runs each, written
// "Low disk space" in the history, none inside another run, and the countdown goes on untouched.
TEST_F(LowSpace, TheWindowChecksEveryMinuteWhateverTheSchedule) {
  fakes.shell.knownFolders[platform::KnownFolder::LocalAppData] = "C:\\Users\\bob\\AppData\\Local";
  form.windowHandle = 0x1234;
  form.locationsPanel.recycleBinBox.SetValue(1);  // each run asks the Recycle Bin once
  fakes.storage.freeBytes = 2 * kGb;
  EXPECT_EQ(form.optionsPanel.lowSpaceTimer.Interval(), 60'000);
  form.optionsPanel.lowSpaceBox.Type("5");
  EXPECT_EQ(Stored("LowSpaceGB"), "5");
  for (const bool scheduleOn : {false, true}) {
    SCOPED_TRACE(scheduleOn);
    fake::FakeEventPump& events = fakes.events;
    if (scheduleOn) {
      form.schedulePanel.daysBox.Type("2");
      form.schedulePanel.hoursBox.Type("0");
      form.schedulePanel.minutesBox.Type("0");
      form.statusPanel.scheduleSwitch.SetCaption("Turn On");
      form.statusPanel.scheduleSwitch.Click();
    }
    const std::int32_t interval = form.Countdown().Interval();
    const int before = fakes.shell.queries;
    std::int64_t countdownAt = 0;
    for (int minute = 1; minute <= 24 * 60; ++minute) {
      fakes.clock.Pass(60);
      form.statusPanel.countdownTimer.Elapse();
      countdownAt = form.Countdown().Elapsed();
      // A tick that comes while the run yields starts nothing of its own.
      events.Queue([&] { form.optionsPanel.lowSpaceTimer.Elapse(); });
      form.optionsPanel.lowSpaceTimer.Elapse();
      events.queued.clear();
    }
    EXPECT_EQ(fakes.shell.queries - before, 4);
    EXPECT_EQ(form.Countdown().Interval(), interval);
    if (scheduleOn) {
      EXPECT_EQ(countdownAt, 24 * 60 * 60);
    }
  }
  const std::string history = fakes.textFiles.Read("C:\\Users\\bob\\AppData\\Local\\Vantrelle\\history.log").value();
  std::size_t lowSpaceRuns = 0;
  for (auto at = history.find("started by Low disk space"); at != std::string::npos;
       at = history.find("started by Low disk space", at + 1)) {
    ++lowSpaceRuns;
  }
  EXPECT_EQ(lowSpaceRuns, 8u);
}

TEST_F(LowSpace, ANumberOutsideItsRangeIsSentBackAndStartsNothing) {
  fakes.storage.freeBytes = 0;
  for (const char* text : {"-1", "1000001", "2.5", "ten", ""}) {
    form.optionsPanel.lowSpaceBox.Type(text);
    form.optionsPanel.lowSpaceBox.LostFocus();
    form.optionsPanel.lowSpaceTimer.Elapse();
  }
  EXPECT_EQ(fakes.messageBox.Texts(), std::vector<std::string>(5, "Must be a numeric entry."));
  EXPECT_EQ(form.optionsPanel.lowSpaceBox.FocusRequests(), 5);
  EXPECT_EQ(Stored("LowSpaceGB"), "");
  EXPECT_EQ(fakes.storage.freeSpaceReadings, 0);
}

}  // namespace
}  // namespace vantrelle::testing
