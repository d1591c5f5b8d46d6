#pragma once
// The desktop-mail path of the main window: logon and logoff, the free-form message and the
// drawing notifications, through the mail-client port. It sends the list it is given and
// never reads the roster; the address-book import that fills the grid lives with the window.

#include <functional>
#include <string>

#include "core/ui_port.h"
#include "mail/delivery_run.h"
#include "mail/mailer/mail_client.h"
#include "mail/send_values.h"

namespace mail {

class MapiDelivery {
 public:
  // `logged_on` is the window's MapiLoggedOn, kept true while a session is open.
  MapiDelivery(roster::Ui& ui, bool& logged_on, MailClient& client, SendValues& values);

  // What the window supplies: frmSendMessage shown modally, the New command, and each run's
  // list, asked once the session is open (it may throw when the roster cannot give one).
  std::function<void()> ShowSendMessageDialog;
  std::function<void()> RunNewCommand;
  std::function<DeliveryRun(bool free_form)> Deliveries;
  // Told of each message's state as the mailer takes or refuses it; may be null.
  DeliveryObserver* Observer = nullptr;

  // Opens the session. A failing logon throws MailClientError to the operation that asked.
  void MapiLogon();
  void MapiLogoff();
  bool LoggedOn() const { return logged_on_; }
  MailClient& client() { return client_; }
  void MapiSendMessage();
  void MapiSendDrawing();

 private:
  // Logs on when needed. kFailed: the logon failed and was reported; kNone: no session for
  // another reason, the run stops without a message.
  enum class Session { kOpen, kFailed, kNone };
  Session EnsureSession();
  void CloseSessionDeliveringMail();
  void ReportSendError(const std::string& description, int count, const std::string& names);
  // Hands every delivery to the mailer in order; throws MailClientError at the first refusal.
  void HandOver(const DeliveryRun& run, bool resend, std::string& names, int& handed);
  void Tell(std::size_t index, DeliveryState state, std::string reply = {});

  roster::Ui& ui_;
  bool& logged_on_;
  MailClient& client_;
  SendValues& values_;
};

}  // namespace mail
