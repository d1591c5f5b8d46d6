#include "ui/run_progress.h"

namespace ui {

RunProgress::~RunProgress() { End(); }

void RunProgress::Begin(std::size_t total, std::function<void()> stop) {
  End();
  stop_ = std::move(stop);
  begun_.assign(total, false);
  count_ = 0;
  stopping_ = false;
  dialog_ = new QProgressDialog(parent_);
  dialog_->setObjectName("dlgRunProgress");
  dialog_->setWindowTitle("Hollymoor");
  // The window stays readable meanwhile; its commands that would disturb the run are off.
  dialog_->setWindowModality(Qt::NonModal);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setMinimumDuration(0);
  dialog_->setCancelButtonText("Cancel");
  dialog_->setRange(0, static_cast<int>(total));
  QObject::connect(dialog_, &QProgressDialog::canceled, dialog_, [this] {
    if (stopping_) return;
    stopping_ = true;
    Show();
    if (stop_) stop_();
  });
  Show();
  dialog_->show();
}

void RunProgress::Show() {
  if (!dialog_) return;
  const std::string m = std::to_string(begun_.size());
  std::string text = "Sending message " + std::to_string(count_ == 0 ? 1 : count_) + " of " + m;
  if (stopping_)
    text = "Stopping after the message being sent (" + std::to_string(count_) + " of " + m + ")...";
  dialog_->setLabelText(QString::fromStdString(text));
  dialog_->setValue(static_cast<int>(count_));
}

void RunProgress::OnDeliveryState(std::size_t index, const mail::DeliveryOutcome& outcome) {
  // Retries come back in flight; the count is of messages, not attempts.
  if (outcome.state != mail::DeliveryState::kInFlight || index >= begun_.size() || begun_[index])
    return;
  begun_[index] = true;
  ++count_;
  Show();
}

void RunProgress::End() {
  if (dialog_) {
    dialog_->disconnect();
    dialog_->close();
    dialog_->deleteLater();
  }
  dialog_ = nullptr;
  stop_ = nullptr;
}

}  // namespace ui
