#pragma once
// One run's deliveries with the two facts of the roster its texts still name: whether it
// re-sends a past drawing, and how many participants the roster holds.

#include <cstddef>
#include <stdexcept>
#include <string>

#include "core/tr.h"
#include "mail/delivery.h"

namespace mail {

struct DeliveryRun {
  Deliveries deliveries;
  bool resend = false;       // re-send texts, and the New command once the run is over
  int participants = 0;      // the roster's size, the "of m" of the progress text
  std::string test_address;  // where every message went in Test Mode; empty otherwise
};

// The summary names the givers; in Test Mode none of them got anything, so it says where
// the messages really went.
inline std::string TestModeNote(const DeliveryRun& run) {
  if (run.test_address.empty()) return {};
  return core::Arg(
      core::Tr("Delivery", "\nTest Mode: every message went to %1, not to the participants."),
      {run.test_address});
}

// Thrown by the side that builds a run's list when the roster cannot give one; says which
// kind of run it was, since a failed re-send still ends re-send mode.
class DeliveryListError : public std::runtime_error {
 public:
  DeliveryListError(const std::string& what, bool resend)
      : std::runtime_error(what), resend(resend) {}
  bool resend;
};

}  // namespace mail
