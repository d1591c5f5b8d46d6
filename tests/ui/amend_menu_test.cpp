// Tools menu: changing a sent drawing through the window, which notifies exactly the people
// concerned through its own sender (aiosmtpd), and printing sealed slips.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>

#include "files/ledger.h"
#include "support/qt_helpers.h"
#include "support/smtp_server.h"
#include "ui/qt_ui.h"
#include "ui/smtp_runner.h"

namespace {

namespace fs = std::filesystem;
using testing_support::SmtpServer;

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class AmendMenuTest : public testing_support::WindowTest {
 protected:
  AmendMenuTest() {
    fs::create_directories(dir_.path() / "History");
    archive_ = History("20261205-1807.hmr");
    // Ann -> Bo -> Cy -> Dee -> Ann.
    testing_support::WriteAll(archive_,
                              "\"\",\"Ann\",\"ann@example.org\",\"Bo\",\"\"\r\n"
                              "\"\",\"Bo\",\"bo@example.org\",\"Cy\",\"tea\"\r\n"
                              "\"\",\"Cy\",\"cy@example.org\",\"Dee\",\"\"\r\n"
                              "\"\",\"Dee\",\"dee@example.org\",\"Ann\",\"\"\r\n");
  }
  fs::path History(const std::string& name) { return dir_.path() / "History" / name; }

  void StartServer() {
    server_ = std::make_unique<SmtpServer>(testing_support::SmtpServerOptions{});
    ASSERT_EQ(server_->error(), "");
    auto& s = window_.MailSettings;
    s.UseSMTP = true;
    s.SMTPServer = "127.0.0.1:" + std::to_string(server_->port());
    s.SMTPUserName = "Santa Organiser";
    s.SMTPAccountName = "organiser@example.org";
    s.AllowUnencryptedSMTP = true;
    QObject::connect(&ui::SmtpRunnerOf(window_), &ui::SmtpRunner::finished,
                     [this] { done_ = true; });
  }
  // File dialogs take the queued paths in turn; the name dialogs get `name` (and `email` when
  // they ask for one) and OK; the send dialog is sent when `send`, else cancelled.
  void Answer(std::deque<fs::path> files, std::string name, std::string email = {},
              bool send = true) {
    auto queue = std::make_shared<std::deque<fs::path>>(std::move(files));
    ui::SetModalHandler([=](QDialog& d) {
      if (auto* fd = qobject_cast<QFileDialog*>(&d)) {
        fd->selectFile(QString::fromStdString(queue->front().string()));
        queue->pop_front();
        fd->QDialog::done(QDialog::Accepted);
        return fd->result();
      }
      if (d.objectName() == "frmSend") {
        if (send)
          d.findChild<QPushButton*>("cmdSend")->click();
        else
          d.reject();
        return d.result();
      }
      const auto edits = d.findChildren<QLineEdit*>();
      edits.front()->setText(QString::fromStdString(name));
      if (edits.size() > 1) edits[1]->setText(QString::fromStdString(email));
      d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      return d.result();
    });
  }
  void WaitForRun() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return done_; }, 15000));
    ui::SetModalHandler(nullptr);
  }
  // Giver's name -> "accepted", "refused", ... as the version's ledger records them.
  std::map<std::string, std::string> Ledger(const fs::path& archive) {
    std::string error;
    const auto contents = files::ReadLedger(files::LedgerPathFor(archive), error);
    EXPECT_TRUE(contents) << error;
    std::map<std::string, std::string> out;
    if (contents)
      for (const auto& e : contents->entries) out[e.name] = files::StateWord(e.outcome.state);
    return out;
  }

  fs::path archive_;
  std::unique_ptr<SmtpServer> server_;
  bool done_ = false;
};

TEST_F(AmendMenuTest, ADropOutNotifiesExactlyTheChangedGiverAndTheLedgerSaysSo) {
  EXPECT_EQ(Action("mnuRemoveFromDrawing")->text().remove(QChar('&')),
            "Remove Participant from Drawing...");
  ASSERT_NO_FATAL_FAILURE(StartServer());
  Answer({archive_}, "Bo");
  Action("mnuRemoveFromDrawing")->trigger();
  ASSERT_NO_FATAL_FAILURE(WaitForRun());
  const fs::path v2 = History("20261205-1807-v2.hmr");
  ASSERT_TRUE(fs::exists(v2));

  // Ann gave to Bo and now gives to Cy; nobody else hears anything.
  ASSERT_TRUE(server_->WaitForMessages(1));
  const auto messages = server_->Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rcpt_to, std::vector<std::string>{"ann@example.org"});
  EXPECT_TRUE(Has(messages[0].data, "This message replaces the Secret Santa message"));
  EXPECT_TRUE(Has(messages[0].data, "Cy")) << messages[0].data;
  EXPECT_EQ(Ledger(v2), (std::map<std::string, std::string>{{"Ann", "accepted"}}));
  for (const auto& box : boxes_.boxes) EXPECT_FALSE(Has(box.text, "Cy")) << box.text;

  // Nobody of that name: a message, and nothing changes.
  Answer({archive_}, "Zed");
  Action("mnuRemoveFromDrawing")->trigger();
  ui::SetModalHandler(nullptr);
  EXPECT_FALSE(fs::exists(History("20261205-1807-v3.hmr")));
  EXPECT_EQ(boxes_.boxes.back().text, "Nobody named Zed takes part in this drawing.");
  EXPECT_EQ(server_->Messages().size(), 1u);
}

TEST_F(AmendMenuTest, ALateJoinerNotifiesTheirGiverAndThemselvesInOneRecordedRun) {
  EXPECT_EQ(Action("mnuAddLateParticipant")->text().remove(QChar('&')), "Add Late Participant...");
  ASSERT_NO_FATAL_FAILURE(StartServer());
  Answer({archive_}, "Eve", "eve@example.org");
  Action("mnuAddLateParticipant")->trigger();
  ASSERT_NO_FATAL_FAILURE(WaitForRun());
  const fs::path v2 = History("20261205-1807-v2.hmr");
  ASSERT_TRUE(fs::exists(v2));

  ASSERT_TRUE(server_->WaitForMessages(2));
  const auto messages = server_->Messages();
  ASSERT_EQ(messages.size(), 2u);
  std::string giver_address;
  for (const auto& m : messages) {
    ASSERT_EQ(m.rcpt_to.size(), 1u);
    const bool to_eve = m.rcpt_to[0] == "eve@example.org";
    // The giver's message replaces their first one and names Eve; Eve's is an ordinary one.
    EXPECT_EQ(Has(m.data, "This message replaces"), !to_eve) << m.data;
    if (!to_eve) {
      giver_address = m.rcpt_to[0];
      EXPECT_TRUE(Has(m.data, "Eve")) << m.data;
    }
  }
  ASSERT_FALSE(giver_address.empty());
  const std::map<std::string, std::string> ledger = Ledger(v2);
  ASSERT_EQ(ledger.size(), 2u);
  EXPECT_EQ(ledger.at("Eve"), "accepted");
  for (const auto& [name, state] : ledger) {
    EXPECT_EQ(state, "accepted");
    if (name != "Eve") {
      std::string lower = name;
      for (char& c : lower) c = static_cast<char>(std::tolower(c));
      EXPECT_EQ(giver_address, lower + "@example.org");
    }
  }
}

TEST_F(AmendMenuTest, TheLateJoinerDialogAsksForAnAddressAndSaysWhy) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  Answer({archive_}, "Eve", "");
  Action("mnuAddLateParticipant")->trigger();
  ui::SetModalHandler(nullptr);
  ASSERT_FALSE(boxes_.boxes.empty());
  EXPECT_TRUE(Has(boxes_.boxes.back().text, "Please enter an e-mail address"))
      << boxes_.boxes.back().text;
  EXPECT_TRUE(Has(boxes_.boxes.back().text, "message goes there")) << boxes_.boxes.back().text;
  EXPECT_FALSE(fs::exists(History("20261205-1807-v2.hmr")));
  EXPECT_TRUE(server_->Messages().empty());
}

TEST_F(AmendMenuTest, CancellingTheSendLeavesTheChangeMarkedForReSend) {
  Answer({archive_}, "Bo", {}, /*send=*/false);
  Action("mnuRemoveFromDrawing")->trigger();
  ui::SetModalHandler(nullptr);
  EXPECT_TRUE(fs::exists(History("20261205-1807-v2.hmr")));
  EXPECT_TRUE(roster().ReSendMode);
  ASSERT_EQ(roster().ParticipantCount(), 3);
  EXPECT_TRUE(roster().IsMarked(1));  // Ann now gives to Cy
  EXPECT_FALSE(roster().IsMarked(2));
  EXPECT_FALSE(roster().IsMarked(3));
  ASSERT_FALSE(boxes_.boxes.empty());
  EXPECT_TRUE(Has(boxes_.boxes.back().text, "Nothing was sent")) << boxes_.boxes.back().text;
  EXPECT_TRUE(Has(boxes_.boxes.back().text, "(Ann)")) << boxes_.boxes.back().text;
}

// The text pdftotext finds on one page (1-based).
std::string PageText(const fs::path& pdf, int page) {
  QProcess p;
  p.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page),
                        QString::fromStdString(pdf.string()), "-"});
  if (!p.waitForFinished(20000) || p.exitCode() != 0) {
    ADD_FAILURE() << "pdftotext failed on page " << page;
    return {};
  }
  return p.readAllStandardOutput().toStdString();
}

TEST_F(AmendMenuTest, SealedSlipsForEverybodyOrOnlyForThoseNoMessageReached) {
  // Ann and Bo were reached; Cy's message was refused and Dee's never went out.
  {
    std::string error;
    mail::Deliveries deliveries;
    for (const char* name : {"Ann", "Bo", "Cy", "Dee"})
      deliveries.push_back({static_cast<int>(deliveries.size()) + 1, name, {}, {}, {}});
    auto ledger = files::LedgerWriter::Start(files::LedgerPathFor(archive_), deliveries, error);
    ASSERT_TRUE(ledger) << error;
    ledger->OnDeliveryState(0, {mail::DeliveryState::kAccepted, {}});
    ledger->OnDeliveryState(1, {mail::DeliveryState::kAccepted, {}});
    ledger->OnDeliveryState(2, {mail::DeliveryState::kRefused, "550 no such user"});
    ledger->Finish();
  }
  const fs::path pending = dir_.path() / "pending.pdf", all = dir_.path() / "all.pdf";
  boxes_.QueueAnswer(roster::mb::kYes);
  Answer({archive_, pending}, {});
  Action("mnuPrintSlips")->trigger();
  ui::SetModalHandler(nullptr);
  ASSERT_TRUE(fs::exists(pending));
  ASSERT_GE(boxes_.boxes.size(), 2u);
  EXPECT_TRUE(Has(boxes_.boxes[0].text, "No message reached Cy, Dee.")) << boxes_.boxes[0].text;
  // Outside: the two givers' names only. Inside: Cy's receiver Dee and Dee's receiver Ann,
  // and Bo's or Ann's receivers nowhere.
  const std::string outside = PageText(pending, 1), inside = PageText(pending, 2);
  EXPECT_TRUE(Has(outside, "Cy") && Has(outside, "Dee")) << outside;
  EXPECT_FALSE(Has(outside, "Ann") || Has(outside, "Bo")) << outside;
  EXPECT_TRUE(Has(inside, "Dee") && Has(inside, "Ann")) << inside;
  EXPECT_FALSE(Has(inside, "Bo") || Has(inside, "Cy") || Has(inside, "tea")) << inside;

  boxes_.QueueAnswer(roster::mb::kNo);
  Answer({archive_, all}, {});
  Action("mnuPrintSlips")->trigger();
  ui::SetModalHandler(nullptr);
  const std::string everybody = PageText(all, 1), receivers = PageText(all, 2);
  for (const char* name : {"Ann", "Bo", "Cy", "Dee"}) {
    EXPECT_TRUE(Has(everybody, name)) << everybody;
    EXPECT_TRUE(Has(receivers, name)) << receivers;
  }
  EXPECT_TRUE(Has(receivers, "tea"));  // Bo's notes, inside Ann's slip
}

}  // namespace
