#pragma once
// Time and randomness as replaceable objects, so tests are repeatable.

#include <chrono>
#include <cstdint>
#include <ctime>

namespace roster {

class Clock {
 public:
  virtual ~Clock() = default;
  // Wall-clock time (for date-time names, mail Date headers, seeding).
  virtual std::chrono::system_clock::time_point Now() const = 0;
  // Local calendar time of Now().
  std::tm LocalNow() const {
    std::time_t t = std::chrono::system_clock::to_time_t(Now());
    std::tm out{};
#ifdef _WIN32
    localtime_s(&out, &t);  // the thread-safe form there, arguments swapped
#else
    localtime_r(&t, &out);
#endif
    return out;
  }
};

class SystemClock : public Clock {
 public:
  std::chrono::system_clock::time_point Now() const override {
    return std::chrono::system_clock::now();
  }
};

// A fixed or hand-advanced clock for tests.
class ManualClock : public Clock {
 public:
  explicit ManualClock(std::chrono::system_clock::time_point t = {}) : now_(t) {}
  std::chrono::system_clock::time_point Now() const override { return now_; }
  void Set(std::chrono::system_clock::time_point t) { now_ = t; }
  void Advance(std::chrono::milliseconds d) { now_ += d; }

 private:
  std::chrono::system_clock::time_point now_;
};

}  // namespace roster
