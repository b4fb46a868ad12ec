// Timing shared by the benchmark programs.
#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>

namespace vensa::bench {

// Best wall time of `runs` calls, in seconds; `cpu` (if given) receives the best processor
// time, which tells the work apart from waiting on a busy machine.
inline double BestOf(int runs, const std::function<void()>& run, double* cpu = nullptr) {
  using Clock = std::chrono::steady_clock;
  double best = 1e300;
  double bestCpu = 1e300;
  for (int i = 0; i < runs; ++i) {
    const std::clock_t cpuStart = std::clock();
    const auto start = Clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    bestCpu = std::min(bestCpu, static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
  }
  if (cpu != nullptr) *cpu = bestCpu;
  return best;
}

}  // namespace vensa::bench
