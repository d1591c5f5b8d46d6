#pragma once
// The send-dialogs port: frmSend and frmSendMessage as the senders see them. The Qt
// implementation is ui::QtSendDialogs (ui/send_dialogs.h).

#include "mail/send_values.h"
#include "settings/mail_settings.h"

namespace mail {

class SendDialogs {
 public:
  virtual ~SendDialogs() = default;
  // frmSend: subject, text, trailer and test address for drawing notifications. Leaves them in
  // `values` when Send is pressed; returns values.SendConfirmed.
  virtual bool ShowSend(SendValues& values, const MailSettings& settings) = 0;
  // frmSendMessage: subject and text of a free-form message; the trailer and test values stay.
  virtual bool ShowSendMessage(SendValues& values) = 0;
};

}  // namespace mail
