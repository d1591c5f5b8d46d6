#pragma once
// One run's deliveries with the two facts of the roster its texts still name: whether it
// re-sends a past drawing, and how many participants the roster holds.

#include <cstddef>
#include <stdexcept>
#include <string>

#include "mail/delivery.h"

namespace mail {

struct DeliveryRun {
  Deliveries deliveries;
  bool resend = false;   // re-send texts, and the New command once the run is over
  int participants = 0;  // the roster's size, the "of m" of the progress text
};

// Thrown by the side that builds a run's list when the roster cannot give one; says which
// kind of run it was, since a failed re-send still ends re-send mode.
class DeliveryListError : public std::runtime_error {
 public:
  DeliveryListError(const std::string& what, bool resend)
      : std::runtime_error(what), resend(resend) {}
  bool resend;
};

}  // namespace mail
