#include "ui/run_progress.h"

#include <QCoreApplication>

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
  dialog_->setCancelButtonText(QCoreApplication::translate("ui::RunProgress", "Cancel"));
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
  const auto m = static_cast<qulonglong>(begun_.size());
  const auto n = static_cast<qulonglong>(count_);
  const QString text =
      stopping_ ? QCoreApplication::translate("ui::RunProgress",
                                              "Stopping after the message being sent (%1 of %2)...")
                      .arg(n)
                      .arg(m)
                : QCoreApplication::translate("ui::RunProgress", "Sending message %1 of %2")
                      .arg(n == 0 ? 1 : n)
                      .arg(m);
  dialog_->setLabelText(text);
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
