#include "ui/window_run.h"

#include <QCoreApplication>

#include "ui/main_window.h"

namespace ui {

WindowRun::WindowRun(MainWindow& w) : QObject(&w), w_(w), progress_(&w) {
  setObjectName("windowRun");
  w.SetRunStopper([this] {
    stop_requested_ = true;
    if (stop_hook_) stop_hook_();
  });
}

void WindowRun::Begin(const std::vector<int>& rows, bool progress, bool drawing) {
  // One re-send per opening: the run ends re-send mode, and a later one opens its archive anew.
  if (drawing) resend_source_.clear();
  mail::Deliveries deliveries;
  for (int row : rows)
    deliveries.push_back({row, w_.roster().grid().TextMatrix(row, roster::kColName), {}, {}, {}});
  const std::string error = record_.Begin(deliveries);
  record_.KeepLedgerAt({});  // a later run without an archive keeps none
  if (!error.empty())
    w_.qt_ui().MsgBox(QCoreApplication::translate(
                          "ui::WindowRun",
                          "The delivery record could not be kept: %1\n\nSending goes on; note "
                          "who was reached from the summary.")
                          .arg(QString::fromStdString(error))
                          .toStdString(),
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
  const bool kept = record_.has_ledger();
  record_.Finish();
  progress_.End();
  w_.SetRunInProgress(false);
  // When no message got as far as a server, the error that ended the run says it all;
  // after a Cancel the organiser is told who is left either way.
  bool reached = stop_requested_;
  for (const files::LedgerEntry& e : record_.entries())
    reached |= e.outcome.state != mail::DeliveryState::kNotAttempted || !e.outcome.reply.empty();
  const std::string text =
      reached ? files::NotNotifiedText(record_.entries(), kept) : std::string();
  if (!text.empty()) w_.qt_ui().MsgBox(text, roster::mb::kExclamation, roster::kDefaultTitle);
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
