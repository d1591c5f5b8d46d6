#include "ui/window_run.h"

#include "ui/main_window.h"

namespace ui {

WindowRun::WindowRun(MainWindow& w) : QObject(&w), w_(w), progress_(&w) {
  setObjectName("windowRun");
  w.SetRunStopper([this] {
    stop_requested_ = true;
    if (stop_hook_) stop_hook_();
  });
}

void WindowRun::KeepLedgerAt(const std::filesystem::path& ledger) { record_.KeepLedgerAt(ledger); }

void WindowRun::Begin(const std::vector<int>& rows, bool progress) {
  mail::Deliveries deliveries;
  for (int row : rows)
    deliveries.push_back({row, w_.roster().grid().TextMatrix(row, roster::kColName), {}, {}, {}});
  const std::string error = record_.Begin(deliveries);
  record_.KeepLedgerAt({});  // a later run without an archive keeps none
  if (!error.empty())
    w_.qt_ui().MsgBox("The delivery record could not be kept: " + error +
                          "\n\nSending goes on; note who was reached from the summary.",
                      roster::mb::kExclamation, roster::kDefaultTitle);
  active_ = true;
  stop_requested_ = false;
  w_.SetRunInProgress(true);
  if (progress)
    progress_.Begin(rows.size(), [this] {
      stop_requested_ = true;
      if (stop_hook_) stop_hook_();
    });
}

std::size_t WindowRun::Started() const {
  std::size_t n = 0;
  for (const files::LedgerEntry& e : record_.entries())
    if (e.outcome.state != mail::DeliveryState::kNotAttempted) ++n;
  return n;
}

void WindowRun::OnDeliveryState(std::size_t index, const mail::DeliveryOutcome& outcome) {
  record_.OnDeliveryState(index, outcome);
  progress_.OnDeliveryState(index, outcome);
}

void WindowRun::End() {
  if (!active_) return;
  active_ = false;
  record_.Finish();
  progress_.End();
  w_.SetRunInProgress(false);
  if (!stop_requested_) return;
  std::string names;
  for (const files::LedgerEntry& e : files::NotAccepted(record_.entries()))
    names += files::DescribeEntry(e) + "\n";
  if (!names.empty())
    w_.qt_ui().MsgBox("These participants were not notified:\n" + names, roster::mb::kInformation,
                      roster::kDefaultTitle);
}

WindowRun& WindowRunOf(MainWindow& w) {
  auto* run = w.findChild<WindowRun*>("windowRun", Qt::FindDirectChildrenOnly);
  return run ? *run : *new WindowRun(w);
}

std::vector<int> RowsToNotify(const roster::Roster& roster) {
  std::vector<int> rows;
  for (int row = 1; row <= roster.ParticipantCount(); ++row)
    if (!roster.ReSendMode || roster.IsMarked(row)) rows.push_back(row);
  return rows;
}

}  // namespace ui
