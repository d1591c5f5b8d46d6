#include "mail/mailer/mapi_delivery.h"

#include <algorithm>

#include "mail/message.h"

namespace mail {

namespace {

namespace mb = roster::mb;

constexpr const char* kLogonFailure =
    "Error Failed to Logon to MAPI Email Client, This function may not be available if your "
    "email client does not support MAPI, You must add the information by using the manual "
    "addition.";
constexpr const char* kSendFailure = "Error while attempting to send messages to MAPI Email Client";
constexpr roster::Color kMarked = 255;

std::string Summary(int count, bool resent, const std::string& names) {
  return std::to_string(count) + (resent ? " Mail Messages Re-Sent to" : " Mail Messages Sent to") +
         "\n" + names + "\n" + "\r\r" +
         (resent ? "Please check your email client's OutBox Folder to verify that messages have "
                   "been re-sent."
                 : "Please check your email client's OutBox Folder to verify that messages have "
                   "been sent.");
}

template <typename Fn>
void IgnoreError(Fn fn) {
  try {
    fn();
  } catch (const MailClientError&) {
  }
}

}  // namespace

MapiDelivery::MapiDelivery(roster::Roster& roster, MailClient& client, SendValues& values)
    : roster_(roster), client_(client), values_(values) {}

void MapiDelivery::MapiLogon() {
  roster_.ui().SetStatusText("Logging on to MAPI Email Client...");
  roster_.MapiLoggedOn = false;
  client_.SetDownloadMail(false);
  client_.SetNewSession(false);
  client_.SignOn();
  client_.SetMessageSessionID(client_.SessionID());
  roster_.MapiLoggedOn = true;
  roster_.ui().SetStatusText("Ready");
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
    roster_.ui().MsgBox(std::string("Logoff Failure: ") + e.what(), mb::kOkOnly);
  }
  roster_.MapiLoggedOn = false;
}

void MapiDelivery::AddFromAddressBook() {
  roster::Ui& ui = roster_.ui();
  if (!roster_.MapiLoggedOn) {
    try {
      MapiLogon();
    } catch (const MailClientError&) {
      ui.MsgBox(kLogonFailure, mb::kCritical);
      return;
    }
  }
  if (!roster_.MapiLoggedOn) return;

  // From here on a failing step is passed over; a cancelled book leaves no recipients.
  ui.SetStatusText("Select participants from AddressBook to Add");
  IgnoreError([&] { client_.Compose(); });
  IgnoreError([&] { client_.Show(); });
  int n = 0;
  IgnoreError([&] { n = client_.RecipCount(); });
  n = std::clamp(n, 0, roster::kMaxParticipants - roster_.ParticipantCount());

  roster::Grid& g = roster_.grid();
  const bool empty = g.Rows() == 2 && g.TextMatrix(1, roster::kColName).empty();
  // An empty roster keeps its blank placeholder row when nobody was chosen.
  if (n > 0 || !empty) {
    const int first = empty ? 1 : g.Rows();
    g.SetRedraw(false);
    g.SetRows(first + n);
    for (int r = first; r < g.Rows(); ++r) {
      IgnoreError([&] { client_.SetRecipIndex(r - first); });
      g.SetTextMatrix(r, roster::kColNumber, std::to_string(roster_.NextParticipantNumber));
      ++roster_.NextParticipantNumber;
      g.SetTextMatrix(r, roster::kColExclusions, "");
      g.SetCellForeAt(r, roster::kColExclusions, roster::kRed);
      IgnoreError([&] { g.SetTextMatrix(r, roster::kColName, client_.RecipDisplayName()); });
      g.SetCellForeAt(r, roster::kColName, roster::kBlue);
      IgnoreError([&] {
        std::string address = client_.RecipAddress();
        if (address.compare(0, 5, "SMTP:") == 0) address.erase(0, 5);
        g.SetTextMatrix(r, roster::kColEmail, std::move(address));
      });
      g.SetCellForeAt(r, roster::kColEmail, roster::kBlue);
      g.SetCellColors(r, roster::kColResult, roster::kHiddenColor, roster::kHiddenColor);
      g.SetCellForeAt(r, roster::kColNotes, 0);
    }
    g.SetRedraw(true);
    // The current row ends on the last one filled, as filling row by row would leave it.
    if (n > 0) g.SetRow(g.Rows() - 1);
  }
  roster_.UpdateButtonEnables(false);
  ui.SetStatusText("Ready");
}

MapiDelivery::Session MapiDelivery::EnsureSession() {
  roster_.ui().SetStatusText("Logging into MAPI Email Client...");
  if (!roster_.MapiLoggedOn) {
    try {
      MapiLogon();
    } catch (const MailClientError& e) {
      ReportSendError(e.what(), 0, "");
      return Session::kFailed;
    }
  }
  return roster_.MapiLoggedOn ? Session::kOpen : Session::kNone;
}

void MapiDelivery::ReportSendError(const std::string& description, int handed,
                                   const std::string& names) {
  roster::Ui& ui = roster_.ui();
  ui.MsgBox(kSendFailure, mb::kCritical);
  // What the mailer said, and which messages it already has, so nothing is lost unseen.
  std::string detail = description + "\n\n";
  if (handed == 0)
    detail += "No message had been handed to the mail client.";
  else
    detail += std::to_string(handed) +
              " Mail Messages had already been handed to the mail "
              "client:\n" +
              names;
  ui.MsgBox(detail, mb::kExclamation);
}

void MapiDelivery::MapiSendMessage() {
  values_.SendConfirmed = false;
  if (ShowSendMessageDialog) ShowSendMessageDialog();
  if (!values_.SendConfirmed) return;
  if (EnsureSession() != Session::kOpen) return;

  roster::Ui& ui = roster_.ui();
  const roster::Grid& g = roster_.grid();
  std::string names;
  int handed = 0;
  try {
    for (int i = 1; i < g.Rows(); ++i) {
      client_.Compose();
      client_.SetRecipIndex(0);
      const std::string name = g.TextMatrix(i, roster::kColName);
      client_.SetRecipType(kRecipTypePrimary);
      client_.SetAddressResolveUI(false);
      client_.SetRecipDisplayName(g.TextMatrix(i, roster::kColEmail));
      client_.SetMsgSubject(MessageSubject(name, values_.MailSubject));
      client_.SetMsgNoteText(FreeFormText(values_, roster_.MessageFooter));
      ui.SetStatusText(" Sending email to " + name + " ...");
      client_.Send(false);
      names += name + ";";
      ++handed;
    }
    CloseSessionDeliveringMail();
  } catch (const MailClientError& e) {
    ReportSendError(e.what(), handed, names);
    return;
  }
  const int count = g.Rows() - 1;
  ui.MsgBox(Summary(count, false, names), mb::kOkOnly);
  ui.SetStatusText(std::to_string(count) + " Mail Messages Sent");
}

void MapiDelivery::MapiSendDrawing() {
  const bool resend = roster_.ReSendMode;
  auto end_resend = [&] {
    if (resend && RunNewCommand) RunNewCommand();
  };
  if (const Session s = EnsureSession(); s != Session::kOpen) {
    if (s == Session::kFailed) end_resend();
    return;
  }

  roster::Ui& ui = roster_.ui();
  const roster::Grid& g = roster_.grid();
  std::string names;
  int count = 0, handed = 0;
  try {
    for (int i = 1; i < g.Rows(); ++i) {
      if (resend && g.CellAt(i, roster::kColName).back != kMarked) continue;
      client_.Compose();
      client_.SetRecipIndex(0);
      ++count;
      const std::string giver = g.TextMatrix(i, roster::kColName);
      client_.SetRecipType(kRecipTypePrimary);
      client_.SetAddressResolveUI(false);
      client_.SetRecipDisplayName(RecipientAddress(values_, g.TextMatrix(i, roster::kColEmail)));
      int receiver = 0;
      if (!roster::ParseNumber(g.TextMatrix(i, roster::kColResult), receiver) || receiver < 0 ||
          receiver >= g.Rows())
        throw MailClientError("Row " + std::to_string(i) + " holds no drawn receiver");
      client_.SetMsgSubject(MessageSubject(giver, values_.MailSubject));
      client_.SetMsgNoteText(NotificationText(values_, g.TextMatrix(receiver, roster::kColName),
                                              g.TextMatrix(receiver, roster::kColNotes),
                                              roster_.MessageFooter));
      ui.SetStatusText((resend ? " Re-Sending email to " : " Sending email to ") + giver + " ...");
      client_.Send(false);
      names += giver + ";";
      ++handed;
    }
    CloseSessionDeliveringMail();
  } catch (const MailClientError& e) {
    ReportSendError(e.what(), handed, names);
    end_resend();
    return;
  }
  ui.MsgBox(Summary(count, resend, names), mb::kOkOnly);
  ui.SetStatusText(std::to_string(count) +
                   (resend ? " Mail Messages Re-Sent" : " Mail Messages Sent"));
  end_resend();
}

}  // namespace mail
