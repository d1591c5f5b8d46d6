// Re-sending from the window through its own sender (aiosmtpd): the drawing's ledger records
// the re-send, History gains no second drawing, and a change's notifications sent later go on
// from its version.

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <map>
#include <memory>

#include "files/ledger.h"
#include "files/past_drawings.h"
#include "support/qt_helpers.h"
#include "support/smtp_server.h"
#include "ui/qt_ui.h"
#include "ui/smtp_runner.h"

namespace {

namespace fs = std::filesystem;
using mail::DeliveryState;
using testing_support::SmtpServer;

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class WindowResendTest : public testing_support::WindowTest {
 protected:
  WindowResendTest() {
    fs::create_directories(dir_.path() / "History");
    archive_ = History("20261205-1807.hmr");
    // Ann -> Bo -> Cy -> Dee -> Ann; the first run reached Ann and Cy only.
    testing_support::WriteAll(archive_,
                              "\"\",\"Ann\",\"ann@example.org\",\"Bo\",\"\"\r\n"
                              "\"\",\"Bo\",\"bo@example.org\",\"Cy\",\"tea\"\r\n"
                              "\"\",\"Cy\",\"cy@example.org\",\"Dee\",\"\"\r\n"
                              "\"\",\"Dee\",\"dee@example.org\",\"Ann\",\"\"\r\n");
    testing_support::WriteAll(History("20261205-1807.htm"), "<html></html>");
    mail::Deliveries four;
    for (const char* name : {"Ann", "Bo", "Cy", "Dee"})
      four.push_back({static_cast<int>(four.size()) + 1, name, {}, {}, {}});
    std::string error;
    auto ledger = files::LedgerWriter::Start(files::LedgerPathFor(archive_), four, error);
    EXPECT_TRUE(ledger) << error;
    ledger->OnDeliveryState(0, {DeliveryState::kAccepted, {}});
    ledger->OnDeliveryState(1, {DeliveryState::kRefused, "550 5.1.1 no such user"});
    ledger->OnDeliveryState(2, {DeliveryState::kAccepted, {}});
    ledger->OnDeliveryState(3, {DeliveryState::kUnconfirmed, {}});
  }
  fs::path History(const std::string& name) { return dir_.path() / "History" / name; }
  std::size_t HistoryFiles(const std::string& ext) {
    std::size_t n = 0;
    for (const auto& e : fs::directory_iterator(dir_.path() / "History"))
      n += e.path().extension() == ext;
    return n;
  }

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
  // File dialogs pick `file`, the name dialog gets `name` and the send dialog sends.
  void Answer(const fs::path& file, const std::string& name = {}, bool send = true) {
    ui::SetModalHandler([=](QDialog& d) {
      if (auto* fd = qobject_cast<QFileDialog*>(&d)) {
        fd->selectFile(QString::fromStdString(file.string()));
        fd->QDialog::done(QDialog::Accepted);
      } else if (d.objectName() == "frmSend" && send) {
        d.findChild<QPushButton*>("cmdSend")->click();
      } else if (d.objectName() == "frmSend") {
        d.reject();
      } else {
        d.findChild<QLineEdit*>()->setText(QString::fromStdString(name));
        d.accept();
      }
      return d.result();
    });
  }
  void SendAndWait() {
    done_ = false;
    Action("CALCSEND")->trigger();  // the Re-Send... button
    ASSERT_TRUE(QTest::qWaitFor([this] { return done_; }, 15000));
    ui::SetModalHandler(nullptr);
  }
  std::map<std::string, DeliveryState> Ledger(const fs::path& archive) {
    std::string error;
    const auto contents = files::ReadLedger(files::LedgerPathFor(archive), error);
    EXPECT_TRUE(contents) << error;
    std::map<std::string, DeliveryState> out;
    if (contents)
      for (const auto& e : contents->entries) out[e.name] = e.outcome.state;
    return out;
  }
  std::vector<std::string> Marked() {
    std::vector<std::string> out;
    for (int row = 1; row <= roster().ParticipantCount(); ++row)
      if (roster().IsMarked(row)) out.push_back(Cell(row, roster::kColName));
    return out;
  }
  // Recipient -> message, for the messages from `from` on.
  std::map<std::string, std::string> Received(std::size_t from = 0) {
    std::map<std::string, std::string> out;
    const auto messages = server_->Messages();
    for (std::size_t i = from; i < messages.size(); ++i)
      out[messages[i].rcpt_to.at(0)] = messages[i].data;
    return out;
  }

  fs::path archive_;
  std::unique_ptr<SmtpServer> server_;
  bool done_ = false;
};

TEST_F(WindowResendTest, AReSendIsRecordedInTheDrawingsLedgerAndAddsNoDrawing) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  Answer(archive_);
  Action("mnuReSendList")->trigger();
  ASSERT_TRUE(roster().ReSendMode);
  EXPECT_EQ(Marked(), (std::vector<std::string>{"Bo", "Dee"}));
  ASSERT_NO_FATAL_FAILURE(SendAndWait());

  ASSERT_TRUE(server_->WaitForMessages(2));
  const auto got = Received();
  ASSERT_EQ(got.size(), 2u);
  EXPECT_TRUE(Has(got.at("bo@example.org"), "You are a Secret Santa for Cy"));
  EXPECT_TRUE(Has(got.at("dee@example.org"), "You are a Secret Santa for Ann"));
  for (const auto& [name, state] : Ledger(archive_))
    EXPECT_EQ(state, DeliveryState::kAccepted) << name;
  // One drawing in History, counted once by the option that avoids earlier pairs.
  EXPECT_EQ(HistoryFiles(".hmr"), 1u);
  EXPECT_EQ(HistoryFiles(".htm"), 1u);
  EXPECT_EQ(HistoryFiles(".ledger"), 1u);
  EXPECT_EQ(files::ReadPastDrawings(dir_.path() / "History", 5).size(), 1u);

  // Opened again, the drawing has nobody left to mark.
  Answer(archive_);
  Action("mnuReSendList")->trigger();
  ui::SetModalHandler(nullptr);
  EXPECT_TRUE(roster().ReSendMode);
  EXPECT_TRUE(Marked().empty());
}

TEST_F(WindowResendTest, AChangeSentLaterGoesOnFromItsVersionAndOldGapsStayMarked) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  // Bo leaves, so Ann now gives to Cy; the organiser cancels the send at first.
  Answer(archive_, "Bo", /*send=*/false);
  Action("mnuRemoveFromDrawing")->trigger();
  const fs::path v2 = History("20261205-1807-v2.hmr");
  ASSERT_TRUE(fs::exists(v2));
  EXPECT_EQ(Ledger(v2),
            (std::map<std::string, DeliveryState>{{"Ann", DeliveryState::kNotAttempted}}));
  EXPECT_EQ(Marked(), std::vector<std::string>{"Ann"});

  // Calculate & Send later: Ann's message replaces her first one and the version records it.
  Answer(v2);
  ASSERT_NO_FATAL_FAILURE(SendAndWait());
  ASSERT_TRUE(server_->WaitForMessages(1));
  const auto got = Received();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_TRUE(Has(got.at("ann@example.org"), "You are a Secret Santa for Cy"));
  EXPECT_TRUE(Has(got.at("ann@example.org"), "This message replaces"));
  EXPECT_EQ(Ledger(v2).at("Ann"), DeliveryState::kAccepted);
  EXPECT_EQ(HistoryFiles(".hmr"), 2u);  // the drawing and its change, nothing more
  EXPECT_EQ(files::ReadPastDrawings(dir_.path() / "History", 5).size(), 1u);

  // Dee's first message never arrived: opening the drawing again marks her, from any version.
  Answer(archive_);
  Action("mnuReSendList")->trigger();
  ui::SetModalHandler(nullptr);
  EXPECT_EQ(Marked(), std::vector<std::string>{"Dee"});
  EXPECT_EQ(roster().ParticipantCount(), 3);  // the newest version, without Bo
}

}  // namespace
