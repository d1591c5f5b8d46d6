// The desktop-mail operations and the address-book import against a scripted mail client.

#include "mail/mailer/mapi_delivery.h"

#include <gtest/gtest.h>

#include "mail/fake_mail_client.h"
#include "mail/smtp_test_roster.h"
#include "ui/address_book_rows.h"

namespace mail {
namespace {

using roster::kColEmail;
using roster::kColName;
using roster::kColNumber;
using roster::kColResult;
using Strings = std::vector<std::string>;
namespace mb = roster::mb;

constexpr const char* kSendError = "Error while attempting to send messages to MAPI Email Client";

std::string Reminder(const std::string& verb) {
  return "\n\r\rPlease check your email client's OutBox Folder to verify that messages have been " +
         verb + ".";
}

class MapiDeliveryTest : public ::testing::Test {
 protected:
  MapiDeliveryTest() : delivery_(w_.ui, w_.roster.MapiLoggedOn, client_, w_.send) {
    delivery_.Deliveries = [this](bool free_form) {
      return free_form ? roster::MessageDeliveries(w_.roster, w_.send, false) : w_.Drawing();
    };
    delivery_.RunNewCommand = [this] {
      ++new_commands_;
      w_.roster.ClearList();
      w_.roster.ReSendMode = false;
    };
    delivery_.ShowSendMessageDialog = [this] {
      w_.send.SendConfirmed = confirm_dialog_;
      w_.send.MailSubject = "News";
      w_.send.MailBody = "Party on Friday";
    };
    w_.Confirm("Your Secret Santa Information Enclosed", "Hello");
  }

  void Add(const std::string& name) { w_.Add({{name, "dee@example.org", "", 0}}); }
  std::string Cell(int r, int c) { return w_.roster.grid().TextMatrix(r, c); }
  Strings SentTo() {
    Strings to;
    for (const auto& s : client_.sent) to.push_back(s.to);
    return to;
  }

  smtp_testing::SmtpWorld w_;
  testing_support::FakeUi& ui_ = w_.ui;
  testing_support::FakeMailClient client_;
  MapiDelivery delivery_;
  int new_commands_ = 0;
  bool confirm_dialog_ = true;
};

TEST_F(MapiDeliveryTest, ImportFillsThePlaceholderRowAndStripsTheSmtpPrefix) {
  client_.book = {{{"Ann", "SMTP:ann@example.org"},
                   {"Bob", "smtp:bob@example.org"},
                   {"Cid", "cid@example.org"}}};
  ui::AddFromAddressBook(w_.roster, delivery_);

  EXPECT_EQ(ui_.statuses, (Strings{"Logging on to MAPI Email Client...", "Ready",
                                   "Select participants from AddressBook to Add", "Ready"}));
  EXPECT_TRUE(w_.roster.MapiLoggedOn);  // the session stays open
  EXPECT_EQ(client_.message_session, 101);
  const roster::Grid& g = w_.roster.grid();
  ASSERT_EQ(g.Rows(), 4);
  EXPECT_EQ(Cell(1, kColNumber) + Cell(3, kColNumber), "13");
  EXPECT_EQ(Cell(1, kColEmail), "ann@example.org");
  EXPECT_EQ(Cell(2, kColEmail), "smtp:bob@example.org");  // only the exact upper-case prefix
  EXPECT_EQ(Cell(3, kColName), "Cid");
  EXPECT_EQ(w_.roster.NextParticipantNumber, 4);
  EXPECT_EQ(g.CellAt(2, roster::kColExclusions).fore, roster::kRed);
  EXPECT_EQ(g.CellAt(2, kColName).fore, roster::kBlue);
  EXPECT_EQ(g.CellAt(2, kColResult).back, roster::kHiddenColor);
  EXPECT_EQ(g.CellAt(2, kColResult).fore, roster::kHiddenColor);
  EXPECT_TRUE(w_.roster.commands().Enabled("mnuCalculateSend"));
  EXPECT_TRUE(ui_.boxes.empty());

  // Appending to a roster of four reuses the open session and numbers on.
  Add("Dee");
  w_.roster.NextParticipantNumber = 9;
  client_.log.clear();
  ui::AddFromAddressBook(w_.roster, delivery_);
  EXPECT_EQ(client_.log, Strings{"Show"});
  ASSERT_EQ(g.Rows(), 8);
  EXPECT_EQ(Cell(4, kColName) + Cell(5, kColName), "DeeAnn");
  EXPECT_EQ(Cell(5, kColNumber) + Cell(7, kColNumber), "911");
}

// A cancel with people on the roster and the status and style of a failed logon are checked
// through the window.
TEST_F(MapiDeliveryTest, CancelledBookKeepsThePlaceholderRowOfAnEmptyRoster) {
  ui::AddFromAddressBook(w_.roster, delivery_);  // book not set: cancelled
  EXPECT_EQ(w_.roster.grid().Rows(), 2);
  EXPECT_EQ(w_.roster.ParticipantCount(), 0);
  EXPECT_EQ(ui_.StatusText(), "Ready");
}

TEST_F(MapiDeliveryTest, FailedLogonForTheBookShowsItsBoxAndKeepsTheStatus) {
  client_.fail_sign_on = true;
  ui::AddFromAddressBook(w_.roster, delivery_);
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text,
            "Error Failed to Logon to MAPI Email Client, This function may not be available if "
            "your email client does not support MAPI, You must add the information by using the "
            "manual addition.");
  EXPECT_EQ(ui_.boxes[0].title, "HLMR");
  EXPECT_FALSE(w_.roster.MapiLoggedOn);
  EXPECT_EQ(client_.log, (Strings{"NewSession=0", "SignOn(download=0)"}));
}

TEST_F(MapiDeliveryTest, DrawingSendsEachGiverTheirReceiverAndSummarises) {
  w_.Add(smtp_testing::ThreePeople());
  delivery_.MapiSendDrawing();

  EXPECT_EQ(SentTo(), (Strings{"ann@example.org", "bob@example.org", "cid@example.org"}));
  EXPECT_EQ(client_.sent[0].subject, "Ann Your Secret Santa Information Enclosed");
  EXPECT_EQ(client_.sent[0].type, 1);
  EXPECT_FALSE(client_.sent[0].resolve_ui);
  EXPECT_EQ(client_.sent[0].text,
            "Hello\r\n    :\r\n    :\r\n    :\r\n    :\r\n    :\r\n    :\r\n    :\r\n    :\r\n"
            "    :\r\n    :\r\nYou are a Secret Santa for Bob\r\n\r\nNotes, Gift Suggestions, or "
            "Special Instructions for Bob:\r\nsocks" +
                w_.roster.MessageFooter);
  EXPECT_EQ(ui_.statuses,
            (Strings{"Logging into MAPI Email Client...", "Logging on to MAPI Email Client...",
                     "Ready", " Sending email to Ann ...", " Sending email to Bob ...",
                     " Sending email to Cid ...", "3 Mail Messages Sent"}));
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text, "3 Mail Messages Sent to\nAnn;Bob;Cid;" + Reminder("sent"));
  EXPECT_EQ(ui_.boxes[0].style, mb::kOkOnly);
  // Logoff, then the closing exchange with mail download; the next run logs on again.
  EXPECT_EQ(client_.log, (Strings{"NewSession=0", "SignOn(download=0)", "SignOff",
                                  "SignOn(download=1)", "SignOff"}));
  EXPECT_FALSE(w_.roster.MapiLoggedOn);
  EXPECT_EQ(client_.message_session, 0);
  EXPECT_EQ(new_commands_, 0);
}

TEST_F(MapiDeliveryTest, TestModeDrawingGoesToTheTestAddressAndTheSummarySaysSo) {
  w_.Add(smtp_testing::ThreePeople());
  w_.send.TestMode = true;
  w_.send.TestAddress = "me@example.net";
  delivery_.MapiSendDrawing();
  EXPECT_EQ(SentTo(), (Strings{"me@example.net", "me@example.net", "me@example.net"}));
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text,
            "3 Mail Messages Sent to\nAnn;Bob;Cid;" + Reminder("sent") +
                "\nTest Mode: every message went to me@example.net, not to the participants.");
}

TEST_F(MapiDeliveryTest, ReSendSendsOnlyMarkedRowsAndAlwaysStartsANewList) {
  w_.Add(smtp_testing::ThreePeople());
  w_.roster.ReSendMode = true;
  delivery_.MapiSendDrawing();  // nothing marked: still closes and summarises
  EXPECT_TRUE(client_.sent.empty());
  EXPECT_EQ(Strings(client_.log.end() - 2, client_.log.end()),
            (Strings{"SignOn(download=1)", "SignOff"}));
  EXPECT_EQ(ui_.boxes.at(0).text, "0 Mail Messages Re-Sent to\n" + Reminder("re-sent"));
  EXPECT_EQ(new_commands_, 1);

  w_.Add(smtp_testing::ThreePeople());
  w_.roster.ReSendMode = true;
  w_.Mark(2);
  w_.Mark(3);
  delivery_.MapiSendDrawing();
  EXPECT_EQ(SentTo(), (Strings{"bob@example.org", "cid@example.org"}));
  EXPECT_EQ(ui_.boxes.at(1).text, "2 Mail Messages Re-Sent to\nBob;Cid;" + Reminder("re-sent"));
  EXPECT_NE(std::find(ui_.statuses.begin(), ui_.statuses.end(), " Re-Sending email to Bob ..."),
            ui_.statuses.end());
  EXPECT_EQ(ui_.StatusText(), "2 Mail Messages Re-Sent");
  EXPECT_EQ(new_commands_, 2);
  EXPECT_FALSE(w_.roster.ReSendMode);
}

// A failing third message, with the exact boxes, is checked with a real mailer in e2e.
TEST_F(MapiDeliveryTest, AReSendEndingInAnErrorStillStartsANewList) {
  for (bool logon_fails : {true, false}) {
    SCOPED_TRACE(logon_fails);
    ui_.boxes.clear();
    w_.Add(smtp_testing::ThreePeople());
    w_.roster.ReSendMode = true;
    w_.Mark(1);
    client_.fail_sign_on = logon_fails;
    if (!logon_fails) w_.roster.grid().SetTextMatrix(1, kColResult, "x");  // not a number
    delivery_.MapiSendDrawing();
    ASSERT_EQ(ui_.boxes.size(), 2u);
    EXPECT_EQ(ui_.boxes[0].text, kSendError);
    EXPECT_EQ(ui_.boxes[1].text, (logon_fails ? "logon refused" : "Row 1 holds no drawn receiver") +
                                     std::string("\n\nNo message had been handed to the mail "
                                                 "client."));
    EXPECT_TRUE(client_.sent.empty());
    EXPECT_FALSE(w_.roster.ReSendMode);
  }
  EXPECT_EQ(new_commands_, 2);
}

// What the ledger hears: each message in flight before the mailer has it, then its outcome;
// the messages after a refusal are never handed over.
TEST_F(MapiDeliveryTest, EveryMessageReportsItsStateToTheObserver) {
  struct Recorder : DeliveryObserver {
    std::vector<std::string> seen;
    void OnDeliveryState(std::size_t i, const DeliveryOutcome& o) override {
      seen.push_back(std::to_string(i) + ":" + std::to_string(static_cast<int>(o.state)) +
                     (o.reply.empty() ? "" : " " + o.reply));
    }
  } recorder;
  delivery_.Observer = &recorder;
  w_.Add(smtp_testing::ThreePeople());
  client_.fail_send_at = 1;
  delivery_.MapiSendDrawing();
  const auto state = [](DeliveryState s) { return std::to_string(static_cast<int>(s)); };
  EXPECT_EQ(recorder.seen,
            (Strings{"0:" + state(DeliveryState::kInFlight), "0:" + state(DeliveryState::kAccepted),
                     "1:" + state(DeliveryState::kInFlight),
                     "1:" + state(DeliveryState::kRefused) + " mailer exit status 75"}));
  EXPECT_EQ(ui_.boxes.at(1).text,
            "mailer exit status 75\n\n1 Mail Messages had already been handed to the mail "
            "client:\nAnn;");
}

TEST_F(MapiDeliveryTest, FreeFormMessageGoesToEveryRowIgnoringMarksAndTestMode) {
  w_.Add(smtp_testing::ThreePeople());
  w_.Mark(2);
  w_.send.TestMode = true;
  w_.send.TestAddress = "me@example.net";
  confirm_dialog_ = false;
  delivery_.MapiSendMessage();
  EXPECT_TRUE(client_.log.empty());  // cancelled: no logon

  confirm_dialog_ = true;
  delivery_.MapiSendMessage();
  EXPECT_EQ(SentTo(), (Strings{"ann@example.org", "bob@example.org", "cid@example.org"}));
  EXPECT_EQ(client_.sent[2].subject, "Cid News");
  EXPECT_EQ(client_.sent[2].text, "Party on Friday" + w_.roster.MessageFooter);
  EXPECT_EQ(ui_.boxes.at(0).text, "3 Mail Messages Sent to\nAnn;Bob;Cid;" + Reminder("sent"));
  EXPECT_EQ(ui_.StatusText(), "3 Mail Messages Sent");
}

TEST_F(MapiDeliveryTest, FailedLogoffIsReportedAndStillCountsAsLoggedOff) {
  delivery_.MapiLogon();
  client_.fail_sign_off = true;
  delivery_.MapiLogoff();
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text, "Logoff Failure: client busy");
  EXPECT_EQ(ui_.boxes[0].style, mb::kOkOnly);
  EXPECT_FALSE(w_.roster.MapiLoggedOn);
  EXPECT_EQ(client_.message_session, 101);  // only a successful logoff clears it
}

}  // namespace
}  // namespace mail
