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

// Hands out every sequence of values of Below() in turn, depth first, so that one step of
// the walk is taken once along each path its random draws can take. A path's probability is
// the product of 1/bound over its draws; the walk never retries a draw, so the paths are
// finite and their probabilities add up to one.
class BranchingRandom final : public Random {
 public:
  std::uint32_t Below(std::uint32_t bound) override {
    if (depth_ == path_.size()) path_.push_back({0, bound});
    if (path_[depth_].bound != bound) inconsistent_ = true;
    return path_[depth_++].value;
  }
  std::uint64_t NextU64() override {
    inconsistent_ = true;  // raw bits cannot be followed path by path
    return 0;
  }
  void Mix(std::uint64_t) override {}

  double Probability() const {
    double p = 1;
    for (std::size_t i = 0; i < depth_; ++i) p /= path_[i].bound;
    return p;
  }
  // Moves on to the next path; false after the last.
  bool Next() {
    path_.resize(depth_);
    depth_ = 0;
    while (!path_.empty() && path_.back().value + 1 == path_.back().bound) path_.pop_back();
    if (path_.empty()) return false;
    ++path_.back().value;
    return true;
  }
  // The walk drew raw bits, or different bounds after the same values.
  bool Inconsistent() const { return inconsistent_; }

 private:
  struct Draw {
    std::uint32_t value, bound;
  };
  std::vector<Draw> path_;
  std::size_t depth_ = 0;
  bool inconsistent_ = false;
};

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

  // One step of the walk from every assignment along every path of its random draws.
  Matrix step(k * k, 0.0);
  for (const auto& [from, i] : index) {
    BranchingRandom random;
    do {
      std::vector<int> to = from;
      WalkValidAssignments(graph, rules, random, 1, to);
      const auto found = index.find(to);
      if (random.Inconsistent() || found == index.end()) {
        error = random.Inconsistent() ? "the walk's random draws could not be followed"
                                      : "the walk left the valid assignments";
        return std::nullopt;
      }
      step[i * k + found->second] += random.Probability();
    } while (random.Next());
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
