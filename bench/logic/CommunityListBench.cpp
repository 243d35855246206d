// The community's list read into entries, from the file named as the argument (the current
// winapp2.ini) or from a made-up one of the same shape, against the least any reading does: splitting
// the same text into lines. Both in turns, each first as often as the other. Prints the times, the heap
// per byte of file (kept, and at the peak while reading), and what was read, refused by reason and not
// understood; fails when reading took 100 ms or more, the heap 3 bytes a byte or more, or no entry was
// read.
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Baseline.h"
#include "CommunityListShape.h"
#include "HeapCount.h"
#include "community/EntryTexts.h"
#include "community/List.h"
#include "platform/fake/FakeLocale.h"

namespace {

using namespace vantrelle;

constexpr int kRounds = 10;

void PrintCounts(const community::List& list) {
  fake::FakeLocale locale;
  std::size_t rules = 0, exclusions = 0, registryDetects = 0, fileDetects = 0, registryEntries = 0, refused = 0;
  // Kept in vectors: GCC takes the replaced operator new of a map's nodes for a mismatch.
  std::vector<std::pair<std::string, std::size_t>> byReason, problems;
  const auto count = [](std::vector<std::pair<std::string, std::size_t>>& counts, std::string key) {
    for (auto& [known, n] : counts) {
      if (known == key) return void(++n);
    }
    counts.emplace_back(std::move(key), 1);
  };
  for (const community::Entry& entry : list.Entries()) {
    rules += list.FileRules(entry).size();
    exclusions += list.Exclusions(entry).size();
    registryDetects += list.RegistryDetects(entry).size();
    fileDetects += list.FileDetects(entry).size();
    registryEntries += entry.hasRegistryKeys ? 1 : 0;
    for (const community::RefusedKey& key : list.Refused(entry)) {
      ++refused;
      const std::string_view name = key.key.substr(0, key.key.find_first_of("0123456789"));
      count(byReason, community::ReasonText(locale, key.reason) + " (" + std::string(name) + ")");
    }
  }
  for (const community::Problem& problem : list.Problems())
    count(problems, community::ReasonText(locale, problem.reason));
  std::printf("version %s: %zu entries, %zu offered\n", std::string(list.Version()).c_str(), list.Entries().size(),
              list.OfferedCount());
  std::printf(
      "keys used: %zu file rules, %zu exclusions, %zu Detect, %zu DetectFile; %zu entries with registry "
      "rules (never cleaned)\n",
      rules, exclusions, registryDetects, fileDetects, registryEntries);
  std::printf("keys refused or not understood: %zu\n", refused);
  for (const auto& [reason, n] : byReason) std::printf("  %6zu  %s\n", n, reason.c_str());
  std::printf("entries and lines with a problem:\n");
  for (const auto& [reason, n] : problems) std::printf("  %6zu  %s\n", n, reason.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string text = argc > 1 ? bench::FileText(argv[1]) : bench::GeneratedCommunityList();
  double seconds[2] = {}, slowest = 0;
  std::size_t entries = 0, lines = 0, kept = 0, peak = 0;
  for (int round = 0; round < kRounds; ++round) {
    for (int i = 0; i < 2; ++i) {
      if ((round + i) % 2 == 0) {
        const std::size_t before = bench::Heap().liveBytes;
        std::string copy = text;
        bench::ResetPeak();
        const double taken = bench::Seconds([&] {
          const community::List list = community::ReadList(std::move(copy));
          entries = list.Entries().size();
          kept = bench::Heap().liveBytes - before;
          if (round == 0 && i == 0) PrintCounts(list);
        });
        peak = bench::Heap().peakBytes - before;
        if (round > 0 || i > 0) {
          seconds[0] += taken;
          slowest = std::max(slowest, taken);
        }
      } else {
        seconds[1] += bench::Seconds([&] { lines = bench::CountLines(text); });
      }
    }
  }
  const double reads = kRounds - 1;  // the first reading, which also printed the counts, is left out
  std::printf("%s of %zu bytes, %zu lines; %d rounds, each contender first in turn\n",
              argc > 1 ? argv[1] : "a made-up list", text.size(), lines, kRounds);
  std::printf("%-34s %8.2f ms a reading (slowest %.2f ms)\n", "read into entries", seconds[0] * 1e3 / reads,
              slowest * 1e3);
  std::printf("%-34s %8.2f ms a reading\n", "baseline (lines split only)", seconds[1] * 1e3 / kRounds);
  std::printf("ratio read / baseline: %.2f x\n", (seconds[0] / reads) / (seconds[1] / kRounds));
  const double keptPerByte = static_cast<double>(kept) / static_cast<double>(text.size());
  const double peakPerByte = static_cast<double>(peak) / static_cast<double>(text.size());
  std::printf("heap per byte of file: %.2f kept (the text included), %.2f at the peak while reading\n", keptPerByte,
              peakPerByte);
  if (entries == 0) {
    std::fprintf(stderr, "no entry was read\n");
    return 1;
  }
  return slowest < 0.1 && peakPerByte < 3 ? 0 : 1;
}
