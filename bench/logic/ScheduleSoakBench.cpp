// A day of a schedule that runs every minute: 86,400 one-second ticks and 1,440 cleaning runs over
// every location, on the fakes, with fresh files to delete before each run. Prints the heap at each
// hour, which must stay flat: a run or a tick holds on to nothing. Side by side, the same day of
// ticks without runs (a schedule of a year), so the cost of the runs themselves shows as a ratio.
#include <chrono>
#include <cstdio>
#include <string>

#include "HeapCount.h"
#include "platform/fake/FakePlatform.h"
#include "window/MainForm.h"

namespace {

using namespace vantrelle;

constexpr int kSecondsPerDay = 86'400;
constexpr int kFilesPerFolder = 5;

const char* const kFolders[] = {"C:\\Windows\\Temp", "C:\\Users\\bob\\AppData\\Local\\Temp",
                                "C:\\Users\\bob\\AppData\\Roaming\\Temp", "C:\\Users\\bob\\Cleanup"};

struct Day {
  int runs = 0;
  std::size_t deleted = 0;
  double seconds = 0;
  long long firstHourBytes = 0;  // live bytes after the first hour, when everything has settled
  long long lastHourBytes = 0;
  long long largestBytes = 0;  // the most live at any hour's end
  std::size_t allocations = 0;
};

// The fakes record what happened to them; that record is the harness's, not the program's.
void ForgetWhatTheFakesRecorded(fake::FakePlatform& fakes) {
  fakes.files.deleted = {};
  fakes.shell.queriedRoots = {};
  fakes.notifyArea.calls = {};
  fakes.messageBox.shown = {};
}

Day RunADay(const char* everyDays, const char* everyMinutes) {
  fake::FakePlatform fakes;
  fakes.environment.Set("WINDIR", "C:\\Windows");
  fakes.environment.Set("APPDATA", "C:\\Users\\bob\\AppData\\Roaming");
  fakes.environment.Set("TEMP", "C:\\Users\\bob\\AppData\\Local\\Temp");
  fakes.shell.specialFolders[8] = "C:\\Users\\bob\\Recent";
  fakes.files.AddFolder("C:\\Users\\bob\\Recent");
  for (const char* folder : kFolders) fakes.files.AddFolder(folder);

  MainForm form(fakes.platform);
  form.windowHandle = 0x1234;
  form.trayIcon.SetInTray(true);
  for (CheckBox* box : {&form.locationsPanel.windowsTempBox, &form.locationsPanel.recycleBinBox, &form.locationsPanel.recentDocsBox, &form.locationsPanel.userTempBox,
                        &form.locationsPanel.systemTempBox, &form.locationsPanel.ownFolderBox}) {
    box->SetValue(1);
  }
  form.locationsPanel.ownFolderPathBox.SetText(kFolders[3]);
  form.schedulePanel.everyOption.Click();
  form.schedulePanel.daysBox.SetText(everyDays);
  form.schedulePanel.hoursBox.SetText("0");
  form.schedulePanel.minutesBox.SetText(everyMinutes);
  form.statusPanel.scheduleSwitch.SetCaption("Turn On");
  form.statusPanel.scheduleSwitch.Click();

  Day day;
  const bench::HeapCount start = bench::Heap();
  const auto began = std::chrono::steady_clock::now();
  for (int second = 1; second <= kSecondsPerDay; ++second) {
    if (second % 60 == 0) {
      for (const char* folder : kFolders) {
        for (int i = 0; i < kFilesPerFolder; ++i) fakes.files.AddFile(std::string(folder) + "\\" + std::to_string(i));
      }
      fakes.shell.recycleBins["C:\\"] = 3;
    }
    fakes.clock.Pass(1);
    const int queries = fakes.shell.queries;
    form.statusPanel.countdownTimer.Elapse();
    day.runs += fakes.shell.queries > queries;
    if (second % 3600 == 0) {
      day.deleted += fakes.files.deleted.size();
      ForgetWhatTheFakesRecorded(fakes);
      const long long live = static_cast<long long>(bench::Heap().liveBytes);
      if (second == 3600) day.firstHourBytes = live;
      day.lastHourBytes = live;
      if (live > day.largestBytes) day.largestBytes = live;
    }
  }
  day.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  day.allocations = bench::Heap().allocations - start.allocations;
  return day;
}

void Print(const char* name, const Day& day) {
  std::printf("%-26s %5d runs  %6zu entries deleted  %6.3f s\n", name, day.runs, day.deleted, day.seconds);
  std::printf(
      "%-26s live bytes after hour 1: %lld, after hour 24: %lld (%+lld), most at an hour's end: %lld; "
      "%.1f allocations/tick\n",
      "", day.firstHourBytes, day.lastHourBytes, day.lastHourBytes - day.firstHourBytes, day.largestBytes,
      static_cast<double>(day.allocations) / kSecondsPerDay);
}

}  // namespace

int main() {
  const Day everyMinute = RunADay("0", "1");
  const Day noRun = RunADay("365", "0");
  std::printf("one day of one-second ticks, every location chosen, %d fresh files a folder before each run\n",
              kFilesPerFolder);
  Print("schedule every minute", everyMinute);
  Print("baseline (no run all day)", noRun);
  std::printf("ratio every minute / baseline: %.2f x the time for the day\n", everyMinute.seconds / noRun.seconds);
  const bool flat = everyMinute.lastHourBytes == everyMinute.firstHourBytes;
  std::printf("memory %s\n", flat ? "flat" : "GROWS");
  return everyMinute.runs == 1440 && flat ? 0 : 1;
}
