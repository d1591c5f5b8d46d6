#include "mail/smtp_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "mail/smtp_test_roster.h"

namespace {

using mail::SmtpEffect;
using mail::SmtpTimer;
using Kind = SmtpEffect::Kind;
namespace mb = roster::mb;
using namespace std::chrono_literals;

// Carries out the engine's effects by recording them, as a transport would.
class EngineTest : public ::testing::Test {
 protected:
  void Make() { engine_ = std::make_unique<mail::SmtpEngine>(w_.Context()); }
  mail::SmtpEngine& E() {
    if (!engine_) Make();
    return *engine_;
  }

  void Drain() {
    while (auto e = E().NextEffect()) {
      switch (e->kind) {
        case Kind::kConnect:
          connects.push_back(*e);
          break;
        case Kind::kSend:
          wire += e->text;
          sends.push_back(e->text);
          break;
        case Kind::kStartTls:
          ++tls_starts;
          break;
        case Kind::kClose:
          ++closes;
          break;
        case Kind::kOpenLog:
          if (fail_log_open) {
            E().OnLogOpenFailed();
            break;
          }
          log.clear();
          log_open = true;
          break;
        case Kind::kLog:
          EXPECT_TRUE(log_open) << e->text;
          log.push_back(e->text);
          break;
        case Kind::kCloseLog:
          log_open = false;
          break;
        case Kind::kStatus:
          statuses.push_back(e->text);
          break;
        case Kind::kMessageBox: {
          boxes.push_back(*e);
          if (e->needs_answer) {
            int answer = answers.empty() ? mb::kCancel : answers.front();
            if (!answers.empty()) answers.pop_front();
            E().OnAnswer(answer);
          }
          break;
        }
        case Kind::kArmTimer:
          timers[static_cast<int>(e->timer)] = e->delay;
          break;
        case Kind::kCancelTimer:
          timers.erase(static_cast<int>(e->timer));
          break;
        case Kind::kRunNew:
          ++news;
          break;
        case Kind::kFinished:
          ++finished;
          break;
      }
    }
  }
  void StartDrawing() {
    E().SmtpSendDrawing();
    Drain();
  }
  void Connected() {
    E().OnConnected();
    Drain();
  }
  void Reply(const std::string& bytes) {
    E().OnBytes(bytes);
    Drain();
  }
  void Fire(SmtpTimer t) {
    ASSERT_TRUE(timers.count(static_cast<int>(t))) << "timer not armed";
    timers.erase(static_cast<int>(t));
    E().OnTimer(t);
    Drain();
  }
  bool Armed(SmtpTimer t) const { return timers.count(static_cast<int>(t)) > 0; }
  std::string LastSend() const { return sends.empty() ? "" : sends.back(); }
  std::string LastStatus() const { return statuses.empty() ? "" : statuses.back(); }

  // Greeting, EHLO and (with login) the two challenges.
  void Login(bool auth, const std::string& ehlo =
                            "250-mail.example.org\r\n250-AUTH LOGIN PLAIN\r\n250 HELP\r\n") {
    Connected();
    Reply("220 mail.example.org ESMTP\r\n");
    Reply(ehlo);
    if (auth) {
      Reply("334 VXNlcm5hbWU6\r\n");
      Reply("334 UGFzc3dvcmQ6\r\n");
      Reply("235 2.7.0 Authentication successful\r\n");
    }
  }
  // MAIL, RCPT, DATA and the end of data of one message, all accepted.
  void OneMessage() {
    Reply("250 OK\r\n");
    Reply("250 OK\r\n");
    Reply("354 End data with <CR><LF>.<CR><LF>\r\n");
    Reply("250 OK queued\r\n");
  }

  smtp_testing::SmtpWorld w_;
  std::unique_ptr<mail::SmtpEngine> engine_;
  std::vector<SmtpEffect> connects, boxes;
  std::vector<std::string> sends, log, statuses;
  std::string wire;
  std::map<int, std::chrono::milliseconds> timers;
  std::deque<int> answers;
  int tls_starts = 0, closes = 0, news = 0, finished = 0;
  bool log_open = false, fail_log_open = false;
};

TEST_F(EngineTest, DrawingRunWithLoginSendsEveryNotificationAndLogsTheDocumentedEntries) {
  w_.Add(smtp_testing::ThreePeople());
  w_.UseServer("mail.example.org:2525", true);
  w_.Confirm("Your Secret Santa", "Hello");
  StartDrawing();
  ASSERT_EQ(connects.size(), 1u);
  EXPECT_EQ(connects[0].host, "mail.example.org");
  EXPECT_EQ(connects[0].port, 2525);
  EXPECT_FALSE(connects[0].implicit_tls);
  EXPECT_EQ(statuses.front(), "Connecting to SMTP mail server mail.example.org:2525...");
  Login(true);
  for (int i = 0; i < 3; ++i) OneMessage();
  EXPECT_EQ(E().SmtpState, 10);
  EXPECT_EQ(LastSend(), "QUIT\r\n\r\n");
  EXPECT_EQ(LastStatus(), "Disconnecting from SMTP mail server mail.example.org:2525...");
  Reply("221 Bye\r\n");

  EXPECT_FALSE(E().Active());
  EXPECT_EQ(finished, 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "3 Mail Messages Sent to\nAnn;Bob;Cid;\n");
  EXPECT_EQ(boxes[0].style, mb::kOkOnly);
  EXPECT_EQ(boxes[0].title, "HLMR");
  EXPECT_EQ(LastStatus(), "3 Mail Messages Sent");
  EXPECT_EQ(E().SentNames, "Ann;Bob;Cid;");
  EXPECT_FALSE(log_open);
  EXPECT_TRUE(timers.empty());

  std::vector<std::string> head(log.begin(), log.begin() + 16);
  std::vector<std::string> expected = {
      "Send_SMTP Connect to mail.example.org",
      "RECEIVED [ 220 mail.example.org ESMTP\r\n ]",
      "SENT[ EHLO alice ]",
      "RECEIVED [ 250-mail.example.org\r\n250-AUTH LOGIN PLAIN\r\n250 HELP\r\n ]",
      "SENT [ AUTH LOGIN ]",
      "RECEIVED [ 334 VXNlcm5hbWU6\r\n ]",
      "SENT [ YWxpY2U= ]",
      "RECEIVED [ 334 UGFzc3dvcmQ6\r\n ]",
      "SENT [ c2VjcmV0 ]",
      "RECEIVED [ 235 2.7.0 Authentication successful\r\n ]",
      "SENT [ MAIL FROM:<alice@example.org> ]",
      "RECEIVED [ 250 OK\r\n ]",
      "SENT [ RCPT TO:<ann@example.org> ]",
      "RECEIVED [ 250 OK\r\n ]",
      "SENT [ DATA ]",
      "RECEIVED [ 354 End data with <CR><LF>.<CR><LF>\r\n ]"};
  EXPECT_EQ(head, expected);
  EXPECT_EQ(log[17], "SENT [ . ]");
  EXPECT_EQ(log[19], "START MAIL_DOT");
  EXPECT_EQ(log[20], "SENT [ MAIL FROM:<alice@example.org> ]");
  EXPECT_EQ(log[log.size() - 4], "START MAIL_DOT");
  EXPECT_EQ(log[log.size() - 3], "END MAIL_DOT");
  EXPECT_EQ(log[log.size() - 2], "RECEIVED [ 221 Bye\r\n ]");
  EXPECT_EQ(log.back(), "SMTP ERROR OR Disconnect");

  // Each notification names the giver in its subject and the receiver in its text.
  EXPECT_NE(wire.find("Subject: Bob Your Secret Santa\r\n"), std::string::npos);
  EXPECT_NE(wire.find("You are a Secret Santa for Cid\r\n\r\nNotes, Gift Suggestions, or Special "
                      "Instructions for Cid:\r\n\r\n\r\n===="),
            std::string::npos);
  EXPECT_NE(std::find(statuses.begin(), statuses.end(), " Sending email 2 of 3 to Bob ..."),
            statuses.end());
}

TEST_F(EngineTest, WithoutLoginNoAuthIsSentWhateverTheServerOffers) {
  w_.Add(smtp_testing::ThreePeople());
  w_.UseServer("mail.example.org", false);
  w_.Confirm("S", "B");
  StartDrawing();
  EXPECT_EQ(connects[0].port, 25);
  Login(false);
  EXPECT_EQ(log[2], "EHLO alice");
  EXPECT_EQ(LastSend(), "MAIL FROM:<alice@example.org>\r\n");
  EXPECT_EQ(wire.find("AUTH"), std::string::npos);
}

TEST_F(EngineTest, AuthOfferedOnlyOnTheLastLineOrInOldFormIsFound) {
  for (std::string ehlo : {"250-mx\r\n250-SIZE 1000\r\n250 AUTH PLAIN LOGIN\r\n",
                           "250-mx\r\n250-AUTH=LOGIN\r\n250 8BITMIME\r\n"}) {
    engine_.reset();
    sends.clear();
    w_.Add(smtp_testing::ThreePeople());
    w_.UseServer("mail.example.org", true);
    w_.Confirm("S", "B");
    StartDrawing();
    Login(false, ehlo);
    EXPECT_EQ(LastSend(), "AUTH LOGIN\r\n") << ehlo;
  }
}

TEST_F(EngineTest, ServerWithoutAuthLoginGetsQuitAndTheUserIsTold) {
  w_.Add(smtp_testing::ThreePeople());
  w_.UseServer("mail.example.org", true);
  w_.Confirm("S", "B");
  StartDrawing();
  Login(false, "250-mx\r\n250-AUTH PLAIN CRAM-MD5\r\n250 HELP\r\n");
  EXPECT_EQ(LastSend(), "QUIT\r\n\r\n");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, " ERROR: SMTP mail server authentication not supported");
  EXPECT_EQ(boxes[0].style, mb::kCritical);
  EXPECT_EQ(LastStatus(), "Disconnecting from SMTP mail server: authentication not supported");
  EXPECT_EQ(log[log.size() - 2], "SENT [ QUIT ]");
  EXPECT_EQ(log.back(), "MAIL AUTH FAILED");
  EXPECT_FALSE(log_open);
  EXPECT_FALSE(E().Active());
}

TEST_F(EngineTest, RepliesAreFramedAcrossSegmentsAndByteByByte) {
  w_.Add(smtp_testing::ThreePeople());
  w_.UseServer("mail.example.org", true);
  w_.Confirm("S", "B");
  StartDrawing();
  Connected();
  Reply("220 mx ESMTP\r\n");
  std::string ehlo = "250-mx\r\n250-STARTTLSX\r\n250-AUTH PLAIN\r\n250 AUTH LOGIN\r\n";
  for (char c : ehlo) {
    EXPECT_EQ(LastSend(), "EHLO alice\r\n");  // nothing goes out on a partial reply
    Reply(std::string(1, c));
  }
  EXPECT_EQ(LastSend(), "AUTH LOGIN\r\n");
  // Two complete replies in one segment are two steps.
  Reply("334 VXNlcm5hbWU6\r\n334 UGFzc3dvcmQ6\r\n");
  EXPECT_EQ(LastSend(), "c2VjcmV0\r\n");
  EXPECT_EQ(E().SmtpState, 2);
}

TEST_F(EngineTest, OverlongRepliesEndTheRunInsteadOfGrowing) {
  for (bool one_line : {true, false}) {
    engine_.reset();
    boxes.clear();
    w_.Add(smtp_testing::ThreePeople());
    w_.UseServer("mail.example.org", false);
    w_.Confirm("S", "B");
    StartDrawing();
    Connected();
    std::string chunk = one_line ? std::string(1000, 'x') : "220-" + std::string(60, 'y') + "\r\n";
    for (int i = 0; i < 2000 && E().Active(); ++i)
      Reply(i == 0 && one_line ? "220 " + chunk : chunk);
    EXPECT_FALSE(E().Active());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("mail.example.org"), std::string::npos);
    EXPECT_FALSE(log_open);
  }
}

TEST_F(EngineTest, StartTlsWhenOfferedThenEhloAgainAndNothingFromBeforeTheHandshakeIsUsed) {
  w_.Add(smtp_testing::ThreePeople());
  w_.UseServer("mail.example.org:587", true);
  w_.Confirm("S", "B");
  StartDrawing();
  Connected();
  Reply("220 mx\r\n");
  Reply("250-mx\r\n250-STARTTLS\r\n250 AUTH LOGIN\r\n");
  EXPECT_EQ(LastSend(), "STARTTLS\r\n");
  // An attacker's reply injected behind the 220, and more before the handshake: all dropped.
  Reply("220 ready\r\n334 VXNlcm5hbWU6\r\n");
  EXPECT_EQ(tls_starts, 1);
  Reply("235 fake\r\n");
  EXPECT_EQ(LastSend(), "STARTTLS\r\n");
  E().OnTlsEstablished();
  Drain();
  EXPECT_EQ(LastSend(), "EHLO alice\r\n");
  Reply("250-mx\r\n250-STARTTLS\r\n250 AUTH LOGIN\r\n");  // offered again: already secure
  EXPECT_EQ(LastSend(), "AUTH LOGIN\r\n");
  EXPECT_EQ(tls_starts, 1);
}

TEST_F(EngineTest, RefusedOrFailedTlsEndsTheRunAndNeverFallsBackToPlainText) {
  w_.Add(smtp_testing::ThreePeople());
  w_.UseServer("mail.example.org", true);
  w_.Confirm("S", "B");
  StartDrawing();
  Login(false, "250-mx\r\n250-STARTTLS\r\n250 AUTH LOGIN\r\n");
  Reply("454 TLS not available\r\n");
  EXPECT_FALSE(E().Active());
  EXPECT_EQ(wire.find("AUTH"), std::string::npos);
  EXPECT_EQ(wire.find("MAIL"), std::string::npos);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("mail.example.org"), std::string::npos);
  EXPECT_NE(boxes[0].text.find("454 TLS not available"), std::string::npos);

  // A certificate problem during the handshake: a clear message naming the host.
  engine_.reset();
  boxes.clear();
  wire.clear();
  w_.UseServer("smtp.example.net:465", true);
  StartDrawing();
  EXPECT_TRUE(connects.back().implicit_tls);
  E().OnTlsFailed("The host name did not match any of the valid hosts for this certificate");
  Drain();
  EXPECT_FALSE(E().Active());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("smtp.example.net"), std::string::npos);
  EXPECT_NE(boxes[0].text.find("host name did not match"), std::string::npos);
  EXPECT_TRUE(wire.empty());
}

TEST_F(EngineTest, ImplicitTlsOnPort465NeverAsksForStartTls) {
  w_.Add(smtp_testing::ThreePeople());
  w_.UseServer("mail.example.org:465", false);
  w_.Confirm("S", "B");
  StartDrawing();
  Login(false, "250-mx\r\n250-STARTTLS\r\n250 HELP\r\n");
  EXPECT_EQ(LastSend(), "MAIL FROM:<alice@example.org>\r\n");
  EXPECT_EQ(tls_starts, 0);
}

TEST_F(EngineTest, DataIsNormalisedAndDotStuffedAndUserTextCannotInjectCommands) {
  w_.Add({{"Ann", "ann@example.org\r\nRCPT TO:<evil@example.com>", ".\r\nMAIL FROM:<x>", 2},
          {"Bob", "bob@example.org", ".lead\nbare LF\rbare CR\r\n.", 1}});
  w_.UseServer("mail.example.org", false);
  w_.Confirm("S", ".first line\n.\nlast");
  StartDrawing();
  Login(false);
  Reply("250 OK\r\n");
  EXPECT_EQ(LastSend(), "RCPT TO:<ann@example.orgRCPT TO:<evil@example.com>>\r\n");
  Reply("250 OK\r\n");
  Reply("354 go\r\n");
  std::string data = sends[sends.size() - 2];
  EXPECT_EQ(LastSend(), ".\r\n");
  // Every line end is CR LF, and no line of the data is a lone ".".
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (data[i] == '\n') {
      EXPECT_EQ(data[i - 1], '\r');
    }
    if (data[i] == '\r') {
      EXPECT_EQ(data[i + 1], '\n');
    }
  }
  EXPECT_EQ(data.find("\r\n.\r\n"), std::string::npos);
  EXPECT_NE(data.find("\r\n..first line\r\n..\r\nlast"), std::string::npos);
  EXPECT_NE(data.find("for Bob:\r\n..lead\r\nbare LF\r\nbare CR\r\n..\r\n"), std::string::npos);
  EXPECT_EQ(data.substr(data.size() - 2), "\r\n");
}

TEST_F(EngineTest, ReSendModeSendsOnlyMarkedRowsAndEndsWithTheNewCommand) {
  w_.Add({{"Ann", "ann@x.org", "", 2},
          {"Bob", "bob@x.org", "", 3},
          {"Cid", "cid@x.org", "", 4},
          {"Dee", "dee@x.org", "", 1}});
  w_.roster.ReSendMode = true;
  w_.UseServer("mail.example.org", false);
  w_.Confirm("S", "B");
  StartDrawing();
  EXPECT_TRUE(connects.empty());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "No Messages selected to send");
  EXPECT_EQ(boxes[0].style, mb::kInformation);
  EXPECT_TRUE(log.empty());

  boxes.clear();
  w_.Mark(2);
  w_.Mark(4);
  StartDrawing();
  Login(false);
  OneMessage();
  EXPECT_EQ(LastSend(), "MAIL FROM:<alice@example.org>\r\n");
  OneMessage();
  Reply("221 bye\r\n");
  EXPECT_NE(wire.find("RCPT TO:<bob@x.org>"), std::string::npos);
  EXPECT_NE(wire.find("RCPT TO:<dee@x.org>"), std::string::npos);
  EXPECT_EQ(wire.find("RCPT TO:<ann@x.org>"), std::string::npos);
  EXPECT_EQ(wire.find("RCPT TO:<cid@x.org>"), std::string::npos);
  EXPECT_NE(std::find(statuses.begin(), statuses.end(), " Re-Sending email 2 of 4 to Dee ..."),
            statuses.end());
  EXPECT_EQ(boxes.back().text, "2 Mail Messages Re-Sent to\nBob;Dee;\n");
  EXPECT_EQ(LastStatus(), "2 Mail Messages Re-Sent");
  EXPECT_EQ(news, 1);
}

TEST_F(EngineTest, TestModeSendsEveryMessageOfBothKindsToTheTestAddress) {
  w_.Add(smtp_testing::ThreePeople());
  w_.UseServer("mail.example.org", false);
  w_.Confirm("S", "B");
  w_.send.TestMode = true;
  w_.send.TestAddress = " tester@example.org ";
  for (bool free_form : {false, true}) {
    wire.clear();
    if (free_form)
      E().SmtpSendMessage();
    else
      E().SmtpSendDrawing();
    Drain();
    EXPECT_EQ(log.front(), free_form ? "SendMessage_SMTP Connect to mail.example.org"
                                     : "Send_SMTP Connect to mail.example.org");
    Login(false);
    for (int i = 0; i < 3; ++i) OneMessage();
    Reply("221 bye\r\n");
    std::size_t n = 0;
    for (std::size_t p = wire.find("RCPT TO:<tester@example.org>\r\n"); p != std::string::npos;
         p = wire.find("RCPT TO:<tester@example.org>", p + 1))
      ++n;
    EXPECT_EQ(n, 3u);
    EXPECT_NE(wire.find("Subject: Cid S"), std::string::npos);
    EXPECT_EQ(free_form, wire.find("Secret Santa for") == std::string::npos);
  }
}

TEST_F(EngineTest, FreeFormRunStopsWhenTheDialogWasCancelled) {
  w_.Add(smtp_testing::ThreePeople());
  w_.UseServer("mail.example.org", false);
  E().SmtpSendMessage();
  Drain();
  EXPECT_TRUE(connects.empty());
  EXPECT_TRUE(statuses.empty());
  EXPECT_EQ(finished, 1);
  EXPECT_TRUE(E().FreeFormMode);
}

TEST_F(EngineTest, FirstMessageErrorEndsWithTheErrorBox) {
  w_.Add(smtp_testing::ThreePeople());
  w_.UseServer("mail.example.org", true);
  w_.Confirm("S", "B");
  w_.roster.ReSendMode = true;
  w_.Mark(1);
  StartDrawing();
  Login(false);
  Reply("334 VXNlcm5hbWU6\r\n");
  Reply("334 UGFzc3dvcmQ6\r\n");
  Reply("535 5.7.8 Authentication credentials invalid\r\n");
  EXPECT_FALSE(E().Active());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "SMTP Error: 535 5.7.8 Authentication credentials invalid\r\n");
  EXPECT_EQ(boxes[0].style, mb::kInformation);
  EXPECT_EQ(boxes[0].title, "SMTP Error");
  EXPECT_EQ(log.back(), "SMTP ERROR OR Disconnect");
  EXPECT_EQ(LastStatus(), "Disconnecting from SMTP mail server mail.example.org...");
  EXPECT_FALSE(log_open);
  EXPECT_EQ(news, 1);
}

TEST_F(EngineTest, LaterFailuresReconnectSixTimesWithATimedWaitThenAskRetryOrCancel) {
  std::vector<smtp_testing::Person> people;
  for (int i = 1; i <= 5; ++i)
    people.push_back({"P" + std::to_string(i), "p" + std::to_string(i) + "@x.org", "", i % 5 + 1});
  w_.Add(people);
  w_.UseServer("mail.example.org", false);
  w_.Confirm("S", "B");
  StartDrawing();
  Login(false);
  OneMessage();
  Reply("250 OK\r\n");
  Reply("250 OK\r\n");
  Reply("354 go\r\n");
  Reply("451 4.3.0 try later\r\n");  // second message composed, then refused
  EXPECT_EQ(E().SentCount, 2);
  answers = {mb::kRetry, mb::kCancel};
  // Six automatic reconnects, then one more after the user chose Retry.
  for (int round = 1; round <= 7; ++round) {
    EXPECT_EQ(E().ReconnectCount, std::min(round, 6));
    EXPECT_EQ(LastStatus(), "Server Disconnected, Automatic re-connecting in 10 seconds...");
    EXPECT_EQ(timers[static_cast<int>(SmtpTimer::kReconnectWait)], 8000ms);
    std::size_t connects_before = connects.size();
    Fire(SmtpTimer::kReconnectWait);
    EXPECT_EQ(LastStatus(), "Re-Connecting to SMTP mail server mail.example.org...");
    EXPECT_EQ(connects.size(), connects_before);
    Fire(SmtpTimer::kReconnectWait);
    EXPECT_EQ(connects.size(), connects_before + 1);
    EXPECT_EQ(E().SmtpState, 0);
    Login(false);
    Reply("250 OK\r\n");
    Reply("250 OK\r\n");
    EXPECT_EQ(E().CurrentRow, 2);
    EXPECT_EQ(boxes.size(), round == 7 ? 1u : 0u);
    Reply(round >= 6 ? "554 5.0.0 no\r\n" : "451 again\r\n");  // refuse DATA this time
  }
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_TRUE(boxes[1].needs_answer);
  EXPECT_EQ(boxes[1].text, "SMTP Error: 554 5.0.0 no\r\n");
  EXPECT_EQ(boxes[1].style, mb::kQuestion + mb::kRetryCancel);
  EXPECT_EQ(boxes[1].title, "SMTP Error");
  EXPECT_EQ(LastStatus(), "User aborted SMTP Error: 554 5.0.0 no\r\n");
  EXPECT_FALSE(E().Active());
  EXPECT_FALSE(log_open);
  EXPECT_EQ(E().AcceptedRows, std::vector<int>{1});
  EXPECT_EQ(E().SentNames, "P1;");
  // Then who is still waiting: everyone whose message the server never accepted.
  EXPECT_EQ(E().NotNotifiedNames(), "P2;P3;P4;P5;");
  EXPECT_EQ(boxes.back().style, mb::kExclamation);
  EXPECT_EQ(boxes.back().text.rfind("These participants were not notified:\nP2;P3;P4;P5;\n", 0), 0u)
      << boxes.back().text;
}

TEST_F(EngineTest, SilentServerEndsTheRunWithAClearMessageAfterTheRfcTimeouts) {
  w_.Add(smtp_testing::ThreePeople());
  w_.UseServer("mail.example.org", false);
  w_.Confirm("S", "B");
  StartDrawing();
  EXPECT_EQ(timers[static_cast<int>(SmtpTimer::kReply)], 5min);
  Login(false);
  Reply("250 OK\r\n");
  Reply("250 OK\r\n");
  EXPECT_EQ(timers[static_cast<int>(SmtpTimer::kReply)], 2min);
  Reply("354 go\r\n");
  EXPECT_EQ(timers[static_cast<int>(SmtpTimer::kReply)], 10min);
  Fire(SmtpTimer::kReply);
  EXPECT_FALSE(E().Active());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "The SMTP mail server mail.example.org did not answer within 600 seconds; the "
            "connection was closed.");
  EXPECT_GE(closes, 1);
  EXPECT_FALSE(log_open);

  // Silence after QUIT: every message is in, so the run ends with its summary.
  engine_.reset();
  boxes.clear();
  StartDrawing();
  Login(false);
  for (int i = 0; i < 3; ++i) OneMessage();
  Fire(SmtpTimer::kReply);
  EXPECT_EQ(boxes.back().text, "3 Mail Messages Sent to\nAnn;Bob;Cid;\n");
}

TEST_F(EngineTest, StartFailuresShowTheirMessages) {
  w_.Add(smtp_testing::ThreePeople());
  w_.Confirm("S", "B");
  w_.UseServer("mailexample", false);  // no dot
  StartDrawing();
  EXPECT_TRUE(connects.empty());
  EXPECT_FALSE(log_open);
  EXPECT_EQ(boxes.back().text,
            "Invalid SMTP entry, please change setting under the Tools->Settings menu");
  EXPECT_EQ(LastStatus(), boxes.back().text);

  w_.UseServer("mail.example.org", false);
  w_.settings.SMTPUserName = "Bob";  // the dialog allows 3 characters, the run wants 4
  StartDrawing();
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_TRUE(connects.empty());

  w_.UseServer("mail.example.org:smtp", false);
  w_.roster.ReSendMode = true;
  w_.Mark(1);
  StartDrawing();
  EXPECT_TRUE(connects.empty());
  EXPECT_EQ(boxes.back().text, "Error Failed to connect to SMTP Server");
  EXPECT_EQ(boxes.back().style, mb::kCritical);
  EXPECT_FALSE(log_open);
  EXPECT_EQ(news, 1);

  engine_.reset();
  auto ctx = w_.Context();
  ctx.internet_connected = [] { return false; };
  engine_ = std::make_unique<mail::SmtpEngine>(ctx);
  w_.UseServer("mail.example.org", false);
  fail_log_open = true;
  StartDrawing();
  EXPECT_TRUE(connects.empty());
  EXPECT_EQ(boxes.back().text, "Error This operation requires a internet connection");
  EXPECT_FALSE(E().Active());
}

TEST_F(EngineTest, SocketErrorAndHandlerErrorEndTheRun) {
  w_.Add(smtp_testing::ThreePeople());
  w_.UseServer("mail.example.org", false);
  w_.Confirm("S", "B");
  StartDrawing();
  E().Winsock1_Error(10061, "Connection refused");
  Drain();
  EXPECT_EQ(boxes.back().text, "Winsock1 Error number 10061\r\nConnection refused");
  EXPECT_EQ(boxes.back().style, mb::kExclamation);
  EXPECT_EQ(boxes.back().title, "Winsock1 Error");
  EXPECT_FALSE(log_open);
  EXPECT_FALSE(E().Active());

  w_.roster.grid().SetTextMatrix(1, roster::kColResult, "x");  // no receiver
  StartDrawing();
  Login(false);
  Reply("250 OK\r\n");
  Reply("250 OK\r\n");
  Reply("354 go\r\n");
  EXPECT_EQ(boxes.back().text, "Error while attempting to send messages");
  EXPECT_EQ(boxes.back().style, mb::kCritical);
  EXPECT_FALSE(E().Active());
  EXPECT_FALSE(log_open);
}

}  // namespace
