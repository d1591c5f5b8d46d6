#pragma once
// Timing helpers shared by the benchmark programs.

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace bench {

inline double Millis(const std::function<void()>& fn) {
  const auto t0 = std::chrono::steady_clock::now();
  fn();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

inline double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Median wall time of `runs` calls, in milliseconds.
inline double MedianMs(const std::function<void()>& fn, int runs = 5) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(Millis(fn));
  return Median(std::move(times));
}

// The exclusion list of participant i of n in the large benchmark rosters: up to five
// neighbours, as households and last year's pairs would give.
inline std::string NeighbourExclusions(int i, int n) {
  std::string list;
  for (int d : {-2, -1, 1, 2, 7}) {
    const int other = i + d;
    if (other < 1 || other > n) continue;
    if (!list.empty()) list += ',';
    list += std::to_string(other);
  }
  return list;
}

}  // namespace bench
