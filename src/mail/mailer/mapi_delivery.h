#pragma once
// The desktop-mail path of the main window: logon and logoff, the address-book import, the
// free-form message and the drawing notifications, through the mail-client port.

#include <functional>
#include <string>

#include "mail/mailer/mail_client.h"
#include "mail/send_values.h"
#include "roster/roster.h"

namespace mail {

class MapiDelivery {
 public:
  MapiDelivery(roster::Roster& roster, MailClient& client, SendValues& values);

  // What the window supplies: frmSendMessage shown modally, and the New command.
  std::function<void()> ShowSendMessageDialog;
  std::function<void()> RunNewCommand;

  // Opens the session. A failing logon throws MailClientError to the operation that asked.
  void MapiLogon();
  void MapiLogoff();
  void AddFromAddressBook();
  void MapiSendMessage();
  void MapiSendDrawing();

 private:
  // Logs on when needed. kFailed: the logon failed and was reported; kNone: no session for
  // another reason, the run stops without a message.
  enum class Session { kOpen, kFailed, kNone };
  Session EnsureSession();
  void CloseSessionDeliveringMail();
  void ReportSendError(const std::string& description, int count, const std::string& names);

  roster::Roster& roster_;
  MailClient& client_;
  SendValues& values_;
};

}  // namespace mail
