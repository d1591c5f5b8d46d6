#pragma once
// What became of each message of one run: kept in memory for the run's own summary and,
// when the run has an archive, in the archive's ledger on disk as it happens.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "files/ledger.h"
#include "mail/delivery.h"

namespace files {

class RunRecord : public mail::DeliveryObserver {
 public:
  // The ledger to keep for the next run (beside its archive); none for a free-form message.
  void KeepLedgerAt(std::filesystem::path path) {
    ledger_path_ = std::move(path);
    continued_ = false;
  }
  // For a re-send, or the notifications of a change: the next run goes on in the ledger of
  // the archive it sends from, as it goes.
  void ContinueLedgerAt(std::filesystem::path path) {
    ledger_path_ = std::move(path);
    continued_ = true;
  }
  // The run's deliveries, fixed as it starts. Returns the ledger's error, empty when the
  // ledger is kept (or none was asked for); the run goes on either way.
  std::string Begin(const mail::Deliveries& deliveries);
  void OnDeliveryState(std::size_t index, const mail::DeliveryOutcome& outcome) override;
  // The run is over: nothing stays in flight.
  void Finish();

  bool begun() const { return begun_; }
  const std::vector<LedgerEntry>& entries() const { return entries_; }
  // The ledger on disk, when one is kept.
  bool has_ledger() const { return writer_ != nullptr; }

 private:
  std::filesystem::path ledger_path_;
  bool continued_ = false;
  std::unique_ptr<LedgerWriter> writer_;
  std::vector<LedgerEntry> entries_;
  bool begun_ = false;
};

}  // namespace files
