#pragma once
// The window's view of a run while it sends: a progress dialog, "Sending message n of m",
// whose Cancel lets the message in flight finish and then stops the run.

#include <QPointer>
#include <QProgressDialog>
#include <cstddef>
#include <functional>
#include <vector>

#include "mail/delivery.h"

namespace ui {

class RunProgress : public mail::DeliveryObserver {
 public:
  explicit RunProgress(QWidget* parent) : parent_(parent) {}
  ~RunProgress() override;

  // Shows the dialog for a run of `total` messages; `stop` is asked once, on Cancel.
  void Begin(std::size_t total, std::function<void()> stop);
  void OnDeliveryState(std::size_t index, const mail::DeliveryOutcome& outcome) override;
  // Closes the dialog.
  void End();

  QProgressDialog* dialog() const { return dialog_; }

 private:
  void Show();

  QWidget* parent_;
  QPointer<QProgressDialog> dialog_;
  std::function<void()> stop_;
  std::vector<bool> begun_;
  std::size_t count_ = 0;  // messages that have gone out, the "n"
  bool stopping_ = false;
};

// Passes each change of state on to several observers (the ledger and the dialog).
class DeliveryObservers : public mail::DeliveryObserver {
 public:
  void Add(mail::DeliveryObserver* observer) { observers_.push_back(observer); }
  void Clear() { observers_.clear(); }
  void OnDeliveryState(std::size_t index, const mail::DeliveryOutcome& outcome) override {
    for (mail::DeliveryObserver* o : observers_) o->OnDeliveryState(index, outcome);
  }

 private:
  std::vector<mail::DeliveryObserver*> observers_;
};

}  // namespace ui
