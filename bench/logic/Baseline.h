#pragma once
// What the reading benchmarks share: a stopwatch, and the least any reading of a text does, which
// they are measured against: splitting it into lines.
#include <chrono>
#include <cstddef>
#include <string_view>

namespace vantrelle::bench {

template <class Work>
double Seconds(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline std::size_t CountLines(std::string_view text) {
  std::size_t lines = 0;
  for (; !text.empty(); ++lines) {
    const auto end = text.find('\n');
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

}  // namespace vantrelle::bench
