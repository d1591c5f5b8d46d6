#pragma once
// The drawing's random source, behind a small interface so that tests can fix the seed and
// the program can seed it from the operating system.

#include <cstdint>

namespace roster {

class Random {
 public:
  virtual ~Random() = default;
  // 64 uniformly distributed bits.
  virtual std::uint64_t NextU64() = 0;
  // Stirs outside entropy (a clock reading) into the current state without restarting the
  // sequence, so two seeds taken within one clock tick still give different draws.
  virtual void Mix(std::uint64_t entropy) = 0;

  // Uniform in [0, bound); bound > 0. Unbiased (Lemire's multiply-and-reject). Virtual so
  // that a source can hand out chosen values, to follow every path a random process takes.
  virtual std::uint32_t Below(std::uint32_t bound);
  // Uniform in [0, 1).
  double NextUnit() { return static_cast<double>(NextU64() >> 11) * 0x1.0p-53; }
};

// xoshiro256** with SplitMix64 seeding: fast, small state, good statistical quality.
class Xoshiro256 final : public Random {
 public:
  explicit Xoshiro256(std::uint64_t seed);
  std::uint64_t NextU64() override;
  void Mix(std::uint64_t entropy) override;

 private:
  std::uint64_t s_[4];
};

// A seed from a clock reading (nanoseconds since the epoch, say).
std::uint64_t SeedFromTicks(std::int64_t ticks);

// 64 bits from the operating system's random source (getrandom, else std::random_device):
// whoever knows when the drawing was made cannot work out who draws whom.
std::uint64_t SeedFromSystem();

}  // namespace roster
