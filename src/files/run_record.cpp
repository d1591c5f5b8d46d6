#include "files/run_record.h"

namespace files {

std::string RunRecord::Begin(const mail::Deliveries& deliveries) {
  begun_ = true;
  entries_.clear();
  for (const mail::Delivery& d : deliveries) entries_.push_back({d.giver_row, d.name, {}});
  writer_.reset();
  if (ledger_path_.empty()) return {};
  std::string error;
  writer_ = continued_ ? LedgerWriter::Continue(ledger_path_, deliveries, error)
                       : LedgerWriter::Start(ledger_path_, deliveries, error);
  return error;
}

void RunRecord::OnDeliveryState(std::size_t index, const mail::DeliveryOutcome& outcome) {
  if (index >= entries_.size()) return;
  entries_[index].outcome = outcome;
  if (writer_) writer_->OnDeliveryState(index, outcome);
}

void RunRecord::Finish() {
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].outcome.state == mail::DeliveryState::kInFlight)
      OnDeliveryState(i, {mail::DeliveryState::kUnconfirmed, {}});
  if (writer_) writer_->Finish();
}

}  // namespace files
