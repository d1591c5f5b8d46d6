#pragma once
// The delivery ledger: beside each archive, a durable record of who a run was to notify and
// what became of each message, so that after a crash, a kill or a power cut the organiser
// still knows who was reached. It names givers and states only, never receivers or texts.
//
// A text file of tab-separated lines, appended as the run goes and synced to disk: a delivery
// is on disk as in flight before its message goes out; outcomes are grouped and go to disk
// with the next in-flight record, or at the end of the run. A re-send of the drawing goes on
// in the same file, under the same rules, so the newest line about a giver is what happened.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mail/delivery.h"

namespace files {

inline constexpr const char* kLedgerExtension = ".ledger";

// The ledger beside an archive's list file (the same name, ".ledger").
std::filesystem::path LedgerPathFor(const std::filesystem::path& archive);

struct LedgerEntry {
  int giver_row = 0;
  std::string name;
  mail::DeliveryOutcome outcome;
};

// What a ledger holds when read back.
struct LedgerContents {
  std::vector<LedgerEntry> entries;
  bool finished = false;  // the run recorded its end; otherwise it was cut short
  int skipped_lines = 0;  // damaged lines passed over (a torn last line is not one of them)
};

// Reads a ledger. A delivery still in flight when the record ends is unconfirmed: its message
// may have gone out. An empty file is a run that never began. Nothing, with `error` set, when
// the file is missing, unreadable or not a ledger.
std::optional<LedgerContents> ReadLedger(const std::filesystem::path& path, std::string& error);

class LedgerWriter : public mail::DeliveryObserver {
 public:
  // Starts the ledger of a run at `path`: the empty file an archive claimed, or a new one.
  // An existing ledger with records is never overwritten. Nothing, with `error` set, when the
  // file cannot be written; the deliveries are on disk when this returns.
  static std::unique_ptr<LedgerWriter> Start(const std::filesystem::path& path,
                                             const mail::Deliveries& deliveries,
                                             std::string& error);
  // Goes on with the ledger of an earlier run, for a re-send of its drawing: each delivery
  // is matched with the earlier record of the same giver (row and name) or added to the
  // ledger; one recorded as accepted there keeps that record. A missing or empty ledger is
  // started. Nothing, with `error` set, when the ledger cannot be read or written.
  static std::unique_ptr<LedgerWriter> Continue(const std::filesystem::path& path,
                                                const mail::Deliveries& deliveries,
                                                std::string& error);
  ~LedgerWriter() override;

  void OnDeliveryState(std::size_t index, const mail::DeliveryOutcome& outcome) override;
  // Records the end of the run; a delivery still in flight is unconfirmed from here on.
  void Finish();

  const std::vector<LedgerEntry>& entries() const { return entries_; }
  // Set after the first failed write; the record on disk stops there.
  const std::string& error() const { return error_; }
  const std::filesystem::path& path() const { return path_; }

 private:
  LedgerWriter(std::filesystem::path path, int fd);
  void Append(const std::string& line);
  bool Flush();
  void AddDelivery(const mail::Delivery& delivery);

  std::filesystem::path path_;
  int fd_;
  std::string pending_;  // outcomes waiting for the next group commit
  std::vector<LedgerEntry> entries_;
  std::vector<long> line_index_;  // each delivery's index in the file; -1: not recorded
  long next_index_ = 0;
  std::string error_;
  bool finished_ = false;
};

// The state as the summary and the command line name it: "accepted", "refused", ...
const char* StateWord(mail::DeliveryState state);

// "Ann (refused: 550 no such user)", "Bo (unconfirmed)".
std::string DescribeEntry(const LedgerEntry& entry);

// The entries whose message was not accepted, in order: the people a re-send must reach.
std::vector<LedgerEntry> NotAccepted(const std::vector<LedgerEntry>& entries);

// The organiser's account of a run's missing people: who, and why for each; `resend_hint`
// adds how to reach them. Empty when everyone's message was accepted.
std::string NotNotifiedText(const std::vector<LedgerEntry>& entries, bool resend_hint);

}  // namespace files
