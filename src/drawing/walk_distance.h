#pragma once
// How close the random walk comes to uniform, computed exactly on a roster small enough to
// list every valid assignment: the walk's own step is taken along every path its random
// draws can take, which gives its transition matrix, and the matrix's powers give the distance from
// uniform after any number of steps, from the worst possible start. No sampling noise.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "drawing/draw_engine.h"

namespace roster {

struct WalkDistance {
  std::size_t assignments = 0;  // valid assignments under the rules
  // Every move is as likely as its reverse, so the walk's long-run law is uniform.
  bool symmetric = false;
  std::int64_t steps = 0;  // the walk's length in a drawing of this size
  // Total variation distance from uniform after `steps`, from the worst start.
  double distance = 1;
  // Fewest steps after which that distance is at most 0.01; -1 when it never gets there
  // (some valid assignments cannot be reached from others).
  std::int64_t mixing_steps = -1;
};

// Nothing, with `error` set, when the roster has more than 9 participants, more than
// `max_assignments` valid ones (the matrix is dense), or none.
std::optional<WalkDistance> MeasureWalkDistance(const ExclusionGraph& graph, const DrawRules& rules,
                                                std::string& error, const DrawOptions& options = {},
                                                std::size_t max_assignments = 1000);

}  // namespace roster
