#pragma once
// Pairs of earlier drawings, to be avoided this time. People are matched by e-mail address
// (ignoring case), falling back to the name, so a reordered or changed roster still matches.

#include <string>
#include <utility>
#include <vector>

namespace roster {

struct Person {
  std::string name;
  std::string email;
};

// One earlier drawing: who gave to whom.
struct PastDrawing {
  std::string label;  // how the organiser knows it, e.g. the archive's date
  std::vector<std::pair<Person, Person>> pairs;
};

// The pairs of `past` as (giver, receiver) indices into `people`; pairs with somebody who is
// no longer in the roster are left out.
std::vector<std::pair<int, int>> MatchPastPairs(const std::vector<Person>& people,
                                                const PastDrawing& past);

}  // namespace roster
