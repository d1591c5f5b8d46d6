// The window's SMTP sender: found by SmtpRunnerOf, shows frmSendMessage for a free-form run and
// writes the session log into the data folder (the errand tests cover drawings and re-sends).

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "support/qt_helpers.h"
#include "support/smtp_server.h"
#include "ui/smtp_runner.h"

namespace {

using SmtpWiringTest = testing_support::WindowTest;

TEST_F(SmtpWiringTest, SendMessageShowsItsDialogAndLogsIntoTheDataFolder) {
  testing_support::SmtpServer server({});
  ASSERT_EQ(server.error(), "");
  auto& s = window_.MailSettings;
  s.UseSMTP = true;
  s.SMTPServer = "127.0.0.1:" + std::to_string(server.port());
  s.SMTPUserName = "Santa Organiser";
  s.SMTPAccountName = "alice@example.org";
  for (const char* name : {"Ann", "Bob", "Cid"})
    roster().AddParticipant("", name, std::string(name) + "@example.org", "", false);
  bool done = false;
  QObject::connect(&ui::SmtpRunnerOf(window_), &ui::SmtpRunner::finished, [&] { done = true; });
  ui::SetModalHandler([](QDialog& d) {
    EXPECT_EQ(d.objectName(), "frmSendMessage");
    d.findChild<QLineEdit*>("txtSubject")->setText("Party on Friday");
    d.findChild<QPlainTextEdit*>("txtBody")->setPlainText("Bring a gift.");
    d.findChild<QPushButton*>("cmdSend")->click();
    return d.result();
  });
  ui::SmtpRunnerOf(window_).SmtpSendMessage();
  ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
  ASSERT_EQ(server.Messages().size(), 3u);
  EXPECT_NE(server.Messages()[2].data.find("Subject: Cid Party on Friday\r\n"), std::string::npos);
  ASSERT_FALSE(boxes_.boxes.empty());
  EXPECT_EQ(boxes_.boxes.back().text, "3 Mail Messages Sent to\nAnn;Bob;Cid;\n");
  const std::string log = testing_support::ReadAll(dir_.path() / "smtp_session.log");
  EXPECT_EQ(log.rfind("SendMessage_SMTP Connect to 127.0.0.1\r\n", 0), 0u) << log;
}

}  // namespace
