// Ticks per second of the countdown outside a run, against a bare loop doing the least a tick must
// (one yield, one count, two progress-bar settings, one caption), on the same fakes and the same
// moving clock.
// Also counts heap allocations, to show a tick holds on to nothing.
#include <chrono>
#include <cstdio>

#include "HeapCount.h"
#include "base/Calendar.h"
#include "platform/fake/FakePlatform.h"
#include "window/MainForm.h"

namespace {

using namespace vantrelle;

constexpr int kTicks = 2'000'000;

struct Result {
  double seconds;
  std::size_t allocations;
  long long liveBytesGrowth;
};

template <class Body>
Result Measure(Body&& body) {
  const bench::HeapCount before = bench::Heap();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kTicks; ++i) body(i);
  const auto end = std::chrono::steady_clock::now();
  return {std::chrono::duration<double>(end - start).count(), bench::Heap().allocations - before.allocations,
          static_cast<long long>(bench::Heap().liveBytes) - static_cast<long long>(before.liveBytes)};
}

void Print(const char* name, const Result& r) {
  std::printf("%-28s %12.0f ticks/s  %6.1f ns/tick  %5.2f allocations/tick  live bytes %+lld\n", name,
              kTicks / r.seconds, r.seconds * 1e9 / kTicks, static_cast<double>(r.allocations) / kTicks,
              r.liveBytesGrowth);
}

}  // namespace

int main() {
  const std::int64_t start = calendar::ToSeconds({2026, 12, 7, 10, 0, 0});

  fake::FakePlatform fakes;
  fakes.clock.now = calendar::FromSeconds(start);
  MainForm form(fakes.platform);
  form.schedulePanel.daysBox.SetText("24855");  // the longest interval: no run during the measurement
  form.statusPanel.scheduleSwitch.Click();
  const Result tick = Measure([&](int) {
    fakes.clock.Pass(1);
    form.statusPanel.countdownTimer.Elapse();
  });

  fake::FakePlatform bareFakes;
  MainForm bare(bareFakes.platform);
  std::int32_t count = 0;
  char caption[64];
  const Result baseline = Measure([&](int) {
    bareFakes.clock.Pass(1);
    bareFakes.events.DoEvents();
    ++count;
    bare.statusPanel.countdownBar.SetMax(2147472000);
    bare.statusPanel.countdownBar.SetValue(count);
    std::snprintf(caption, sizeof caption, "On. Next switch will occur in: %d", 2147472000 - count);
    bare.statusPanel.statusFrame.SetCaption(caption);
  });

  std::printf("%d ticks, schedule every 24855 days\n", kTicks);
  Print("CountdownTicked", tick);
  Print("baseline (bare tick work)", baseline);
  std::printf("ratio CountdownTicked / baseline: %.2f x the time per tick\n", tick.seconds / baseline.seconds);
  std::printf("final status: %s\n", form.statusPanel.statusFrame.Caption().c_str());
  return form.Countdown().Elapsed() == kTicks ? 0 : 1;
}
