// The window's SMTP sender: found by SmtpRunnerOf, shows frmSendMessage for a free-form run,
// writes the session log into the data folder and ends a re-send run with the New command.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "support/qt_helpers.h"
#include "support/smtp_server.h"
#include "ui/smtp_runner.h"

namespace {

class SmtpWiringTest : public testing_support::WindowTest {
 protected:
  SmtpWiringTest() {
    server_ = std::make_unique<testing_support::SmtpServer>(testing_support::SmtpServerOptions{});
    auto& s = window_.MailSettings;
    s.UseSMTP = true;
    s.SMTPServer = "127.0.0.1:" + std::to_string(server_->port());
    s.SMTPUserName = "Santa Organiser";
    s.SMTPAccountName = "alice@example.org";
    auto& r = window_.roster();
    r.AddParticipant("", "Ann", "ann@example.org", "books", false);
    r.AddParticipant("", "Bob", "bob@example.org", "socks", false);
    r.AddParticipant("", "Cid", "cid@example.org", "tea", false);
    QObject::connect(&ui::SmtpRunnerOf(window_), &ui::SmtpRunner::finished,
                     [this] { done_ = true; });
  }
  bool Wait() { return QTest::qWaitFor([this] { return done_; }, 10000); }

  std::unique_ptr<testing_support::SmtpServer> server_;
  bool done_ = false;
};

TEST_F(SmtpWiringTest, SendMessageShowsItsDialogAndLogsIntoTheDataFolder) {
  ASSERT_EQ(server_->error(), "");
  ui::SetModalHandler([](QDialog& d) {
    EXPECT_EQ(d.objectName(), "frmSendMessage");
    d.findChild<QLineEdit*>("txtSubject")->setText("Party on Friday");
    d.findChild<QPlainTextEdit*>("txtBody")->setPlainText("Bring a gift.");
    d.findChild<QPushButton*>("cmdSend")->click();
    return d.result();
  });
  ui::SmtpRunnerOf(window_).SmtpSendMessage();
  ASSERT_TRUE(Wait());
  ASSERT_EQ(server_->Messages().size(), 3u);
  EXPECT_NE(server_->Messages()[2].data.find("Subject: Cid Party on Friday\r\n"), std::string::npos);
  ASSERT_FALSE(boxes_.boxes.empty());
  EXPECT_EQ(boxes_.boxes.back().text, "3 Mail Messages Sent to\nAnn;Bob;Cid;\n");
  const std::string log = testing_support::ReadAll(dir_.path() / "smtp_session.log");
  EXPECT_EQ(log.rfind("SendMessage_SMTP Connect to 127.0.0.1\r\n", 0), 0u) << log;
}

TEST_F(SmtpWiringTest, ReSendRunEndsWithTheNewCommand) {
  ASSERT_EQ(server_->error(), "");
  auto& r = window_.roster();
  for (int row = 1; row <= 3; ++row)
    r.grid().SetTextMatrix(row, roster::kColResult, std::to_string(row % 3 + 1));
  r.grid().SetCellColors(2, roster::kColName, roster::kWhite, roster::kRed);
  r.ReSendMode = true;
  window_.SendValues.SendConfirmed = true;
  window_.SendValues.MailSubject = "Again";
  ui::SmtpRunnerOf(window_).SmtpSendDrawing();
  ASSERT_TRUE(Wait());
  ASSERT_EQ(server_->Messages().size(), 1u);
  EXPECT_EQ(server_->Messages()[0].rcpt_to, std::vector<std::string>{"bob@example.org"});
  EXPECT_EQ(boxes_.boxes.back().text, "1 Mail Messages Re-Sent to\nBob;\n");
  EXPECT_FALSE(r.ReSendMode);
  EXPECT_EQ(r.ParticipantCount(), 0);
}

}  // namespace
