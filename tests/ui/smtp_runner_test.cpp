// The SMTP sender over real sockets: Debian's aiosmtpd for the documented runs, with and
// without AUTH LOGIN and TLS, a scripted server for the failure paths, and the window's own
// runner behind frmSendMessage.

#include "ui/smtp_runner.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <regex>

#include "mail/smtp_test_roster.h"
#include "support/qt_helpers.h"
#include "support/smtp_server.h"

namespace {

using testing_support::SmtpServer;
using testing_support::SmtpServerOptions;
namespace mb = roster::mb;
using namespace std::chrono_literals;

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Whether the entries occur in the log in this order (others may lie between).
bool InOrder(const std::string& log, const std::vector<std::string>& entries) {
  std::size_t at = 0;
  for (const std::string& e : entries) {
    at = log.find(e, at);
    if (at == std::string::npos) return false;
    at += e.size();
  }
  return true;
}

class SmtpRunnerTest : public ::testing::Test {
 protected:
  // A fresh world with these people, a server, and a runner against it with short waits.
  // Without `trust` the runner does not know the server's throw-away certificate.
  void Start(std::vector<smtp_testing::Person> people, SmtpServerOptions options, bool auth,
             bool trust = true) {
    runner_.reset();
    w_ = std::make_unique<smtp_testing::SmtpWorld>();
    done_ = false;
    w_->Add(people);
    server_ = std::make_unique<SmtpServer>(options);
    ASSERT_EQ(server_->error(), "");
    w_->UseServer("127.0.0.1:" + std::to_string(server_->port()), auth);
    w_->Confirm("Your Secret Santa Information Enclosed", "Important Secret Santa Message!!");
    mail::SmtpContext context = w_->Context();
    context.timeouts.reconnect_first = 20ms;
    context.timeouts.reconnect_second = 20ms;
    if (options.implicit_tls) context.implicit_tls_port = server_->port();
    runner_ = std::make_unique<ui::SmtpRunner>(context, w_->ui,
                                               (dir_.path() + "/smtp_session.log").toStdString());
    if (trust) runner_->AddCaCertificates(server_->certificates());
    runner_->SetDeliverySource(
        [this](bool free_form) { return free_form ? w_->Message() : w_->Drawing(); });
    QObject::connect(runner_.get(), &ui::SmtpRunner::finished, [this] { done_ = true; });
  }
  void Start(SmtpServerOptions options, bool auth = false) {
    Start(smtp_testing::ThreePeople(), std::move(options), auth);
  }
  void RunDrawing() {
    runner_->SmtpSendDrawing();
    ASSERT_TRUE(QTest::qWaitFor([this] { return done_; }, 15000)) << w_->ui.StatusText();
  }
  std::string Log() const {
    QFile f(dir_.path() + "/smtp_session.log");
    f.open(QIODevice::ReadOnly);
    return f.readAll().toStdString();
  }
  testing_support::RecordedBox LastBox() {
    return w_->ui.boxes.empty() ? testing_support::RecordedBox{"<no box>", 0, ""}
                                : w_->ui.boxes.back();
  }

  std::unique_ptr<smtp_testing::SmtpWorld> w_;
  std::unique_ptr<ui::SmtpRunner> runner_;
  QTemporaryDir dir_;
  std::unique_ptr<SmtpServer> server_;
  bool done_ = false;
};

struct Mode {
  bool auth, starttls, implicit_tls;
};

TEST_F(SmtpRunnerTest, EveryParticipantGetsOneNotificationFromARealServer) {
  for (Mode m : {Mode{false, false, false}, Mode{true, false, false}, Mode{false, true, false},
                 Mode{true, true, false}, Mode{true, false, true}}) {
    SCOPED_TRACE(testing::Message() << "auth " << m.auth << " starttls " << m.starttls
                                    << " implicit " << m.implicit_tls);
    Start({false, m.auth, m.starttls, m.implicit_tls, {}}, m.auth);
    RunDrawing();
    ASSERT_EQ(LastBox().text, "3 Mail Messages Sent to\nAnn;Bob;Cid;\n");
    EXPECT_EQ(w_->ui.StatusText(), "3 Mail Messages Sent");
    auto messages = server_->Messages();
    ASSERT_EQ(messages.size(), 3u);
    // The texts themselves are the engine tests' business; here: whom each one reached.
    const std::vector<smtp_testing::Person> people = smtp_testing::ThreePeople();
    for (std::size_t i = 0; i < 3; ++i) {
      const auto& giver = people[i];
      EXPECT_EQ(messages[i].mail_from, "alice@example.org");
      EXPECT_EQ(messages[i].rcpt_to, std::vector<std::string>{giver.email});
      EXPECT_TRUE(Has(messages[i].data,
                      "You are a Secret Santa for " + people[giver.receiver - 1].name + "\r\n"));
    }
    std::string log = Log();
    EXPECT_TRUE(log.starts_with("Send_SMTP Connect to 127.0.0.1\r\nRECEIVED [ 220 ")) << log;
    std::vector<std::string> order = {"SENT [ MAIL FROM:<alice@example.org> ]\r\n",
                                      "SENT [ RCPT TO:<ann@example.org> ]\r\n",
                                      "SENT [ DATA ]\r\n",
                                      "SENT [ . ]\r\n",
                                      "START MAIL_DOT\r\n",
                                      "END MAIL_DOT\r\n",
                                      "RECEIVED [ 221 ",
                                      "SMTP ERROR OR Disconnect\r\n"};
    if (m.auth) order.insert(order.begin(), "SENT [ AUTH PLAIN ******** ]\r\n");
    if (m.starttls) order.insert(order.begin(), {"SENT [ STARTTLS ]\r\n", "TLS ESTABLISHED\r\n"});
    EXPECT_TRUE(InOrder(log, order)) << log;
    EXPECT_EQ(Has(log, "SENT [ AUTH PLAIN"), m.auth);
    // Neither the login nor any notification text reaches the log.
    EXPECT_FALSE(Has(log, "AGFsaWNl") || Has(log, "c2VjcmV0") || Has(log, "Secret Santa for"))
        << log;
  }
}

// The window's own runner: frmSendMessage opens empty, and what is typed there reaches the
// test address intact and harmless, the session log written into the data folder.
using SmtpWindowTest = testing_support::WindowTest;

TEST_F(SmtpWindowTest, FreeFormMessageFromTheDialogCarriesHostileTextIntactAndHarmless) {
  SmtpServer server({});
  ASSERT_EQ(server.error(), "");
  auto& s = window_.MailSettings;
  s.UseSMTP = true;
  s.SMTPServer = "127.0.0.1:" + std::to_string(server.port());
  s.SMTPUserName = "Santa Organiser";
  s.SMTPAccountName = "alice@example.org";
  s.AllowUnencryptedSMTP = true;
  window_.SendValues = {false, "kept", "kept", "Trailer", true, "tester@example.org"};
  roster().AddParticipant("", "Eve\r\nBcc: mallory@example.com", "eve@example.org", "", false);
  roster().AddParticipant("", "Ann", "ann@example.org", "", false);
  bool done = false;
  QObject::connect(&ui::SmtpRunnerOf(window_), &ui::SmtpRunner::finished, [&] { done = true; });
  ui::SetModalHandler([](QDialog& d) {
    EXPECT_EQ(d.objectName(), "frmSendMessage");
    auto* subject = testing_support::Find<QLineEdit>(d, "txtSubject");
    auto* body = testing_support::Find<QPlainTextEdit>(d, "txtBody");
    EXPECT_EQ(subject->text() + body->toPlainText(), "");
    subject->setText("Party on Friday");
    body->setPlainText("Line one\n.\nMAIL FROM:<mallory@example.com>\n.hidden\nend");
    testing_support::Find<QPushButton>(d, "cmdSend")->click();
    return d.result();
  });
  ui::SmtpRunnerOf(window_).SmtpSendMessage();
  ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 15000));
  EXPECT_EQ(window_.SendValues.MailBody,
            "Line one\r\n.\r\nMAIL FROM:<mallory@example.com>\r\n.hidden\r\nend");
  EXPECT_EQ(window_.SendValues.MailTrailer, "Trailer");
  auto messages = server.Messages();
  ASSERT_EQ(messages.size(), 2u);
  for (const auto& m : messages) {
    EXPECT_EQ(m.rcpt_to, std::vector<std::string>{"tester@example.org"});
    EXPECT_TRUE(
        Has(m.data, "\r\n\r\nLine one\r\n.\r\nMAIL FROM:<mallory@example.com>\r\n.hidden\r\nend"))
        << m.data;
    EXPECT_FALSE(Has(m.data, "\r\nBcc:")) << m.data;
  }
  EXPECT_TRUE(Has(messages[0].data, "Subject: Eve Bcc: mallory@example.com Party on Friday\r\n"))
      << messages[0].data;
  const std::string log = testing_support::ReadAll(dir_.path() / "smtp_session.log");
  EXPECT_TRUE(log.starts_with("SendMessage_SMTP Connect to 127.0.0.1\r\n")) << log;
  ASSERT_FALSE(boxes_.boxes.empty());
  EXPECT_EQ(boxes_.boxes.back().text,
            "2 Mail Messages Sent to\nEve\r\nBcc: mallory@example.com;Ann;\n\nTest Mode: every "
            "message went to tester@example.org, not to the participants.");
}

TEST_F(SmtpRunnerTest, FaultsBeforeTheFirstAcceptedMessageEndTheRunWithTheirBox) {
  struct Fault {
    std::string what;
    SmtpServerOptions server;
    bool auth, trust;
    std::string box;  // the whole text, or "..." and a part of it
    int style;
    std::string logged;
    std::vector<std::string> never_sent;
  };
  auto scripted = [](QStringList a) { return SmtpServerOptions{true, false, false, false, a}; };
  std::vector<Fault> faults = {
      {"untrusted certificate",
       {false, true, true},
       true,
       false,
       "...SMTP mail server 127.0.0.1 could not be established",
       mb::kCritical,
       "TLS FAILED: ",
       {"SENT [ AUTH"}},
      {"STARTTLS refused",
       scripted({"--starttls-reply", "454 4.7.0 TLS not available"}),
       true,
       true,
       "...refused to start it",
       mb::kCritical,
       "SENT [ STARTTLS ]",
       {"SENT [ AUTH", "SENT [ MAIL"}},
      {"login refused",
       scripted({"--auth-last", "--reject", "PASS:1:535 5.7.8 Authentication credentials invalid"}),
       true,
       true,
       "...SMTP Error: 535 5.7.8 Authentication credentials invalid\r\nThe server did not "
       "accept the user name and password",
       mb::kInformation,
       "SENT [ AUTH PLAIN ******** ]",
       {"SENT [ MAIL"}},
      {"login refused after LOGIN's challenges",
       scripted({"--auth-offer", "LOGIN", "--reject", "PASS:1:535 5.7.8 invalid"}),
       true,
       true,
       "...SMTP Error: 535 5.7.8 invalid\r\nThe server did not accept",
       mb::kInformation,
       "SENT [ AUTH LOGIN ]",
       {"SENT [ MAIL", "YWxpY2U=", "c2VjcmV0"}},
      {"no STARTTLS",
       {false, false, false, false},
       false,
       true,
       "...127.0.0.1:* does not offer an encrypted connection",
       mb::kCritical,
       "STARTTLS NOT OFFERED",
       {"SENT [ MAIL"}},
      {"421 before the first message",
       scripted({"--reject", "MAIL:1:421 4.3.2 closing"}),
       false,
       true,
       "...SMTP Error: 421 4.3.2 closing\r\nThe server is limiting",
       mb::kInformation,
       "SMTP ERROR OR Disconnect",
       {}}};
  for (const Fault& f : faults) {
    SCOPED_TRACE(f.what);
    Start(smtp_testing::ThreePeople(), f.server, f.auth, f.trust);
    w_->settings.AllowUnencryptedSMTP = f.what != "no STARTTLS";
    RunDrawing();
    const std::string text = LastBox().text, log = Log();
    if (f.box.starts_with("..."))
      EXPECT_TRUE(Has(text, std::regex_replace(f.box.substr(3), std::regex("\\*"),
                                               std::to_string(server_->port()))))
          << text;
    else
      EXPECT_EQ(text, f.box);
    EXPECT_EQ(LastBox().style, f.style);
    EXPECT_TRUE(server_->Messages().empty());
    EXPECT_TRUE(Has(log, f.logged)) << log;
    for (const std::string& never : f.never_sent) EXPECT_FALSE(Has(log, never)) << log;
  }
}

TEST_F(SmtpRunnerTest, LaterRejectionsReconnectSixTimesThenAskAndCancelKeepsWhatWasSent) {
  std::vector<smtp_testing::Person> people;
  // Enough rows that the recomposed messages stay below the row count (the documented
  // condition for reconnecting).
  for (int i = 1; i <= 10; ++i)
    people.push_back({"P" + std::to_string(i), "p" + std::to_string(i) + "@x.org", "", i % 10 + 1});
  Start(people, {true, false, false, false, {"--reject", "DOT:2+:421 4.3.0 queue full"}}, false);
  w_->ui.QueueAnswer(mb::kCancel);
  RunDrawing();
  const auto& boxes = w_->ui.boxes;
  ASSERT_GE(boxes.size(), 1u);
  EXPECT_EQ(boxes.back().text,
            "SMTP Error: 421 4.3.0 queue full\r\n"
            "The server is limiting how fast or how much you send: wait an hour or so, then "
            "re-send to the participants who were not notified.");
  EXPECT_EQ(boxes.back().style, mb::kQuestion + mb::kRetryCancel);
  EXPECT_EQ(runner_->engine().NotNotifiedNames(), "P2;P3;P4;P5;P6;P7;P8;P9;P10;");
  EXPECT_EQ(w_->ui.StatusText(), "User aborted SMTP Error: 421 4.3.0 queue full\r\n");
  EXPECT_EQ(runner_->engine().ReconnectCount, 6);
  EXPECT_EQ(runner_->engine().SentNames, "P1;");
  EXPECT_EQ(server_->Messages().size(), 1u);
  std::string transcript = server_->Transcript();
  int ehlos = 0;
  for (std::size_t p = transcript.find("EHLO"); p != std::string::npos;
       p = transcript.find("EHLO", p + 1))
    ++ehlos;
  EXPECT_EQ(ehlos, 7);
  EXPECT_EQ(std::count(w_->ui.statuses.begin(), w_->ui.statuses.end(),
                       "Server Disconnected, Automatic re-connecting in 10 seconds..."),
            6);
}

TEST_F(SmtpRunnerTest, ADisconnectMidDataAndByteWiseRepliesStillReachEveryoneOnce) {
  for (QStringList args : {QStringList{"--drop-in-data", "2"},
                           QStringList{"--bytewise", "--auth-last", "--quit-reply", "250 bye"}}) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const bool drop = args[0] == "--drop-in-data";
    Start({true, false, false, false, args}, /*auth=*/!drop);
    RunDrawing();
    EXPECT_EQ(LastBox().text, "3 Mail Messages Sent to\nAnn;Bob;Cid;\n");
    auto messages = server_->Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[1].rcpt_to, std::vector<std::string>{"bob@example.org"});
    EXPECT_EQ(runner_->engine().ReconnectCount, drop ? 1 : 0);
    if (!drop) {
      EXPECT_TRUE(Log().ends_with("START MAIL_QUIT\r\nEND MAIL_QUIT\r\n")) << Log();
    }
  }
}

// One run, a refusal of each kind on different recipients, against a real socket; pipelined
// and lock-step the outcomes are the same.
TEST_F(SmtpRunnerTest, RefusalsOfOneRecipientLeaveTheOthersToTheirOwnFate) {
  std::vector<smtp_testing::Person> people;
  const char* names[] = {"Ann", "Bob", "Cid", "Dee", "Eve"};
  for (int i = 0; i < 5; ++i)
    people.push_back({names[i], std::string(names[i]) + "@x.org", "", (i + 1) % 5 + 1});
  for (bool pipelining : {false, true}) {
    SCOPED_TRACE(pipelining);
    // Ann's address refused, Bob's sender deferred, and the connection closed at Eve's DATA.
    QStringList args = {"--reject", "RCPT:1:550 5.1.1 no such user",
                        "--reject", "MAIL:2:451 4.3.0 try again later",
                        "--reject", "DATA:3:421 4.3.2 closing"};
    if (pipelining) args << "--pipelining";
    Start(people, {true, false, false, false, args}, false);
    RunDrawing();
    std::vector<std::string> reached;
    for (const auto& m : server_->Messages()) reached.push_back(m.rcpt_to.at(0));
    EXPECT_EQ(reached,
              (std::vector<std::string>{"Cid@x.org", "Dee@x.org", "Eve@x.org", "Bob@x.org"}));
    const auto& boxes = w_->ui.boxes;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "4 Mail Messages Sent to\nCid;Dee;Eve;Bob;\n");
    EXPECT_EQ(runner_->engine().Outcomes()[0].state, mail::DeliveryState::kRefused);
    EXPECT_EQ(runner_->engine().Outcomes()[0].reply, "550 5.1.1 no such user");
    EXPECT_EQ(runner_->engine().ReconnectCount, 1);
    EXPECT_TRUE(Has(Log(), "SENT [ RSET ]")) << Log();
  }
}

TEST_F(SmtpRunnerTest, SilentServerEndsTheRunAfterTheTimeout) {
  Start({true, false, false, false, {"--silent", "DATA:1"}});
  mail::SmtpTimeouts t;
  t.data_start = 300ms;
  runner_->SetTimeouts(t);
  RunDrawing();
  EXPECT_EQ(LastBox().text, "The SMTP mail server 127.0.0.1:" + std::to_string(server_->port()) +
                                " did not answer within 1 seconds; the connection was closed.");
}

TEST_F(SmtpRunnerTest, RefusedConnectionIsASocketError) {
  Start({true, false, false, false, {}});
  server_.reset();  // nobody listens there any more
  RunDrawing();
  EXPECT_TRUE(LastBox().text.starts_with("Winsock1 Error number 10061\r\n")) << LastBox().text;
  EXPECT_EQ(LastBox().title, "Winsock1 Error");
}

}  // namespace
