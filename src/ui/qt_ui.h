#pragma once
// The desktop's answers to the Ui port: Qt message boxes, the status bar, the override cursor.

#include <QDialog>
#include <QPointer>
#include <QStatusBar>
#include <QWidget>
#include <functional>

#include "core/ui_port.h"

namespace ui {

// Lets tests answer message boxes without showing them. When a handler is set it is asked
// instead of a real QMessageBox.
using MessageBoxHandler =
    std::function<int(const std::string& text, int style, const std::string& title)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

// Shows a message box the classic way (style = buttons + icon); returns the classic answer.
int ShowMessageBox(QWidget* parent, const std::string& text, int style, const std::string& title);

// Every modal dialog of the program is shown through ExecModal, so a test can take the
// dialog instead (fill it in, press its buttons) and no test ever blocks on a window.
// The handler returns the dialog's result code.
using ModalHandler = std::function<int(QDialog& dialog)>;
void SetModalHandler(ModalHandler handler);
int ExecModal(QDialog& dialog);

class QtUi : public roster::Ui {
 public:
  explicit QtUi(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }
  void SetStatusBar(QStatusBar* bar) { status_bar_ = bar; }
  // Hears every status text (tests check what the organiser was shown).
  void SetStatusListener(std::function<void(const std::string&)> listener) {
    status_listener_ = std::move(listener);
  }

  int MsgBox(const std::string& text, int style, const std::string& title) override;
  void SetStatusText(const std::string& text) override;
  std::string StatusText() const override { return status_; }
  void SetDrawingStatus(const std::string& text) override;
  void DoEvents() override;
  int MousePointer() const override { return pointer_; }
  void SetMousePointer(int pointer) override;

 private:
  QPointer<QWidget> owner_;
  QPointer<QStatusBar> status_bar_;
  std::string status_;
  std::function<void(const std::string&)> status_listener_;
  int pointer_ = roster::kPointerDefault;
};

}  // namespace ui
