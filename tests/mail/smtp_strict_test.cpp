// The session insists on the reply each command expects, settles every delivery on its own
// (accepted, refused with the reply, unconfirmed, not attempted), requires encryption unless
// the user allows otherwise, and pipelines where the server offers it.

#include <gtest/gtest.h>

#include "mail/smtp_engine_fixture.h"

namespace {

using namespace engine_testing;
using mail::DeliveryState;

constexpr const char* kPipelining =
    "250-mail.example.org\r\n250-PIPELINING\r\n250-AUTH LOGIN PLAIN\r\n250 HELP\r\n";

std::vector<Person> People(int n) {
  static const char* names[] = {"Ann", "Bob", "Cid", "Dee", "Eve"};
  std::vector<Person> people;
  for (int i = 0; i < n; ++i)
    people.push_back({names[i], std::string(names[i]) + "@x.org", "", (i + 1) % n + 1});
  return people;
}

class StrictTest : public EngineTest {
 protected:
  std::vector<DeliveryState> States() {
    std::vector<DeliveryState> states;
    for (const auto& o : E().Outcomes()) states.push_back(o.state);
    return states;
  }
  int Sends(const std::string& command) {
    const std::string wire = Wire();
    int n = 0;
    for (std::size_t p = wire.find(command); p != std::string::npos; p = wire.find(command, p + 1))
      ++n;
    return n;
  }
};

TEST_F(StrictTest, LoginAndDataRepliesOutsideTheirCodesSendNothing) {
  // A server that answers every login line with 334 never gets a message.
  Start("mail.example.org", true);
  Login(false, "250-mx\r\n250 AUTH LOGIN\r\n");
  for (int i = 0; i < 6 && E().Active(); ++i) Reply("334 VXNlcm5hbWU6\r\n");
  EXPECT_FALSE(E().Active());
  EXPECT_EQ(Sends("MAIL FROM"), 0);
  ExpectLastBox(
      "SMTP Error: 334 VXNlcm5hbWU6\r\nThe server mail.example.org:25 answered in a way that does "
      "not fit this step: check that Tools->Setup names an SMTP server and its submission port.",
      mb::kInformation, "SMTP Error");
  EXPECT_EQ(States(), std::vector<DeliveryState>(3, DeliveryState::kNotAttempted));

  // 250 where DATA wants 354: the message text is never sent as commands.
  Reset();
  Start("mail.example.org", false);
  Login(false);
  Reply("250 OK\r\n");
  Reply("250 OK\r\n");
  Reply("250 OK\r\n");
  EXPECT_EQ(Wire().find("Subject:"), std::string::npos);
  EXPECT_FALSE(E().Active());
  EXPECT_EQ(Count(Kind::kClose) > 0, true);
  EXPECT_NE(Boxes().back().text.find("SMTP Error: 250 OK"), std::string::npos);
}

TEST_F(StrictTest, RefusalsSettleOneRecipientAndTheRunGoesOn) {
  Start("mail.example.org", false, People(5));
  Login(false);
  Reply("250 OK\r\n");
  Reply("550 5.1.1 Ann unknown\r\n");  // permanent: refused, RSET, next
  EXPECT_EQ(Sent(), "RSET\r\n");
  Reply("250 flushed\r\n");
  Reply("250 OK\r\n");
  Reply("451 4.2.0 Bob greylisted\r\n");  // temporary: tried again at the end
  Reply("250 flushed\r\n");
  OneMessage();                          // Cid
  OneMessage();                          // Dee
  Reply("421 4.3.2 shutting down\r\n");  // Eve's MAIL: the connection is gone
  EXPECT_EQ(LastStatus(), "Server Disconnected, Automatic re-connecting in 10 seconds...");
  Fire(SmtpTimer::kReconnectWait);
  Fire(SmtpTimer::kReconnectWait);
  Login(false);
  OneMessage();  // Eve
  EXPECT_TRUE(HadStatus(" Sending email 3 of 5 to Eve ..."));
  for (int retry = 0; retry < 3; ++retry) {
    Reply("250 OK\r\n");
    EXPECT_EQ(Sent(), "RCPT TO:<Bob@x.org>\r\n");
    Reply("451 4.2.0 Bob greylisted\r\n");
    Reply("250 flushed\r\n");
  }
  EXPECT_EQ(Sent(), "QUIT\r\n\r\n");
  Reply("221 bye\r\n");

  EXPECT_EQ(States(),
            (std::vector<DeliveryState>{DeliveryState::kRefused, DeliveryState::kRefused,
                                        DeliveryState::kAccepted, DeliveryState::kAccepted,
                                        DeliveryState::kAccepted}));
  EXPECT_EQ(E().Outcomes()[0].reply, "550 5.1.1 Ann unknown");
  EXPECT_EQ(Sends("RCPT TO:<Bob@x.org>"), 4);  // one try and three more
  EXPECT_EQ(E().Outcomes()[1].reply, "451 4.2.0 Bob greylisted");
  // Who is missing is the ledger's to tell; the session names them in its log.
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "3 Mail Messages Sent to\nCid;Dee;Eve;\n");
  EXPECT_EQ(E().NotNotifiedNames(), "Ann;Bob;");
}

TEST_F(StrictTest, ADropAfterTheEndOfDataLeavesThatMessageUnconfirmed) {
  Start("mail.example.org", false);
  Login(false);
  OneMessage(false);
  E().OnPeerClosed();
  Drain();
  EXPECT_FALSE(E().Active());
  EXPECT_EQ(States()[0], DeliveryState::kUnconfirmed);
  EXPECT_EQ(States()[1], DeliveryState::kNotAttempted);

  // Later in a run the reconnect sends it again: a duplicate is acceptable, a loss is not.
  Reset();
  Start("mail.example.org", false);
  Login(false);
  OneMessage();
  OneMessage(false);
  E().OnPeerClosed();
  Drain();
  EXPECT_EQ(States()[1], DeliveryState::kUnconfirmed);
  Fire(SmtpTimer::kReconnectWait);
  Fire(SmtpTimer::kReconnectWait);
  Login(false);
  OneMessage();
  OneMessage();
  Reply("221 bye\r\n");
  EXPECT_EQ(States(), std::vector<DeliveryState>(3, DeliveryState::kAccepted));
  EXPECT_EQ(Boxes().back().text, "3 Mail Messages Sent to\nAnn;Bob;Cid;\n");
}

TEST_F(StrictTest, WithoutStartTlsNothingIsSentUnlessTheUserAllowsIt) {
  for (bool allowed : {false, true}) {
    SCOPED_TRACE(allowed);
    Reset();
    w_->Add(ThreePeople());
    w_->UseServer("mail.example.org", true);
    w_->settings.AllowUnencryptedSMTP = allowed;
    w_->Confirm("S", "B");
    StartDrawing();
    Login(false);
    EXPECT_EQ(Sends("AUTH"), allowed ? 1 : 0);
    EXPECT_EQ(E().Active(), allowed);
    if (!allowed) {
      ASSERT_EQ(Boxes().size(), 1u);
      EXPECT_NE(Boxes()[0].text.find("mail.example.org does not offer an encrypted connection"),
                std::string::npos);
      EXPECT_EQ(Count(Kind::kClose), 1);
    }
  }

  // Encrypted once, encrypted always: a reconnect whose offer lost STARTTLS stops the run,
  // even with unencrypted SMTP allowed.
  Reset();
  Start("mail.example.org:587", true, People(4));
  Login(false, "250-mx\r\n250-STARTTLS\r\n250 AUTH PLAIN\r\n");
  Reply("220 go ahead\r\n");
  E().OnTlsEstablished();
  Drain();
  Reply("250-mx\r\n250 AUTH PLAIN\r\n");
  Reply("235 ok\r\n");
  OneMessage();
  OneMessage(false);
  Reply("421 4.3.2 bye\r\n");
  Fire(SmtpTimer::kReconnectWait);
  Fire(SmtpTimer::kReconnectWait);
  const int auths = Sends("AUTH");
  Login(false, "250-mx\r\n250 AUTH PLAIN\r\n");
  EXPECT_EQ(Sends("AUTH"), auths);
  EXPECT_FALSE(E().Active());
  ASSERT_EQ(Boxes().size(), 1u);  // the warning
  EXPECT_NE(Boxes()[0].text.find("An earlier connection of this run was encrypted"),
            std::string::npos)
      << Boxes()[0].text;
}

TEST_F(StrictTest, PipelinedRepliesAreMatchedToTheirDeliveriesInOrder) {
  Start("mail.example.org", false, People(4));
  Login(false, kPipelining);
  // The whole envelope in one go.
  const auto& sends = Of(Kind::kSend);
  ASSERT_GE(sends.size(), 3u);
  EXPECT_EQ(sends.end()[-3].text + sends.end()[-2].text + sends.end()[-1].text,
            std::string(kMailFrom) + "RCPT TO:<Ann@x.org>\r\nDATA\r\n");
  const std::size_t before = sends.size();
  Reply("250 OK\r\n250 OK\r\n354 go\r\n");
  // Ann's text and end, then Bob's envelope, all in one event.
  EXPECT_EQ(sends.size(), before + 5);
  EXPECT_EQ(sends.end()[-3].text, kMailFrom);
  EXPECT_EQ(sends.end()[-2].text, "RCPT TO:<Bob@x.org>\r\n");
  // Ann accepted; Bob's recipient refused, so his DATA fails too; then RSET and Cid.
  Reply("250 queued\r\n250 OK\r\n550 5.1.1 no Bob\r\n554 no valid recipients\r\n");
  EXPECT_EQ(sends.end()[-4].text, "RSET\r\n");
  EXPECT_EQ(sends.end()[-2].text, "RCPT TO:<Cid@x.org>\r\n");
  Reply("250 flushed\r\n250 OK\r\n250 OK\r\n354 go\r\n");
  // Cid's end refused while Dee's envelope waits behind it.
  Reply("554 5.7.1 spam\r\n250 OK\r\n250 OK\r\n354 go\r\n");
  Reply("250 queued\r\n");
  EXPECT_EQ(Sent(), "QUIT\r\n\r\n");
  Reply("221 bye\r\n");
  EXPECT_EQ(States(),
            (std::vector<DeliveryState>{DeliveryState::kAccepted, DeliveryState::kRefused,
                                        DeliveryState::kRefused, DeliveryState::kAccepted}));
  EXPECT_EQ(E().Outcomes()[1].reply, "550 5.1.1 no Bob");
  EXPECT_EQ(E().Outcomes()[2].reply, "554 5.7.1 spam");
  EXPECT_EQ(Boxes().front().text, "2 Mail Messages Sent to\nAnn;Dee;\n");

  // Turned off, the same server is served one command at a time.
  Reset();
  Start("mail.example.org", false);
  engine_->context().pipelining = false;
  Login(false, kPipelining);
  EXPECT_EQ(Sent(), kMailFrom);
}

// Cancel stops before any message whose text has not gone out: an open envelope is
// abandoned, never finished with an empty text.
TEST_F(StrictTest, CancelWhileAnEnvelopeIsOpenSendsNoFurtherMessage) {
  // One command at a time: the envelope is reset and the session ends.
  Start("mail.example.org", false);
  Login(false);
  E().RequestStop();
  Reply("250 OK\r\n");
  EXPECT_EQ(Sent(), "RSET\r\n");
  Reply("250 flushed\r\n");
  EXPECT_EQ(Sent(), "QUIT\r\n\r\n");
  Reply("221 bye\r\n");
  EXPECT_FALSE(E().Active());
  EXPECT_EQ(Sends("RCPT TO"), 0);
  EXPECT_EQ(States(), std::vector<DeliveryState>(3, DeliveryState::kNotAttempted));
  EXPECT_EQ(Boxes().back().text, "0 Mail Messages Sent to\n\n");

  // Pipelined, the server already opened the data: the connection is dropped without a text.
  Reset();
  Start("mail.example.org", false);
  Login(false, kPipelining);
  E().RequestStop();
  Reply("250 OK\r\n250 OK\r\n354 go\r\n");
  EXPECT_FALSE(E().Active());
  EXPECT_EQ(Wire().find("Subject:"), std::string::npos);
  EXPECT_GT(Count(Kind::kClose), 0);
  EXPECT_EQ(States(), std::vector<DeliveryState>(3, DeliveryState::kNotAttempted));

  // Cancelled while Ann's text is out and Bob's envelope behind it: Ann's message finishes,
  // Bob's never starts.
  Reset();
  Start("mail.example.org", false);
  Login(false, kPipelining);
  Reply("250 OK\r\n250 OK\r\n354 go\r\n");
  E().RequestStop();
  Reply("250 queued\r\n250 OK\r\n250 OK\r\n354 go\r\n");
  EXPECT_FALSE(E().Active());
  EXPECT_EQ(Sends("Subject:"), 1);
  EXPECT_EQ(States(),
            (std::vector<DeliveryState>{DeliveryState::kAccepted, DeliveryState::kNotAttempted,
                                        DeliveryState::kNotAttempted}));
  EXPECT_EQ(Boxes().back().text, "1 Mail Messages Sent to\nAnn;\n");
}

}  // namespace
