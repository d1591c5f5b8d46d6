#pragma once
// frmSend (drawing notifications) and frmSendMessage (free-form messages): they collect the
// texts into mail::SendValues. SendConfirmed is false from the moment either opens until Send.

#include <QDialog>

#include "mail/send_dialogs.h"
#include "mail/send_values.h"
#include "settings/mail_settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace ui {

class SendDialog : public QDialog {
  Q_OBJECT

 public:
  SendDialog(mail::SendValues& values, const mail::MailSettings& settings, QWidget* parent);
  void chkSendOption_Click();
  void cboLanguage_Click();
  void cmdSend_Click();
  void cmdCancel_Click();

 private:
  mail::SendValues& values_;
  std::string language_;  // of the e-mail's texts
  QComboBox* languages_;
  QLineEdit* subject_;
  QPlainTextEdit* body_;
  QLineEdit* trailer_;
  QCheckBox* test_mode_;
  QLineEdit* test_address_;
  QLineEdit* budget_;
  QLineEdit* event_date_;
  QLineEdit* place_;
  QLineEdit* reply_by_;
};

class SendMessageDialog : public QDialog {
  Q_OBJECT

 public:
  SendMessageDialog(mail::SendValues& values, QWidget* parent);
  void cmdSend_Click();
  void cmdCancel_Click();

 private:
  mail::SendValues& values_;
  QLineEdit* subject_;
  QPlainTextEdit* body_;
};

// frmSend starts with the event details `values` holds and leaves the typed ones there.

// Show the dialogs modally (through ExecModal), owned by `owner`; they return `values` as the
// dialog left it.
const mail::SendValues& ShowFrmSend(QWidget* owner, mail::SendValues& values,
                                    const mail::MailSettings& settings);
const mail::SendValues& ShowFrmSendMessage(QWidget* owner, mail::SendValues& values);

// The send-dialogs port over the two dialogs.
class QtSendDialogs : public mail::SendDialogs {
 public:
  explicit QtSendDialogs(QWidget* owner) : owner_(owner) {}
  bool ShowSend(mail::SendValues& values, const mail::MailSettings& settings) override {
    return ShowFrmSend(owner_, values, settings).SendConfirmed;
  }
  bool ShowSendMessage(mail::SendValues& values) override {
    return ShowFrmSendMessage(owner_, values).SendConfirmed;
  }

 private:
  QWidget* owner_;
};

}  // namespace ui
