#pragma once
// Counts the heap of a benchmark program: allocations made and bytes live. Include it in exactly one
// file of the program: it replaces the global operator new and delete.
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace vantrelle::bench {

struct HeapCount {
  std::size_t allocations = 0;
  std::size_t liveBytes = 0;
  std::size_t peakBytes = 0;  // the most live at once since the last ResetPeak
};

// Atomic: a benchmark may allocate on several threads (a window's walk runs on a thread of its own).
struct HeapCounters {
  std::atomic<std::size_t> allocations{0};
  std::atomic<std::size_t> liveBytes{0};
  std::atomic<std::size_t> peakBytes{0};
};

inline HeapCounters& Counters() {
  static HeapCounters counters;
  return counters;
}

// The program's heap so far.
inline HeapCount Heap() {
  return {Counters().allocations.load(), Counters().liveBytes.load(), Counters().peakBytes.load()};
}
// The peak counts from what is live now.
inline void ResetPeak() { Counters().peakBytes = Counters().liveBytes.load(); }

}  // namespace vantrelle::bench

void* operator new(std::size_t size) {
  auto& heap = vantrelle::bench::Counters();
  ++heap.allocations;
  const std::size_t live = heap.liveBytes += size;
  for (std::size_t peak = heap.peakBytes; live > peak && !heap.peakBytes.compare_exchange_weak(peak, live);) {
  }
  auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::size_t) * 2));
  if (!block) throw std::bad_alloc();
  *block = size;
  return block + 2;  // keeps the 16-byte alignment of malloc
}
void operator delete(void* p) noexcept {
  if (!p) return;
  auto* block = static_cast<std::size_t*>(p) - 2;
  vantrelle::bench::Counters().liveBytes -= *block;
  std::free(block);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
