#include "mail/mailer/mapi_delivery.h"

#include "core/tr.h"
#include "mail/message.h"

namespace mail {

namespace {

namespace mb = roster::mb;

constexpr const char* kSendFailure =
    core::TrNoop("Mapi", "Error while attempting to send messages to MAPI Email Client");

std::string Summary(int count, bool resent, const std::string& names, const DeliveryRun& run) {
  return core::Arg(resent ? core::Tr("Mapi",
                                     "%1 Mail Messages Re-Sent to\n%2\n\r\rPlease check "
                                     "your email client's OutBox Folder to verify that "
                                     "messages have been re-sent.")
                          : core::Tr("Mapi",
                                     "%1 Mail Messages Sent to\n%2\n\r\rPlease check "
                                     "your email client's OutBox Folder to verify that "
                                     "messages have been sent."),
                   {std::to_string(count), names}) +
         TestModeNote(run);
}

}  // namespace

MapiDelivery::MapiDelivery(roster::Ui& ui, bool& logged_on, MailClient& client, SendValues& values)
    : ui_(ui), logged_on_(logged_on), client_(client), values_(values) {}

void MapiDelivery::MapiLogon() {
  ui_.SetStatusText(core::Tr("Mapi", "Logging on to MAPI Email Client..."));
  logged_on_ = false;
  client_.SetDownloadMail(false);
  client_.SetNewSession(false);
  client_.SignOn();
  client_.SetMessageSessionID(client_.SessionID());
  logged_on_ = true;
  ui_.SetStatusText(core::Tr("Mapi", "Ready"));
}

// After a run: the session ends, and one more sign-on with mail download lets the client
// deliver what it has queued.
void MapiDelivery::CloseSessionDeliveringMail() {
  MapiLogoff();
  client_.SetDownloadMail(true);
  client_.SignOn();
  client_.SignOff();
}

void MapiDelivery::MapiLogoff() {
  try {
    client_.SignOff();
    client_.SetMessageSessionID(0);
  } catch (const MailClientError& e) {
    ui_.MsgBox(core::Tr("Mapi", "Logoff Failure: ") + e.what(), mb::kOkOnly);
  }
  logged_on_ = false;
}

MapiDelivery::Session MapiDelivery::EnsureSession() {
  ui_.SetStatusText(core::Tr("Mapi", "Logging into MAPI Email Client..."));
  if (!logged_on_) {
    try {
      MapiLogon();
    } catch (const MailClientError& e) {
      ReportSendError(e.what(), 0, "");
      return Session::kFailed;
    }
  }
  return logged_on_ ? Session::kOpen : Session::kNone;
}

void MapiDelivery::ReportSendError(const std::string& description, int handed,
                                   const std::string& names) {
  ui_.MsgBox(core::Tr("Mapi", kSendFailure), mb::kCritical);
  // What the mailer said, and which messages it already has, so nothing is lost unseen.
  std::string detail = description + "\n\n";
  if (handed == 0)
    detail += core::Tr("Mapi", "No message had been handed to the mail client.");
  else
    detail += core::Arg(
        core::Tr("Mapi", "%1 Mail Messages had already been handed to the mail client:\n%2"),
        {std::to_string(handed), names});
  ui_.MsgBox(detail, mb::kExclamation);
}

void MapiDelivery::Tell(std::size_t index, DeliveryState state, std::string reply) {
  if (Observer) Observer->OnDeliveryState(index, DeliveryOutcome{state, std::move(reply)});
}

void MapiDelivery::HandOver(const DeliveryRun& run, bool resend, std::string& names, int& handed) {
  for (std::size_t i = 0; i < run.deliveries.size(); ++i) {
    const Delivery& d = run.deliveries[i];
    client_.Compose();
    client_.SetRecipIndex(0);
    client_.SetRecipType(kRecipTypePrimary);
    client_.SetAddressResolveUI(false);
    client_.SetRecipDisplayName(d.address);
    client_.SetMsgSubject(d.subject);
    client_.SetMsgNoteText(d.text);
    ui_.SetStatusText(core::Arg(resend ? core::Tr("Mapi", " Re-Sending email to %1 ...")
                                       : core::Tr("Mapi", " Sending email to %1 ..."),
                                {d.name}));
    Tell(i, DeliveryState::kInFlight);
    try {
      client_.Send(false);
    } catch (const MailClientError& e) {
      Tell(i, DeliveryState::kRefused, e.what());
      throw;
    }
    Tell(i, DeliveryState::kAccepted);
    names += d.name + ";";
    ++handed;
  }
}

void MapiDelivery::MapiSendMessage() {
  values_.SendConfirmed = false;
  if (ShowSendMessageDialog) ShowSendMessageDialog();
  if (!values_.SendConfirmed) return;
  if (EnsureSession() != Session::kOpen) return;

  std::string names;
  int handed = 0;
  DeliveryRun run;
  try {
    if (Deliveries) run = Deliveries(true);
    HandOver(run, false, names, handed);
    CloseSessionDeliveringMail();
  } catch (const std::exception& e) {
    ReportSendError(e.what(), handed, names);
    return;
  }
  const int count = run.participants;
  ui_.MsgBox(Summary(count, false, names, run), mb::kOkOnly);
  ui_.SetStatusText(core::Arg(core::Tr("Mapi", "%1 Mail Messages Sent"), {std::to_string(count)}));
}

void MapiDelivery::MapiSendDrawing() {
  DeliveryRun run;
  std::string list_error;
  try {
    if (Deliveries) run = Deliveries(false);
  } catch (const DeliveryListError& e) {
    run.resend = e.resend;
    list_error = e.what();
  }
  const bool resend = run.resend;
  auto end_resend = [&] {
    if (resend && RunNewCommand) RunNewCommand();
  };
  if (const Session s = EnsureSession(); s != Session::kOpen) {
    if (s == Session::kFailed) end_resend();
    return;
  }

  std::string names;
  int handed = 0;
  try {
    if (!list_error.empty()) throw MailClientError(list_error);
    HandOver(run, resend, names, handed);
    CloseSessionDeliveringMail();
  } catch (const std::exception& e) {
    ReportSendError(e.what(), handed, names);
    end_resend();
    return;
  }
  const int count = static_cast<int>(run.deliveries.size());
  ui_.MsgBox(Summary(count, resend, names, run), mb::kOkOnly);
  ui_.SetStatusText(core::Arg(resend ? core::Tr("Mapi", "%1 Mail Messages Re-Sent")
                                     : core::Tr("Mapi", "%1 Mail Messages Sent"),
                              {std::to_string(count)}));
  end_resend();
}

}  // namespace mail
