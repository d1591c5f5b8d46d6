#pragma once
// What a run sends, fixed when the run starts, and what became of each message. The roster
// side builds the list; both senders (SMTP and the system mailer) work through it and never
// read the grid, and the ledger, the summary and re-sends are made from the outcomes.

#include <string>
#include <vector>

namespace mail {

struct Delivery {
  int giver_row = 0;    // the giver's roster row: marks, re-send and the "not notified" list
  std::string name;     // the giver's name as the roster shows it
  std::string address;  // where the message goes (the test address in Test Mode)
  std::string subject;
  std::string text;     // the message body, complete
};

enum class DeliveryState {
  kNotAttempted,  // the run ended (or was cancelled) before this message went out
  kInFlight,      // handed over; no answer yet. Never an end state of a finished run
  kAccepted,      // the server's 250 after the message, or the mailer's exit status 0
  kRefused,       // the server or the mailer said no; `reply` says what it said
  kUnconfirmed,   // sent, but the connection ended before the answer came
};

struct DeliveryOutcome {
  DeliveryState state = DeliveryState::kNotAttempted;
  std::string reply;  // the server's reply or the mailer's error, for refusals
};

// Told of every change of state, in order, so a ledger can record it before the next
// message goes out.
class DeliveryObserver {
 public:
  virtual ~DeliveryObserver() = default;
  virtual void OnDeliveryState(std::size_t index, const DeliveryOutcome& outcome) = 0;
};

using Deliveries = std::vector<Delivery>;

}  // namespace mail
