#pragma once
// One run of the window's senders as the organiser follows it: the window's commands are off
// meanwhile, a progress dialog counts the messages and offers Cancel, and the archive's
// ledger records each message as it goes.

#include <QObject>
#include <filesystem>
#include <functional>
#include <vector>

#include "files/run_record.h"
#include "mail/delivery.h"
#include "roster/roster.h"
#include "ui/run_progress.h"

namespace ui {

class MainWindow;

class WindowRun : public QObject, public mail::DeliveryObserver {
 public:
  explicit WindowRun(MainWindow& w);

  // The ledger for the next run, beside the archive just written.
  void KeepLedgerAt(const std::filesystem::path& ledger) { record_.KeepLedgerAt(ledger); }
  // For a re-send: the next run goes on in the ledger of the archive it sends from.
  void ContinueLedgerAt(const std::filesystem::path& ledger) { record_.ContinueLedgerAt(ledger); }
  // The archive the roster was opened from for re-sending; a re-send run records in its
  // ledger who it reached.
  void SetResendSource(std::filesystem::path archive) { resend_source_ = std::move(archive); }
  const std::filesystem::path& ResendSource() const { return resend_source_; }
  // A run to these roster rows begins; `progress` shows the dialog, for a sender that tells
  // each message as it goes out; `drawing` for the drawing's notifications.
  void Begin(const std::vector<int>& rows, bool progress, bool drawing = false);
  void OnDeliveryState(std::size_t index, const mail::DeliveryOutcome& outcome) override;
  // The run is over; names who was not reached, and why, from the run's record.
  void End();

  bool Active() const { return active_; }
  // What else a stop asks of the senders (the SMTP session's own stop).
  void SetStopHook(std::function<void()> hook) { stop_hook_ = std::move(hook); }
  // How many of the run's messages have gone out, or been tried: the next one's index.
  std::size_t Started() const;
  // The organiser pressed Cancel: the message in flight finishes, no further one starts.
  bool StopRequested() const { return stop_requested_; }
  const files::RunRecord& record() const { return record_; }
  RunProgress& progress() { return progress_; }

 private:
  MainWindow& w_;
  files::RunRecord record_;
  std::filesystem::path resend_source_;
  RunProgress progress_;
  bool active_ = false;
  bool stop_requested_ = false;
  std::function<void()> stop_hook_;
};

// The window's run, made on first use.
WindowRun& WindowRunOf(MainWindow& w);

// The rows a drawing run sends to: every row, or in re-send mode the marked ones.
std::vector<int> RowsToNotify(const roster::Roster& roster);

}  // namespace ui
