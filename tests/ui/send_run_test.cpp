// The window while a run sends: what stays usable, and what closing it asks.

#include <gtest/gtest.h>

#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <optional>

#include "files/ledger.h"
#include "support/qt_helpers.h"
#include "support/smtp_server.h"
#include "ui/smtp_runner.h"

namespace {

namespace fs = std::filesystem;
using testing_support::SmtpServer;

constexpr const char* kBobAndCidNotSent =
    "These participants were not notified:\nBob;Cid;\n\nBob: not sent\nCid: not sent\n\n"
    "Re-Send Previous Drawing with the newest file in History and mark them to send their "
    "notifications again.";

class SendRunTest : public testing_support::WindowTest {
 protected:
  // Three people and a server that holds each answer a while, so the run lasts.
  void StartSlowRun(std::vector<std::string> script_args = {"--slow", "0.3"}) {
    ASSERT_NO_FATAL_FAILURE(Prepare(std::move(script_args)));
    ASSERT_TRUE(Action("mnuCalculateSend")->isEnabled());
    CalculateAndSend();
    ASSERT_TRUE(window_.RunInProgress());
  }

  void Prepare(std::vector<std::string> script_args) {
    QStringList args;
    for (const std::string& a : script_args) args << QString::fromStdString(a);
    server_ = std::make_unique<SmtpServer>(
        testing_support::SmtpServerOptions{.scripted = true, .script_args = args});
    ASSERT_EQ(server_->error(), "");
    auto& s = window_.MailSettings;
    s.UseSMTP = true;
    s.SMTPServer = "127.0.0.1:" + std::to_string(server_->port());
    s.SMTPUserName = "Santa Organiser";
    s.SMTPAccountName = "alice@example.org";
    s.AllowUnencryptedSMTP = true;  // the scripted server offers no STARTTLS
    for (const char* name : {"Ann", "Bob", "Cid"})
      roster().AddParticipant("", name, std::string(name) + "@example.org", "", false);
    roster().UpdateButtonEnables(false);
    QObject::connect(&ui::SmtpRunnerOf(window_), &ui::SmtpRunner::finished,
                     [this] { done_ = true; });
  }

  void CalculateAndSend() {
    ui::SetModalHandler([](QDialog& d) {
      EXPECT_EQ(d.objectName(), "frmSend");
      d.findChild<QPushButton*>("cmdSend")->click();
      return d.result();
    });
    Action("mnuCalculateSend")->trigger();
    ui::SetModalHandler(nullptr);
  }

  std::optional<files::LedgerContents> OnlyLedger() {
    std::vector<fs::path> ledgers;
    for (const auto& e : fs::directory_iterator(dir_.path() / "History"))
      if (e.path().extension() == ".ledger") ledgers.push_back(e.path());
    EXPECT_EQ(ledgers.size(), 1u);
    if (ledgers.size() != 1) return std::nullopt;
    std::string error;
    auto contents = files::ReadLedger(ledgers[0], error);
    EXPECT_TRUE(contents) << error;
    return contents;
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

TEST_F(SendRunTest, CancelDuringAnSmtpRunEndsItAfterTheMessageInFlight) {
  ASSERT_NO_FATAL_FAILURE(StartSlowRun());
  auto* dialog = window_.findChild<QProgressDialog*>("dlgRunProgress");
  ASSERT_NE(dialog, nullptr);
  // Once the first message is out, Cancel.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !server_->Messages().empty(); }, 10000));
  EXPECT_EQ(dialog->labelText().toStdString(), "Sending message 1 of 3");
  dialog->findChild<QPushButton*>()->click();
  ASSERT_TRUE(QTest::qWaitFor([this] { return done_; }, 15000));
  EXPECT_EQ(server_->Messages().size(), 1u);
  EXPECT_FALSE(window_.RunInProgress());
  ASSERT_FALSE(boxes_.boxes.empty());
  EXPECT_EQ(boxes_.boxes.back().text, std::string(kBobAndCidNotSent));
}

TEST_F(SendRunTest, CancelInTheProgressDialogFinishesTheMessageInFlightAndNamesTheRest) {
  // The system mailer (msmtp) to a server that answers each message a second after taking it.
  SmtpServer server(
      testing_support::SmtpServerOptions{.scripted = true, .script_args = {"--slow", "1"}});
  ASSERT_EQ(server.error(), "");
  auto& s = window_.MailSettings;
  s.UseSMTP = false;
  s.SMTPAccountName = "alice@example.org";
  s.MailerCommand = "/usr/bin/msmtp --host=127.0.0.1 --port=" + std::to_string(server.port()) +
                    " --from=alice@example.org --auth=off --tls=off -t";
  for (const char* name : {"Ann", "Bob", "Cid"})
    roster().AddParticipant("", name, std::string(name) + "@example.org", "", false);
  roster().UpdateButtonEnables(false);
  ui::SetModalHandler([](QDialog& d) {
    d.findChild<QPushButton*>("cmdSend")->click();
    return d.result();
  });
  // The mailer runs aside, so the window answers while the first message is out.
  bool cancelled = false, new_list_off = false;
  std::string label;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = window_.findChild<QProgressDialog*>("dlgRunProgress");
    if (cancelled || !dialog || !dialog->isVisible()) return;
    label = dialog->labelText().toStdString();
    new_list_off = !Action("mnuNew")->isEnabled();
    dialog->findChild<QPushButton*>()->click();
    cancelled = true;
  });
  poll.start(10);
  Action("mnuCalculateSend")->trigger();
  poll.stop();
  ui::SetModalHandler(nullptr);

  ASSERT_TRUE(cancelled);
  EXPECT_EQ(label, "Sending message 1 of 3");
  EXPECT_TRUE(new_list_off);
  EXPECT_TRUE(Action("mnuNew")->isEnabled());
  auto* dialog = window_.findChild<QProgressDialog*>("dlgRunProgress");
  EXPECT_TRUE(!dialog || !dialog->isVisible());
  // The message in flight was finished; none began after Cancel.
  const auto delivered = server.Messages();
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_EQ(delivered[0].rcpt_to, std::vector<std::string>{"Ann@example.org"});
  ASSERT_FALSE(boxes_.boxes.empty());
  EXPECT_EQ(boxes_.boxes.back().text, std::string(kBobAndCidNotSent));
  // The archive's ledger says the same.
  std::vector<fs::path> ledgers;
  for (const auto& e : fs::directory_iterator(dir_.path() / "History"))
    if (e.path().extension() == ".ledger") ledgers.push_back(e.path());
  ASSERT_EQ(ledgers.size(), 1u);
  std::string error;
  const auto contents = files::ReadLedger(ledgers[0], error);
  ASSERT_TRUE(contents) << error;
  EXPECT_TRUE(contents->finished);
  ASSERT_EQ(contents->entries.size(), 3u);
  EXPECT_EQ(contents->entries[0].outcome.state, mail::DeliveryState::kAccepted);
  EXPECT_EQ(contents->entries[2].outcome.state, mail::DeliveryState::kNotAttempted);
}

TEST_F(SendRunTest, CancelWhileTheFirstEnvelopeIsOpenSendsNothingAndNamesEveryone) {
  ASSERT_NO_FATAL_FAILURE(StartSlowRun({"--slow-mail", "0.5"}));
  auto* dialog = window_.findChild<QProgressDialog*>("dlgRunProgress");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return server_->Transcript().find("MAIL FROM") != std::string::npos; }, 10000));
  dialog->findChild<QPushButton*>()->click();
  ASSERT_TRUE(QTest::qWaitFor([this] { return done_; }, 15000));
  EXPECT_TRUE(server_->Messages().empty());
  ASSERT_FALSE(boxes_.boxes.empty());
  EXPECT_TRUE(boxes_.boxes.back().text.starts_with(
      "These participants were not notified:\nAnn;Bob;Cid;\n\nAnn: not sent\n"))
      << boxes_.boxes.back().text;
  const auto ledger = OnlyLedger();
  ASSERT_TRUE(ledger);
  EXPECT_TRUE(ledger->finished);
  for (const auto& e : ledger->entries)
    EXPECT_EQ(e.outcome.state, mail::DeliveryState::kNotAttempted) << e.name;
}

TEST_F(SendRunTest, WhenTheDrawingCannotBeArchivedNothingIsSentAndTheListStays) {
  ASSERT_NO_FATAL_FAILURE(Prepare({}));
  // A file where the History folder should be: no archive can be written there.
  const fs::path history = dir_.path() / "History";
  std::ofstream(history) << "in the way";
  CalculateAndSend();
  EXPECT_FALSE(window_.RunInProgress());
  QTest::qWait(100);
  EXPECT_EQ(server_->Transcript(), "");
  ASSERT_FALSE(boxes_.boxes.empty());
  EXPECT_EQ(boxes_.boxes.back().text,
            "The drawing could not be saved in the History folder [" + history.string() +
                "], so no message was sent. Your list is unchanged.\n\nMake sure that folder can "
                "be written to and the disk has free space, then choose Calculate & Send again.");
  EXPECT_EQ(roster().ParticipantCount(), 3);
  EXPECT_EQ(Cell(2, roster::kColName), "Bob");

  // Once the folder can be made, the same command sends to everyone.
  fs::remove(history);
  ASSERT_TRUE(Action("mnuCalculateSend")->isEnabled());
  CalculateAndSend();
  ASSERT_TRUE(QTest::qWaitFor([this] { return done_; }, 15000));
  EXPECT_EQ(server_->Messages().size(), 3u);
  EXPECT_EQ(boxes_.boxes.back().text, "3 Mail Messages Sent to\nAnn;Bob;Cid;\n");
}

}  // namespace
