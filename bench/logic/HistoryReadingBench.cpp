// The history log at its limit (1 MiB of runs as the program writes them) read into runs, days and
// the chart's words, against the least any reading does: splitting the same text into lines. Both
// in turns, each first as often as the other. Not a test: prints the figures and their ratio, and
// fails when the log was not read whole or took 200 ms or more.
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "cleaning/HistoryReading.h"
#include "cleaning/RunHistory.h"
#include "platform/fake/FakeLocale.h"

namespace {

using namespace vantrelle;

constexpr int kRounds = 10;

// Runs on every day of a season, each with a few locations and some entries left, up to the limit.
std::string FullLog(const Locale& locale) {
  std::string log;
  for (int i = 0; log.size() < cleaning::kHistoryLimit - 4096; ++i) {
    cleaning::RunResult run;
    run.choices = {.windowsTemp = true, .userTemp = true, .ownFolder = true, .ownFolderPath = "C:\\Work"};
    run.choices.trigger = static_cast<cleaning::Trigger>(i % 4);
    run.started = {2026, 9 + i / 240 % 3, 1 + i / 8 % 28, i % 24, 5, 3};
    for (int l = 0; l < 7; ++l)
      run.locations.push_back({static_cast<cleaning::Location>(l), cleaning::Outcome::NotChosen, {}});
    for (auto l : {cleaning::Location::WindowsTemp, cleaning::Location::UserTemp, cleaning::Location::OwnFolder}) {
      auto& location = run.locations[static_cast<int>(l)];
      location.outcome = cleaning::Outcome::Emptied;
      location.tally.filesDeleted = 1000u + static_cast<unsigned>(i);
      location.tally.foldersRemoved = 3;
      location.tally.bytesFreed = 1'234'567ull * static_cast<unsigned>(i % 50 + 1);
      for (int k = 0; k < i % 5; ++k)
        location.tally.left.push_back({"C:\\Work\\held" + std::to_string(k), cleaning::LeftReason::InUse});
    }
    log = cleaning::AppendToHistory(log, cleaning::HistoryBlock(locale, run));
  }
  return log;
}

template <class Work>
double Seconds(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  fake::FakeLocale locale;
  const std::string log = FullLog(locale);
  double seconds[2] = {}, slowest = 0;
  std::size_t runs = 0, unread = 1, lines = 0;
  std::string words;
  for (int round = 0; round < kRounds; ++round) {
    for (int i = 0; i < 2; ++i) {
      if ((round + i) % 2 == 0) {
        const double taken = Seconds([&] {
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
        seconds[1] += Seconds([&] {
          lines = 0;
          for (std::string_view rest = log; !rest.empty(); ++lines) {
            const auto end = rest.find('\n');
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
          }
        });
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
