// The desktop-mail operations against a scripted mail client.

#include "mail/mapi_delivery.h"

#include <gtest/gtest.h>

#include "mail/fake_mail_client.h"
#include "support/fake_ui.h"

namespace mail {
namespace {

using roster::kColEmail;
using roster::kColName;
using roster::kColNumber;
using roster::kColResult;
using Strings = std::vector<std::string>;
namespace mb = roster::mb;

constexpr const char* kSendError = "Error while attempting to send messages to MAPI Email Client";
const std::string kSentReminder =
    "\n\r\rPlease check your email client's OutBox Folder to verify that messages have been sent.";
const std::string kResentReminder =
    "\n\r\rPlease check your email client's OutBox Folder to verify that messages have been "
    "re-sent.";

class MapiDeliveryTest : public ::testing::Test {
 protected:
  MapiDeliveryTest() : roster_(ui_), delivery_(roster_, client_, values_) {
    roster_.SetupGrid();
    roster_.MessageFooter = "\r\n\r\n=====\r\nfooter\r\n\r\n";
    delivery_.RunNewCommand = [this] {
      ++new_commands_;
      roster_.ClearList();
      roster_.ReSendMode = false;
    };
    delivery_.ShowSendMessageDialog = [this] {
      values_.SendConfirmed = confirm_dialog_;
      values_.MailSubject = "News";
      values_.MailBody = "Party on Friday";
    };
    values_.MailSubject = "Your Secret Santa Information Enclosed";
    values_.MailBody = "Hello";
    values_.MailTrailer = "You are a Secret Santa for";
  }

  void Add(const std::string& name, const std::string& email, const std::string& notes = "") {
    roster_.AddParticipant("", name, email, notes, false);
  }
  // Ann gives to Bob, Bob to Cid, Cid to Ann.
  void ThreeWithDrawing() {
    Add("Ann", "ann@example.org", "books");
    Add("Bob", "bob@example.org");
    Add("Cid", "cid@example.org", "socks");
    for (int r = 1; r <= 3; ++r)
      roster_.grid().SetTextMatrix(r, kColResult, std::to_string(r % 3 + 1));
  }
  void Mark(int row) { roster_.grid().SetCellColors(row, kColName, roster::kWhite, 255); }
  std::string Cell(int r, int c) { return roster_.grid().TextMatrix(r, c); }
  Strings SentTo() {
    Strings to;
    for (const auto& s : client_.sent) to.push_back(s.to);
    return to;
  }

  testing_support::FakeUi ui_;
  roster::Roster roster_;
  testing_support::FakeMailClient client_;
  SendValues values_;
  MapiDelivery delivery_;
  int new_commands_ = 0;
  bool confirm_dialog_ = true;
};

TEST_F(MapiDeliveryTest, ImportFillsThePlaceholderRowAndStripsTheSmtpPrefix) {
  client_.book = {{{"Ann", "SMTP:ann@example.org"},
                   {"Bob", "smtp:bob@example.org"},
                   {"Cid", "cid@example.org"}}};
  delivery_.AddFromAddressBook();

  EXPECT_EQ(ui_.statuses, (Strings{"Logging on to MAPI Email Client...", "Ready",
                                   "Select participants from AddressBook to Add", "Ready"}));
  EXPECT_TRUE(roster_.MapiLoggedOn);  // the session stays open
  EXPECT_EQ(client_.message_session, 101);
  ASSERT_EQ(roster_.grid().Rows(), 4);
  EXPECT_EQ(Cell(1, kColNumber) + Cell(3, kColNumber), "13");
  EXPECT_EQ(Cell(1, kColEmail), "ann@example.org");
  EXPECT_EQ(Cell(2, kColEmail), "smtp:bob@example.org");  // only the exact upper-case prefix
  EXPECT_EQ(Cell(3, kColName), "Cid");
  EXPECT_EQ(roster_.NextParticipantNumber, 4);
  const roster::Grid& g = roster_.grid();
  EXPECT_EQ(g.CellAt(2, roster::kColExclusions).fore, roster::kRed);
  EXPECT_EQ(g.CellAt(2, kColName).fore, roster::kBlue);
  EXPECT_EQ(g.CellAt(2, kColResult).back, roster::kHiddenColor);
  EXPECT_EQ(g.CellAt(2, kColResult).fore, roster::kHiddenColor);
  EXPECT_TRUE(roster_.commands().Enabled("mnuCalculateSend"));
  EXPECT_TRUE(ui_.boxes.empty());

  // Appending to a roster of four reuses the open session and numbers on.
  Add("Dee", "dee@example.org");
  roster_.NextParticipantNumber = 9;
  client_.log.clear();
  delivery_.AddFromAddressBook();
  EXPECT_EQ(client_.log, Strings{"Show"});
  ASSERT_EQ(g.Rows(), 8);
  EXPECT_EQ(Cell(4, kColName) + Cell(5, kColName), "DeeAnn");
  EXPECT_EQ(Cell(5, kColNumber) + Cell(7, kColNumber), "911");
}

TEST_F(MapiDeliveryTest, CancelledBookAddsNothing) {
  Add("Ann", "ann@example.org");
  delivery_.AddFromAddressBook();  // book not set: cancelled
  EXPECT_EQ(roster_.grid().Rows(), 2);
  EXPECT_EQ(Cell(1, kColName), "Ann");
  EXPECT_EQ(ui_.StatusText(), "Ready");
  EXPECT_TRUE(ui_.boxes.empty());

  roster_.ClearList();
  delivery_.AddFromAddressBook();
  EXPECT_EQ(roster_.grid().Rows(), 2);  // the placeholder row stays
  EXPECT_EQ(roster_.ParticipantCount(), 0);
}

TEST_F(MapiDeliveryTest, FailedLogonForTheBookShowsItsBoxAndKeepsTheStatus) {
  client_.fail_sign_on = true;
  delivery_.AddFromAddressBook();
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text,
            "Error Failed to Logon to MAPI Email Client, This function may not be available if "
            "your email client does not support MAPI, You must add the information by using the "
            "manual addition.");
  EXPECT_EQ(ui_.boxes[0].style, mb::kCritical);
  EXPECT_EQ(ui_.boxes[0].title, "HLMR");
  EXPECT_EQ(ui_.StatusText(), "Logging on to MAPI Email Client...");
  EXPECT_FALSE(roster_.MapiLoggedOn);
  EXPECT_EQ(client_.log, (Strings{"NewSession=0", "SignOn(download=0)"}));
}

TEST_F(MapiDeliveryTest, DrawingSendsEachGiverTheirReceiverAndSummarises) {
  ThreeWithDrawing();
  delivery_.MapiSendDrawing();

  EXPECT_EQ(SentTo(), (Strings{"ann@example.org", "bob@example.org", "cid@example.org"}));
  EXPECT_EQ(client_.sent[0].subject, "Ann Your Secret Santa Information Enclosed");
  EXPECT_EQ(client_.sent[0].type, 1);
  EXPECT_FALSE(client_.sent[0].resolve_ui);
  EXPECT_EQ(client_.sent[0].text,
            "Hello\r\n    :\r\n    :\r\n    :\r\n    :\r\n    :\r\n    :\r\n    :\r\n    :\r\n"
            "    :\r\n    :\r\nYou are a Secret Santa for Bob\r\n\r\nNotes, Gift Suggestions, or "
            "Special Instructions for Bob:\r\n\r\n\r\n=====\r\nfooter\r\n\r\n");

  EXPECT_EQ(ui_.statuses,
            (Strings{"Logging into MAPI Email Client...", "Logging on to MAPI Email Client...",
                     "Ready", " Sending email to Ann ...", " Sending email to Bob ...",
                     " Sending email to Cid ...", "3 Mail Messages Sent"}));
  EXPECT_NE(client_.sent[1].text.find("Special Instructions for Cid:\r\nsocks\r\n"),
            std::string::npos);
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text, "3 Mail Messages Sent to\nAnn;Bob;Cid;" + kSentReminder);
  EXPECT_EQ(ui_.boxes[0].style, mb::kOkOnly);
  // Logoff, then the closing exchange with mail download; the next run logs on again.
  EXPECT_EQ(client_.log, (Strings{"NewSession=0", "SignOn(download=0)", "SignOff",
                                  "SignOn(download=1)", "SignOff"}));
  EXPECT_FALSE(roster_.MapiLoggedOn);
  EXPECT_EQ(client_.message_session, 0);
  EXPECT_EQ(new_commands_, 0);
}

TEST_F(MapiDeliveryTest, ReSendSendsOnlyMarkedRowsAndAlwaysStartsANewList) {
  ThreeWithDrawing();
  roster_.ReSendMode = true;
  delivery_.MapiSendDrawing();  // nothing marked: still closes and summarises
  EXPECT_TRUE(client_.sent.empty());
  EXPECT_EQ(Strings(client_.log.end() - 2, client_.log.end()),
            (Strings{"SignOn(download=1)", "SignOff"}));
  EXPECT_EQ(ui_.boxes.at(0).text, "0 Mail Messages Re-Sent to\n" + kResentReminder);
  EXPECT_EQ(new_commands_, 1);

  ThreeWithDrawing();
  roster_.ReSendMode = true;
  Mark(2);
  Mark(3);
  delivery_.MapiSendDrawing();
  EXPECT_EQ(SentTo(), (Strings{"bob@example.org", "cid@example.org"}));
  EXPECT_EQ(ui_.boxes.at(1).text, "2 Mail Messages Re-Sent to\nBob;Cid;" + kResentReminder);
  EXPECT_NE(std::find(ui_.statuses.begin(), ui_.statuses.end(), " Re-Sending email to Bob ..."),
            ui_.statuses.end());
  EXPECT_EQ(ui_.StatusText(), "2 Mail Messages Re-Sent");
  EXPECT_EQ(new_commands_, 2);
  EXPECT_FALSE(roster_.ReSendMode);
}

TEST_F(MapiDeliveryTest, FailingSendStopsTheRunAndNamesWhatWasHandedOver) {
  ThreeWithDrawing();
  Add("Dee", "dee@example.org");
  roster_.grid().SetTextMatrix(4, kColResult, "1");
  client_.fail_send_number = 3;
  delivery_.MapiSendDrawing();
  EXPECT_EQ(client_.sent.size(), 2u);  // the exact boxes are checked with a real mailer in e2e
  ASSERT_EQ(ui_.boxes.size(), 2u);
  EXPECT_TRUE(ui_.boxes[1].text.ends_with("handed to the mail client:\nAnn;Bob;"));

  // In re-send mode the New command still runs after the error.
  ui_.boxes.clear();
  roster_.ReSendMode = true;
  Mark(1);
  roster_.grid().SetTextMatrix(1, kColResult, "x");  // not a receiver number
  delivery_.MapiSendDrawing();
  EXPECT_EQ(ui_.boxes.at(0).text, kSendError);
  EXPECT_NE(ui_.boxes.at(1).text.find("No message had been handed"), std::string::npos);
  EXPECT_EQ(new_commands_, 1);
}

TEST_F(MapiDeliveryTest, FailedLogonEndsASendWithTheSendError) {
  ThreeWithDrawing();
  client_.fail_sign_on = true;
  roster_.ReSendMode = true;
  delivery_.MapiSendDrawing();
  EXPECT_EQ(ui_.boxes.at(0).text, kSendError);
  EXPECT_EQ(ui_.boxes.at(1).text,
            "logon refused\n\nNo message had been handed to the mail client.");
  EXPECT_EQ(new_commands_, 1);
  EXPECT_TRUE(client_.sent.empty());
}

TEST_F(MapiDeliveryTest, FreeFormMessageGoesToEveryRowIgnoringMarksAndTestMode) {
  ThreeWithDrawing();
  Mark(2);
  values_.TestMode = true;
  values_.TestAddress = "me@example.net";
  confirm_dialog_ = false;
  delivery_.MapiSendMessage();
  EXPECT_TRUE(client_.log.empty());  // cancelled: no logon

  confirm_dialog_ = true;
  delivery_.MapiSendMessage();
  EXPECT_EQ(SentTo(), (Strings{"ann@example.org", "bob@example.org", "cid@example.org"}));
  EXPECT_EQ(client_.sent[2].subject, "Cid News");
  EXPECT_EQ(client_.sent[2].text, "Party on Friday\r\n\r\n=====\r\nfooter\r\n\r\n");
  EXPECT_EQ(ui_.boxes.at(0).text, "3 Mail Messages Sent to\nAnn;Bob;Cid;" + kSentReminder);
  EXPECT_EQ(ui_.StatusText(), "3 Mail Messages Sent");
}

TEST_F(MapiDeliveryTest, FailedLogoffIsReportedAndStillCountsAsLoggedOff) {
  delivery_.MapiLogon();
  client_.fail_sign_off = true;
  delivery_.MapiLogoff();
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text, "Logoff Failure: client busy");
  EXPECT_EQ(ui_.boxes[0].style, mb::kOkOnly);
  EXPECT_FALSE(roster_.MapiLoggedOn);
  EXPECT_EQ(client_.message_session, 101);  // only a successful logoff clears it
}

}  // namespace
}  // namespace mail
