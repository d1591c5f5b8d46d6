#include "core/random.h"

#include <random>

#if __has_include(<sys/random.h>)
#include <sys/random.h>
#define HM_HAVE_GETRANDOM 1
#endif

namespace roster {

namespace {

std::uint64_t SplitMix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

std::uint32_t Random::Below(std::uint32_t bound) {
  std::uint64_t m = static_cast<std::uint64_t>(static_cast<std::uint32_t>(NextU64() >> 32)) * bound;
  auto low = static_cast<std::uint32_t>(m);
  if (low < bound) {
    const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
    while (low < threshold) {
      m = static_cast<std::uint64_t>(static_cast<std::uint32_t>(NextU64() >> 32)) * bound;
      low = static_cast<std::uint32_t>(m);
    }
  }
  return static_cast<std::uint32_t>(m >> 32);
}

Xoshiro256::Xoshiro256(std::uint64_t seed) {
  for (auto& word : s_) word = SplitMix64(seed);
}

std::uint64_t Xoshiro256::NextU64() {
  const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 45);
  return result;
}

void Xoshiro256::Mix(std::uint64_t entropy) {
  for (auto& word : s_) word ^= SplitMix64(entropy);
  if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0) s_[0] = 1;  // the all-zero state is a fixed point
  NextU64();
}

std::uint64_t SeedFromSystem() {
  std::uint64_t seed = 0;
#ifdef HM_HAVE_GETRANDOM
  if (::getrandom(&seed, sizeof seed, 0) == static_cast<ssize_t>(sizeof seed)) return seed;
#endif
  std::random_device device;
  seed = (static_cast<std::uint64_t>(device()) << 32) ^ device();
  return seed;
}

std::uint64_t SeedFromTicks(std::int64_t ticks) {
  auto x = static_cast<std::uint64_t>(ticks);
  return SplitMix64(x);
}

}  // namespace roster
