#include "mail/smtp/smtp_engine.h"

#include <gtest/gtest.h>

#include <regex>

#include "mail/smtp_engine_fixture.h"

namespace {

using namespace engine_testing;
using namespace std::chrono_literals;

TEST_F(EngineTest, DrawingRunWithLoginSendsEveryNotificationAndLogsTheDocumentedEntries) {
  Start("mail.example.org:2525", true, ThreePeople(), "Hello", "Your Secret Santa");
  EXPECT_EQ(Of(Kind::kStatus).front().text,
            "Connecting to SMTP mail server mail.example.org:2525...");
  Login(true);
  for (int i = 0; i < 3; ++i) OneMessage();
  EXPECT_EQ(Sent(), "QUIT\r\n\r\n");
  EXPECT_EQ(LastStatus(), "Disconnecting from SMTP mail server mail.example.org:2525...");
  Reply("221 Bye\r\n");

  EXPECT_FALSE(E().Active());
  EXPECT_EQ(Count(Kind::kFinished), 1);
  ASSERT_EQ(Boxes().size(), 1u);
  ExpectLastBox("3 Mail Messages Sent to\nAnn;Bob;Cid;\n", mb::kOkOnly, "HLMR");
  EXPECT_EQ(LastStatus(), "3 Mail Messages Sent");
  EXPECT_FALSE(log_open);
  EXPECT_TRUE(timers.empty());

  std::vector<std::string> head(log.begin(), log.begin() + 12);
  std::vector<std::string> expected = {
      "Send_SMTP Connect to mail.example.org",
      "RECEIVED [ 220 mail.example.org ESMTP\r\n ]",
      "SENT[ EHLO [127.0.0.1] ]",
      "RECEIVED [ 250-mail.example.org\r\n250-AUTH LOGIN PLAIN\r\n250 HELP\r\n ]",
      "SENT [ AUTH PLAIN ******** ]",
      "RECEIVED [ 235 2.7.0 Authentication successful\r\n ]",
      "SENT [ MAIL FROM:<alice@example.org> ]",
      "RECEIVED [ 250 OK\r\n ]",
      "SENT [ RCPT TO:<ann@example.org> ]",
      "RECEIVED [ 250 OK\r\n ]",
      "SENT [ DATA ]",
      "RECEIVED [ 354 End data with <CR><LF>.<CR><LF>\r\n ]"};
  EXPECT_EQ(head, expected);
  EXPECT_EQ(Of(Kind::kSend).at(1).text, "AUTH PLAIN AGFsaWNlAHNlY3JldA==\r\n");
  // The log keeps each message's headers and size, never its text (that is the drawing).
  EXPECT_TRUE(log[12].starts_with("From: ")) << log[12];
  EXPECT_NE(log[12].find("\r\nSubject: Ann Your Secret Santa\r\n"), std::string::npos);
  EXPECT_TRUE(log[12].ends_with(" bytes not logged]")) << log[12];
  EXPECT_EQ(log[13], "SENT [ . ]");
  EXPECT_EQ(log[15], "START MAIL_DOT");
  EXPECT_EQ(log[16], "SENT [ MAIL FROM:<alice@example.org> ]");
  for (const std::string& entry : log) {
    EXPECT_EQ(entry.find("Hello"), std::string::npos) << entry;
    EXPECT_EQ(entry.find("Secret Santa for"), std::string::npos) << entry;
    EXPECT_EQ(entry.find("AGFsaWNl"), std::string::npos) << entry;
  }
  EXPECT_EQ(std::vector<std::string>(log.end() - 4, log.end()),
            (std::vector<std::string>{"START MAIL_DOT", "END MAIL_DOT", "RECEIVED [ 221 Bye\r\n ]",
                                      "SMTP ERROR OR Disconnect"}));

  // Each notification names the giver in its subject and the receiver in its text.
  EXPECT_NE(Wire().find("Subject: Bob Your Secret Santa\r\n"), std::string::npos);
  EXPECT_NE(Wire().find("You are a Secret Santa for Cid\r\n\r\nNotes, Gift Suggestions, or Special "
                        "Instructions for Cid:\r\n\r\n\r\n===="),
            std::string::npos);
  EXPECT_TRUE(HadStatus(" Sending email 2 of 3 to Bob ..."));
}

TEST_F(EngineTest, TheEhloOfferAndTheLoginSettingDecideTheNextCommand) {
  struct Case {
    const char *server, *ehlo, *next;
    bool auth;
    int port;
  } cases[] = {
      {"mail.example.org", kEhlo, kMailFrom, false, 25},  // no login: no AUTH whatever is offered
      {"mail.example.org", "250-mx\r\n250-SIZE 1000\r\n250 AUTH CRAM-MD5 LOGIN\r\n",
       "AUTH LOGIN\r\n", true, 25},  // offered on the last line only
      {"mail.example.org", "250-mx\r\n250-AUTH=LOGIN\r\n250 8BITMIME\r\n", "AUTH LOGIN\r\n", true,
       25},
      {"mail.example.org:465", "250-mx\r\n250-STARTTLS\r\n250 HELP\r\n", kMailFrom, false, 465},
      {"mail.example.org", "250-mx\r\n250-AUTH=PLAIN\r\n250 HELP\r\n",
       "AUTH PLAIN AGFsaWNlAHNlY3JldA==\r\n", true, 25},  // PLAIN preferred, the older form
      {"mail.example.org", "250-mx\r\n250-AUTH CRAM-MD5 LOGINX\r\n250-AUTHLOGIN\r\n250 HELP\r\n",
       "QUIT\r\n\r\n", true, 25},  // neither PLAIN nor LOGIN: checked further below
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ehlo);
    Reset();
    Start(c.server, c.auth);
    Login(false, c.ehlo);
    EXPECT_EQ(Of(Kind::kConnect).at(0).port, c.port);
    EXPECT_EQ(log[2], c.auth ? "SENT[ EHLO [127.0.0.1] ]" : "EHLO [127.0.0.1]");
    EXPECT_EQ(Sent(), c.next);
    EXPECT_EQ(Wire().find("AUTH") != std::string::npos, Sent().starts_with("AUTH"));
    EXPECT_EQ(Count(Kind::kStartTls), 0);  // implicit TLS on 465 never asks for STARTTLS
  }
  ASSERT_EQ(Boxes().size(), 1u);
  ExpectLastBox(" ERROR: SMTP mail server authentication not supported", mb::kCritical);
  EXPECT_EQ(LastStatus(), "Disconnecting from SMTP mail server: authentication not supported");
  EXPECT_EQ(log[log.size() - 2], "SENT [ QUIT ]");
  EXPECT_EQ(log.back(), "MAIL AUTH FAILED");
  EXPECT_FALSE(log_open);
  EXPECT_FALSE(E().Active());
}

TEST_F(EngineTest, RepliesAreFramedAcrossSegmentsAndByteByByte) {
  Start("mail.example.org", true);
  E().OnConnected();
  Reply("220 mx ESMTP\r\n");
  for (char c : std::string("250-mx\r\n250-X-STARTTLS\r\n250-STARTTLSX\r\n250 AUTH LOGIN\r\n")) {
    EXPECT_EQ(Sent(), "EHLO [127.0.0.1]\r\n");  // nothing goes out on a partial reply
    Reply(std::string(1, c));
  }
  EXPECT_EQ(Sent(), "AUTH LOGIN\r\n");
  // Two complete replies in one segment are two steps.
  Reply("334 VXNlcm5hbWU6\r\n334 UGFzc3dvcmQ6\r\n");
  EXPECT_EQ(Sent(), "c2VjcmV0\r\n");
  EXPECT_EQ(std::vector<std::string>(log.end() - 2, log.end()),
            (std::vector<std::string>{"RECEIVED [ 334 UGFzc3dvcmQ6\r\n ]", "SENT [ ******** ]"}));
}

TEST_F(EngineTest, OverlongRepliesEndTheRunInsteadOfGrowing) {
  for (bool one_line : {true, false}) {
    Reset();
    Start("mail.example.org", false);
    E().OnConnected();
    std::string chunk = one_line ? std::string(1000, 'x') : "220-" + std::string(60, 'y') + "\r\n";
    for (int i = 0; i < 2000 && E().Active(); ++i)
      Reply(i == 0 && one_line ? "220 " + chunk : chunk);
    EXPECT_FALSE(E().Active());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].text.find("mail.example.org"), std::string::npos);
    EXPECT_FALSE(log_open);
  }
}

TEST_F(EngineTest, StartTlsWhenOfferedThenEhloAgainAndNothingFromBeforeTheHandshakeIsUsed) {
  Start("mail.example.org:587", true);
  Login(false, "250-mx\r\n250-STARTTLS\r\n250 AUTH LOGIN\r\n");
  EXPECT_EQ(Sent(), "STARTTLS\r\n");
  // An attacker's reply injected behind the 220, and more before the handshake: all dropped.
  Reply("220 ready\r\n334 VXNlcm5hbWU6\r\n");
  EXPECT_EQ(Count(Kind::kStartTls), 1);
  Reply("235 fake\r\n");
  EXPECT_EQ(Sent(), "STARTTLS\r\n");
  E().OnTlsEstablished();
  Drain();
  EXPECT_EQ(Sent(), "EHLO [127.0.0.1]\r\n");
  Reply("250-mx\r\n250-STARTTLS\r\n250 AUTH LOGIN\r\n");  // offered again: already secure
  EXPECT_EQ(Sent(), "AUTH LOGIN\r\n");
  EXPECT_EQ(Count(Kind::kStartTls), 1);
}

TEST_F(EngineTest, DataIsNormalisedAndDotStuffedAndUserTextCannotInjectCommands) {
  Start("mail.example.org", false,
        {{"Ann", "ann@example.org\r\nRCPT TO:<evil@example.com>", ".\r\nMAIL FROM:<x>", 2},
         {"Bob", "bob@example.org", ".lead\nbare LF\rbare CR\r\n.", 1}},
        ".first line\n.\nlast");
  Login(false);
  Reply("250 OK\r\n");
  EXPECT_EQ(Sent(), "RCPT TO:<ann@example.orgRCPT TO:<evil@example.com>>\r\n");
  Reply("250 OK\r\n");
  Reply("354 go\r\n");
  std::string data = Sent(2);
  EXPECT_EQ(Sent(), ".\r\n");
  // Every line end is CR LF, and no line of the data is a lone ".".
  EXPECT_EQ(std::regex_replace(data, std::regex("\r\n"), "").find_first_of("\r\n"),
            std::string::npos);
  EXPECT_EQ(data.find("\r\n.\r\n"), std::string::npos);
  EXPECT_NE(data.find("\r\n..first line\r\n..\r\nlast"), std::string::npos);
  EXPECT_NE(data.find("for Bob:\r\n..lead\r\nbare LF\r\nbare CR\r\n..\r\n"), std::string::npos);
  EXPECT_EQ(data.substr(data.size() - 2), "\r\n");
}

TEST_F(EngineTest, ReSendModeSendsOnlyMarkedRowsAndEndsWithTheNewCommand) {
  w_->roster.ReSendMode = true;
  Start("mail.example.org", false,
        {{"Ann", "ann@x.org", "", 2},
         {"Bob", "bob@x.org", "", 3},
         {"Cid", "cid@x.org", "", 4},
         {"Dee", "dee@x.org", "", 1}});
  EXPECT_EQ(Count(Kind::kConnect), 0);
  ASSERT_EQ(Boxes().size(), 1u);
  ExpectLastBox("No Messages selected to send", mb::kInformation);
  EXPECT_TRUE(log.empty());

  w_->Mark(2);
  w_->Mark(4);
  StartDrawing();
  Login(false);
  OneMessage();
  EXPECT_EQ(Sent(), kMailFrom);
  OneMessage();
  Reply("221 bye\r\n");
  EXPECT_TRUE(HadStatus(" Re-Sending email 2 of 4 to Dee ..."));
  EXPECT_EQ(Boxes().back().text, "2 Mail Messages Re-Sent to\nBob;Dee;\n");
  EXPECT_EQ(LastStatus(), "2 Mail Messages Re-Sent");
  EXPECT_EQ(Count(Kind::kRunNew), 1);
}

TEST_F(EngineTest, FreeFormRunNeedsTheDialogAndTestModeSendsEveryMessageToTheTestAddress) {
  w_->Add(ThreePeople());
  w_->UseServer("mail.example.org", false);
  E().SmtpSendMessage(w_->Message());  // the dialog was cancelled
  Drain();
  EXPECT_EQ(Count(Kind::kConnect) + Count(Kind::kStatus), 0);
  EXPECT_EQ(Count(Kind::kFinished), 1);

  w_->Confirm("S", "B");
  w_->send.TestMode = true;
  w_->send.TestAddress = " tester@example.org ";
  E().SmtpSendMessage(w_->Message());
  Drain();
  EXPECT_EQ(log.front(), "SendMessage_SMTP Connect to mail.example.org");
  Login(false);
  for (int i = 0; i < 3; ++i) OneMessage();
  Reply("221 bye\r\n");
  const std::string wire = Wire();
  int n = 0;
  for (std::size_t p = wire.find("RCPT"); p != std::string::npos; p = wire.find("RCPT", p + 1), ++n)
    EXPECT_EQ(wire.compare(p, 30, "RCPT TO:<tester@example.org>\r\n"), 0);
  EXPECT_EQ(n, 3);
  EXPECT_NE(wire.find("Subject: Cid S"), std::string::npos);
  EXPECT_EQ(wire.find("Secret Santa for"), std::string::npos);
  EXPECT_EQ(Boxes().back().text,
            "3 Mail Messages Sent to\nAnn;Bob;Cid;\n\nTest Mode: every message went to  "
            "tester@example.org , not to the participants.");
}

TEST_F(EngineTest, FirstMessageErrorEndsWithTheErrorBox) {
  w_->roster.ReSendMode = true;
  w_->Add(ThreePeople());
  w_->Mark(1);
  Start("mail.example.org", true, {});
  Login(false);
  Reply("535 5.7.139 Authentication unsuccessful, basic authentication is disabled.\r\n");
  EXPECT_FALSE(E().Active());
  ASSERT_EQ(Boxes().size(), 1u);
  // The documented text, then the line that says what to do instead.
  ExpectLastBox(
      "SMTP Error: 535 5.7.139 Authentication unsuccessful, basic authentication is "
      "disabled.\r\nMicrosoft no longer accepts passwords for this account: choose "
      "\"Sign in with Microsoft\" in Tools->Settings instead of a password.",
      mb::kInformation, "SMTP Error");
  EXPECT_EQ(log.back(), "SMTP ERROR OR Disconnect");
  EXPECT_TRUE(HadStatus("Disconnecting from SMTP mail server mail.example.org..."));
  EXPECT_EQ(LastStatus(), "No messages were sent");  // the disconnect is over
  EXPECT_FALSE(log_open);
  EXPECT_EQ(Count(Kind::kRunNew), 1);
}

TEST_F(EngineTest, LaterFailuresReconnectSixTimesWithATimedWaitThenAskRetryOrCancel) {
  std::vector<Person> people;
  for (int i = 1; i <= 5; ++i)
    people.push_back({"P" + std::to_string(i), "p" + std::to_string(i) + "@x.org", "", i % 5 + 1});
  Start("mail.example.org", false, people);
  Login(false);
  OneMessage();
  OneMessage(false);
  Reply("421 4.3.0 closing\r\n");  // second message composed, then the server gives up
  answers = {mb::kRetry, mb::kCancel};
  // Six automatic reconnects, then one more after the user chose Retry. The texts of the
  // question and the abort are checked against a real server in the ui tests.
  for (int round = 1; round <= 7; ++round) {
    EXPECT_EQ(LastStatus(), "Server Disconnected, Automatic re-connecting in 10 seconds...");
    EXPECT_EQ(timers[SmtpTimer::kReconnectWait], 8000ms);
    const int connects_before = Count(Kind::kConnect);
    Fire(SmtpTimer::kReconnectWait);
    EXPECT_EQ(LastStatus(), "Re-Connecting to SMTP mail server mail.example.org...");
    EXPECT_EQ(Count(Kind::kConnect), connects_before);
    Fire(SmtpTimer::kReconnectWait);
    EXPECT_EQ(Count(Kind::kConnect), connects_before + 1);
    Login(false);
    Reply("250 OK\r\n");
    Reply("250 OK\r\n");
    EXPECT_EQ(E().CurrentRow, 2);  // the refused message again, not the next one
    EXPECT_EQ(Boxes().size(), round == 7 ? 1u : 0u);
    Reply(round >= 6 ? "421 4.7.0 go away\r\n" : "421 again\r\n");  // no DATA this time
  }
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_TRUE(Boxes()[1].needs_answer);
  EXPECT_EQ(Boxes()[1].title, "SMTP Error");
  EXPECT_FALSE(E().Active());
  EXPECT_FALSE(log_open);
  // Still waiting: everyone whose message the server never accepted.
  EXPECT_EQ(E().NotNotifiedNames(), "P2;P3;P4;P5;");
}

TEST_F(EngineTest, SilentServerEndsTheRunWithAClearMessageAfterTheRfcTimeouts) {
  Start("mail.example.org", false);
  EXPECT_EQ(timers[SmtpTimer::kReply], 5min);
  Login(false);
  Reply("250 OK\r\n");
  Reply("250 OK\r\n");
  EXPECT_EQ(timers[SmtpTimer::kReply], 2min);
  Reply("354 go\r\n");
  EXPECT_EQ(timers[SmtpTimer::kReply], 10min);
  Fire(SmtpTimer::kReply);
  EXPECT_FALSE(E().Active());
  ASSERT_EQ(Boxes().size(), 1u);  // the time-out; Ann's message is unconfirmed
  EXPECT_EQ(E().Outcomes()[0].state, mail::DeliveryState::kUnconfirmed);
  EXPECT_EQ(Boxes()[0].text,
            "The SMTP mail server mail.example.org did not answer within 600 seconds; the "
            "connection was closed.");
  EXPECT_GE(Count(Kind::kClose), 1);
  EXPECT_FALSE(log_open);

  // Silence after QUIT: every message is in, so the run ends with its summary.
  Reset();
  Start("mail.example.org", false);
  Login(false);
  for (int i = 0; i < 3; ++i) OneMessage();
  Fire(SmtpTimer::kReply);
  EXPECT_EQ(Boxes().back().text, "3 Mail Messages Sent to\nAnn;Bob;Cid;\n");
}

TEST_F(EngineTest, StartFailuresShowTheirMessages) {
  Start("mailexample", false);  // no dot
  EXPECT_FALSE(log_open);
  EXPECT_EQ(Boxes().back().text,
            "Invalid SMTP entry, please change setting under the Tools->Settings menu");
  EXPECT_EQ(LastStatus(), Boxes().back().text);

  w_->UseServer("mail.example.org", false);
  w_->settings.SMTPUserName = "Bob";  // the dialog allows 3 characters, the run wants 4
  StartDrawing();
  EXPECT_EQ(Boxes().size(), 2u);

  w_->UseServer("mail.example.org:smtp", false);
  w_->roster.ReSendMode = true;
  w_->Mark(1);
  StartDrawing();
  ExpectLastBox("Error Failed to connect to SMTP Server", mb::kCritical);
  EXPECT_FALSE(log_open);
  EXPECT_EQ(Count(Kind::kRunNew), 1);

  auto ctx = w_->Context();
  ctx.internet_connected = [] { return false; };
  engine_ = std::make_unique<mail::SmtpEngine>(ctx);
  w_->UseServer("mail.example.org", false);
  fail_log_open = true;
  StartDrawing();
  EXPECT_EQ(Count(Kind::kConnect), 0);
  EXPECT_EQ(Boxes().back().text, "Error This operation requires a internet connection");
  EXPECT_FALSE(E().Active());
}

TEST_F(EngineTest, ARunCutShortSaysHowFarItGotInsteadOfStillSending) {
  Start("mail.example.org:2525", false);
  Login(false);
  OneMessage();
  E().Winsock1_Error(10060, "Operation timed out");
  Drain();
  EXPECT_NE(Boxes().front().text.find("mail.example.org:2525 did not answer"), std::string::npos)
      << Boxes().front().text;
  EXPECT_EQ(LastStatus(), "1 of 3 Mail Messages Sent; the others were not notified");
}

TEST_F(EngineTest, SocketErrorAndHandlerErrorEndTheRun) {
  Start("mail.example.org", false);
  E().Winsock1_Error(10061, "Connection refused");
  Drain();
  ExpectLastBox(
      "Winsock1 Error number 10061\r\nConnection refused\r\nNothing accepted the connection at "
      "mail.example.org:25: check the server name and port under Tools->Setup (587 for STARTTLS, "
      "465 for implicit TLS).",
      mb::kExclamation, "Winsock1 Error");
  EXPECT_EQ(LastStatus(), "No messages were sent");
  EXPECT_FALSE(log_open);
  EXPECT_FALSE(E().Active());

  // A giver without a drawn receiver: the roster gives no list, so nothing goes out at all.
  w_->roster.grid().SetTextMatrix(2, roster::kColResult, "x");
  try {
    w_->Drawing();
    ADD_FAILURE() << "a list without Bob's receiver";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Row 2 holds no drawn receiver");
  }
}

}  // namespace
