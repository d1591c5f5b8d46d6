#include "ui/qt_ui.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

namespace ui {

namespace {
MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}
}  // namespace

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = std::move(handler); }

namespace {
ModalHandler& Modal() {
  static ModalHandler handler;
  return handler;
}
}  // namespace

void SetModalHandler(ModalHandler handler) { Modal() = std::move(handler); }

int ExecModal(QDialog& dialog) {
  if (Modal()) {
    // The handler sees the dialog as it would appear, then whatever it did is the result.
    ModalHandler handler = Modal();
    return handler(dialog);
  }
  return dialog.exec();
}

int ShowMessageBox(QWidget* parent, const std::string& text, int style, const std::string& title) {
  if (Handler()) return Handler()(text, style, title);
  namespace mb = roster::mb;
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromStdString(title));
  // Names, addresses, notes and server replies are never markup: an <img> in a name must
  // show as text, not make the box load a file.
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(text));
  switch (style & 0x70) {
    case mb::kCritical:
      box.setIcon(QMessageBox::Critical);
      break;
    case mb::kQuestion:
      box.setIcon(QMessageBox::Question);
      break;
    case mb::kExclamation:
      box.setIcon(QMessageBox::Warning);
      break;
    case mb::kInformation:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  switch (style & 7) {
    case mb::kOkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case mb::kYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case mb::kRetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    case mb::kSaveDiscardCancel:
      box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Save);
      break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
  }
  switch (box.exec()) {
    case QMessageBox::Cancel: return mb::kCancel;
    case QMessageBox::Yes:
    case QMessageBox::Save:
      return mb::kYes;
    case QMessageBox::No:
    case QMessageBox::Discard:
      return mb::kNo;
    case QMessageBox::Retry: return mb::kRetry;
    default: return mb::kOk;
  }
}

int QtUi::MsgBox(const std::string& text, int style, const std::string& title) {
  return ShowMessageBox(owner_, text, style, title);
}

void QtUi::SetStatusText(const std::string& text) {
  status_ = text;
  if (status_listener_) status_listener_(text);
  if (status_bar_) {
    if (auto* label = status_bar_->findChild<QLabel*>("Panel1")) {
      label->setTextFormat(Qt::PlainText);  // status texts carry names and server replies
      label->setText(QString::fromStdString(text));
    } else
      status_bar_->showMessage(QString::fromStdString(text));
  }
}

void QtUi::SetDrawingStatus(const std::string& text) {
  if (!status_bar_) return;
  auto* label = status_bar_->findChild<QLabel*>("Panel2");
  if (!label) {
    label = new QLabel(status_bar_);
    label->setObjectName("Panel2");
    label->setTextFormat(Qt::PlainText);
    status_bar_->addPermanentWidget(label);
  }
  label->setText(QString::fromStdString(text));
}

void QtUi::DoEvents() { QCoreApplication::processEvents(); }

void QtUi::SetMousePointer(int pointer) {
  if (pointer == pointer_) return;
  if (pointer_ != roster::kPointerDefault) QApplication::restoreOverrideCursor();
  pointer_ = pointer;
  if (pointer == roster::kPointerHourglass)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else if (pointer != roster::kPointerDefault)
    QApplication::setOverrideCursor(Qt::ArrowCursor);
}

}  // namespace ui
