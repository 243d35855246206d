// The history log at its limit (1 MiB of runs as the program writes them) read into runs, days and
// the chart's words, against the least any reading does: splitting the same text into lines. Both
// in turns, each first as often as the other. Not a test: prints the figures and their ratio, and
// fails when the log was not read whole or took 200 ms or more.
#include <cstdio>
#include <string>
#include <string_view>

#include "Baseline.h"
#include "FullHistoryLog.h"
#include "cleaning/HistoryReading.h"
#include "cleaning/RunHistory.h"
#include "platform/fake/FakeLocale.h"

namespace {

using namespace vantrelle;

constexpr int kRounds = 10;

}  // namespace

int main() {
  fake::FakeLocale locale;
  const std::string log = bench::FullHistoryLog(locale);
  double seconds[2] = {}, slowest = 0;
  std::size_t runs = 0, unread = 1, lines = 0;
  std::string words;
  for (int round = 0; round < kRounds; ++round) {
    for (int i = 0; i < 2; ++i) {
      if ((round + i) % 2 == 0) {
        const double taken = bench::Seconds([&] {
          const auto read = cleaning::ReadHistoryText(log);
          const LocalTime today{2026, 11, 28, 23, 0, 0};
          const auto days = cleaning::FreedPerDay(read.runs, today);
          words = cleaning::FreedPerDayText(locale, read.runs, today);
          runs = read.runs.size() + (days.size() == 90 ? 0 : 1'000'000'000);
          unread = read.unreadLines;
        });
        seconds[0] += taken;
        slowest = std::max(slowest, taken);
      } else {
        seconds[1] += bench::Seconds([&] { lines = bench::CountLines(log); });
      }
    }
  }
  std::printf("history.log of %zu bytes, %zu lines, %zu runs; %d rounds, each contender first in turn\n", log.size(),
              lines, runs, kRounds);
  std::printf("%-34s %8.2f ms a reading (slowest %.2f ms)\n", "read into runs, days and words",
              seconds[0] * 1e3 / kRounds, slowest * 1e3);
  std::printf("%-34s %8.2f ms a reading\n", "baseline (lines split only)", seconds[1] * 1e3 / kRounds);
  std::printf("ratio read / baseline: %.2f x\n", seconds[0] / seconds[1]);
  std::printf("the chart's words: %s\n", words.c_str());
  if (unread != 0 || runs == 0 || runs > 100'000) {
    std::fprintf(stderr, "the log was not read whole: %zu runs, %zu lines unread\n", runs, unread);
    return 1;
  }
  return slowest < 0.2 ? 0 : 1;
}
