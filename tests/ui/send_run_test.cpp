// The window while a run sends: what stays usable, and what closing it asks.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "support/qt_helpers.h"
#include "support/smtp_server.h"
#include "ui/smtp_runner.h"

namespace {

using testing_support::SmtpServer;

class SendRunTest : public testing_support::WindowTest {
 protected:
  // Three people and a server that holds each answer a while, so the run lasts.
  void StartSlowRun() {
    server_ = std::make_unique<SmtpServer>(
        testing_support::SmtpServerOptions{.scripted = true, .script_args = {"--slow", "0.3"}});
    ASSERT_EQ(server_->error(), "");
    auto& s = window_.MailSettings;
    s.UseSMTP = true;
    s.SMTPServer = "127.0.0.1:" + std::to_string(server_->port());
    s.SMTPUserName = "Santa Organiser";
    s.SMTPAccountName = "alice@example.org";
    for (const char* name : {"Ann", "Bob", "Cid"})
      roster().AddParticipant("", name, std::string(name) + "@example.org", "", false);
    roster().UpdateButtonEnables(false);
    QObject::connect(&ui::SmtpRunnerOf(window_), &ui::SmtpRunner::finished,
                     [this] { done_ = true; });
    ui::SetModalHandler([](QDialog& d) {
      EXPECT_EQ(d.objectName(), "frmSend");
      d.findChild<QPushButton*>("cmdSend")->click();
      return d.result();
    });
    ASSERT_TRUE(Action("mnuCalculateSend")->isEnabled());
    Action("mnuCalculateSend")->trigger();
    ui::SetModalHandler(nullptr);
    ASSERT_TRUE(window_.RunInProgress());
  }

  std::unique_ptr<SmtpServer> server_;
  bool done_ = false;
};

TEST_F(SendRunTest, RosterListAndRunCommandsAreOffUntilTheRunEnds) {
  ASSERT_NO_FATAL_FAILURE(StartSlowRun());
  for (const char* name :
       {"mnuNew", "NEW", "mnuOpen", "OPEN", "mnuReSendList", "mnuManualAddition", "ADD",
        "mnuDeleteParticipant", "mnuCalculateSend", "CALCSEND", "mnuSendMessage", "mnuSetup"})
    EXPECT_FALSE(Action(name)->isEnabled()) << name;
  EXPECT_TRUE(Action("mnuSave")->isEnabled());
  EXPECT_TRUE(Action("mnuViewDrawingLog")->isEnabled());

  // New List chosen anyway (a shortcut, a stale toolbar) and a click on a name change nothing.
  Action("mnuNew")->trigger();
  Action("NEW")->trigger();
  window_.MSFlexGrid_MouseDown(2, roster::kColName);
  EXPECT_EQ(roster().ParticipantCount(), 3);
  EXPECT_FALSE(roster().IsMarked(2));

  // Closing asks; No keeps the window and the run.
  boxes_.QueueAnswer(roster::mb::kNo);
  EXPECT_FALSE(window_.close());
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_TRUE(boxes_.boxes[0].text.starts_with("Messages are still being sent."))
      << boxes_.boxes[0].text;

  ASSERT_TRUE(QTest::qWaitFor([this] { return done_; }, 15000));
  EXPECT_EQ(server_->Messages().size(), 3u);
  EXPECT_FALSE(window_.RunInProgress());
  EXPECT_TRUE(Action("mnuNew")->isEnabled());
  EXPECT_TRUE(Action("NEW")->isEnabled());
  EXPECT_EQ(boxes_.boxes.back().text, "3 Mail Messages Sent to\nAnn;Bob;Cid;\n");
}

}  // namespace
