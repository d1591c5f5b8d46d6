#include "drawing/walk_distance.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <vector>

#include "drawing/sampling.h"

namespace roster {

namespace {

constexpr double kMixed = 0.01;

// Hands out prescribed values of Below(): each 64-bit word is chosen so that Lemire's
// multiply lands in the middle of the wanted value's range and is never rejected.
class ScriptedRandom final : public Random {
 public:
  void Expect(std::uint32_t value, std::uint32_t bound) { script_.push_back({value, bound}); }
  std::uint64_t NextU64() override {
    if (next_ >= script_.size()) {
      overrun_ = true;
      return 0;
    }
    const auto [value, bound] = script_[next_++];
    const std::uint64_t high = ((2 * static_cast<std::uint64_t>(value) + 1) << 32) / (2 * bound);
    return high << 32;
  }
  void Mix(std::uint64_t) override {}
  // Every prescribed value was drawn, and no other.
  bool Matched() const { return !overrun_ && next_ == script_.size(); }
  // How likely a fair source is to give these values, up to a factor common to the walk's
  // proposals (values the walk draws again when they repeat leave such a factor).
  double Likelihood() const {
    double p = 1;
    for (const auto& [value, bound] : script_) p /= bound;
    return p;
  }

 private:
  std::vector<std::pair<std::uint32_t, std::uint32_t>> script_;
  std::size_t next_ = 0;
  bool overrun_ = false;
};

// The walk's proposals as the values it draws, in the order it draws them: three distinct
// givers and "rotate or swap" for assignments of any cycles; for single loops the stretch's
// first person and length, "turn round or move", and where a moved stretch goes.
std::vector<ScriptedRandom> Proposals(int n, bool single_loop) {
  std::vector<ScriptedRandom> all;
  const auto un = static_cast<std::uint32_t>(n);
  if (single_loop) {
    const auto longest = static_cast<std::uint32_t>(LoopStretchLimit(n));
    for (std::uint32_t x = 0; x < un; ++x)
      for (std::uint32_t length = 0; length < longest; ++length)
        for (std::uint32_t a = 0; a <= un; ++a) {
          // The stretch turned round (a == n stands for it), or moved after a.
          all.emplace_back();
          all.back().Expect(x, un);
          all.back().Expect(length, longest);
          all.back().Expect(a == un ? 1 : 0, 2);
          if (a < un) all.back().Expect(a, un);
        }
    return all;
  }
  for (std::uint32_t a = 0; a < un; ++a)
    for (std::uint32_t b = 0; b < un; ++b)
      for (std::uint32_t c = 0; c < un; ++c) {
        if (a == b || b == c || a == c) continue;
        for (std::uint32_t rotate = 0; rotate < 2; ++rotate) {
          all.emplace_back();
          all.back().Expect(a, un);
          all.back().Expect(b, un);
          all.back().Expect(c, un);
          all.back().Expect(rotate, 2);
        }
      }
  return all;
}

using Matrix = std::vector<double>;  // k x k, row-major

Matrix Multiply(const Matrix& a, const Matrix& b, std::size_t k) {
  Matrix c(k * k, 0.0);
  for (std::size_t i = 0; i < k; ++i)
    for (std::size_t m = 0; m < k; ++m) {
      const double f = a[i * k + m];
      if (f == 0) continue;
      const double* row = &b[m * k];
      double* out = &c[i * k];
      for (std::size_t j = 0; j < k; ++j) out[j] += f * row[j];
    }
  return c;
}

// The largest distance from uniform over the starting assignments (the rows).
double WorstDistance(const Matrix& m, std::size_t k) {
  double worst = 0;
  for (std::size_t i = 0; i < k; ++i) {
    double sum = 0;
    for (std::size_t j = 0; j < k; ++j) sum += std::abs(m[i * k + j] - 1.0 / k);
    worst = std::max(worst, sum / 2);
  }
  return worst;
}

}  // namespace

std::optional<WalkDistance> MeasureWalkDistance(const ExclusionGraph& graph, const DrawRules& rules,
                                                std::string& error, const DrawOptions& options,
                                                std::size_t max_assignments) {
  const int n = graph.size();
  if (n > 9) {
    error = "more than 9 participants";
    return std::nullopt;
  }
  std::map<std::vector<int>, std::size_t> index;
  std::vector<int> p(static_cast<std::size_t>(n));
  std::iota(p.begin(), p.end(), 0);
  do {
    if (IsValidAssignment(graph, p, rules)) {
      index.emplace(p, index.size());
      if (index.size() > max_assignments) {
        error = "more than " + std::to_string(max_assignments) + " valid assignments";
        return std::nullopt;
      }
    }
  } while (std::next_permutation(p.begin(), p.end()));
  const std::size_t k = index.size();
  if (k == 0) {
    error = "no valid assignment";
    return std::nullopt;
  }

  // One step of the walk from every assignment under every proposal, each equally likely.
  Matrix step(k * k, 0.0);
  if (n < 3) {
    for (std::size_t i = 0; i < k; ++i) step[i * k + i] = 1;  // the walk stands still
  } else {
    const std::vector<ScriptedRandom> proposals = Proposals(n, rules.single_loop);
    double total = 0;
    for (const ScriptedRandom& proposal : proposals) total += proposal.Likelihood();
    for (const auto& [from, i] : index)
      for (ScriptedRandom proposal : proposals) {
        const double weight = proposal.Likelihood() / total;
        std::vector<int> to = from;
        WalkValidAssignments(graph, rules, proposal, 1, to);
        const auto found = index.find(to);
        if (!proposal.Matched() || found == index.end()) {
          error = !proposal.Matched() ? "the walk drew other random values than its proposals"
                                      : "the walk left the valid assignments";
          return std::nullopt;
        }
        step[i * k + found->second] += weight;
      }
  }

  WalkDistance result;
  result.assignments = k;
  result.steps = WalkLength(n, options);
  result.symmetric = true;
  for (std::size_t i = 0; i < k; ++i)
    for (std::size_t j = 0; j < i; ++j)
      result.symmetric &= std::abs(step[i * k + j] - step[j * k + i]) < 1e-12;

  // The distance after `steps`, by repeated squaring; on the way, powers of two of the step
  // bracket the mixing time, which a binary search over the same powers then pins down.
  std::vector<Matrix> powers = {step};  // powers[e] = step^(2^e)
  Matrix at_steps;
  for (std::int64_t rest = result.steps, e = 0; rest > 0; rest >>= 1, ++e) {
    if (e > 0) powers.push_back(Multiply(powers.back(), powers.back(), k));
    if (rest & 1) at_steps = at_steps.empty() ? powers[e] : Multiply(at_steps, powers[e], k);
  }
  result.distance = WorstDistance(at_steps, k);

  if (WorstDistance(step, k) <= kMixed) {
    result.mixing_steps = 1;
    return result;
  }
  std::size_t top = 0;  // the first power of two at which the walk is mixed
  while (WorstDistance(powers[top], k) > kMixed) {
    if (++top == 48) return result;  // not within 2^47 steps: it never mixes
    if (top == powers.size()) powers.push_back(Multiply(powers.back(), powers.back(), k));
  }
  // Largest t below 2^top that is not yet mixed, bit by bit from 2^(top-1).
  Matrix unmixed = powers[top - 1];
  std::int64_t t = std::int64_t{1} << (top - 1);
  for (std::size_t e = top - 1; e-- > 0;) {
    Matrix longer = Multiply(unmixed, powers[e], k);
    if (WorstDistance(longer, k) > kMixed) {
      unmixed = std::move(longer);
      t += std::int64_t{1} << e;
    }
  }
  result.mixing_steps = t + 1;
  return result;
}

}  // namespace roster
