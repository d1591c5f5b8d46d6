// Event details in the window's send dialog: remembered next to each roster file, and in the
// settings as the default for a roster that has none of its own.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "mail/event_details.h"
#include "settings/file_settings_store.h"
#include "support/qt_helpers.h"
#include "support/smtp_server.h"
#include "ui/smtp_runner.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Find;

class EventDetailsWindowTest : public testing_support::WindowTest {
 protected:
  void SetUp() override {
    server_ = std::make_unique<testing_support::SmtpServer>(
        testing_support::SmtpServerOptions{});
    ASSERT_EQ(server_->error(), "");
    auto& s = window_.MailSettings;
    s.UseSMTP = true;
    s.SMTPServer = "127.0.0.1:" + std::to_string(server_->port());
    s.SMTPUserName = "Santa Organiser";
    s.SMTPAccountName = "organiser@example.org";
    s.AllowUnencryptedSMTP = true;
    QObject::connect(&ui::SmtpRunnerOf(window_), &ui::SmtpRunner::finished,
                     [this] { ++runs_; });
  }
  fs::path Roster(const std::string& name) {
    const fs::path path = dir_.path() / name;
    testing_support::WriteAll(path,
                              "\"\",\"Ann\",\"ann@example.org\",\"\",\"\"\r\n"
                              "\"\",\"Bo\",\"bo@example.org\",\"\",\"\"\r\n"
                              "\"\",\"Cy\",\"cy@example.org\",\"\",\"\"\r\n");
    return path;
  }
  // Calculate & Send on `roster`: the send dialog must show `shown` as the budget; it is
  // sent with `budget` typed, or cancelled when `budget` is empty.
  void Send(const fs::path& roster, const std::string& shown, const std::string& budget) {
    const int runs = runs_;
    ui::SetModalHandler([&](QDialog& d) {
      if (auto* go_on = d.findChild<QPushButton*>("cmdContinue")) {  // the list's load options
        go_on->click();
        return d.result();
      }
      EXPECT_EQ(d.objectName(), "frmSend");
      auto* box = Find<QLineEdit>(d, "txtBudget");
      EXPECT_EQ(box->text().toStdString(), shown) << roster;
      if (budget.empty()) {
        d.findChild<QPushButton*>("cmdCancel")->click();
        return d.result();
      }
      box->setText(QString::fromStdString(budget));
      Find<QLineEdit>(d, "txtPlace")->setText("the community hall");
      d.findChild<QPushButton*>("cmdSend")->click();
      return d.result();
    });
    ASSERT_TRUE(window_.OpenListFile(roster));
    Action("mnuCalculateSend")->trigger();
    ui::SetModalHandler(nullptr);
    if (!budget.empty()) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return runs_ > runs; }, 15000));
    }
  }

  std::unique_ptr<testing_support::SmtpServer> server_;
  int runs_ = 0;
};

TEST_F(EventDetailsWindowTest, EachRosterFileKeepsItsOwnDetailsAndTheLastOnesAreTheDefault) {
  const fs::path party = Roster("party.hmr"), office = Roster("office.hmr");
  ASSERT_NO_FATAL_FAILURE(Send(party, "", "20 EUR"));
  ASSERT_TRUE(server_->WaitForMessages(3));
  for (const auto& m : server_->Messages())
    EXPECT_NE(m.data.find("Gift budget: 20 EUR\r\nPlace: the community hall"), std::string::npos) << m.data;
  ASSERT_TRUE(mail::LoadRosterEventDetails(party));
  EXPECT_EQ(mail::LoadRosterEventDetails(party)->Budget, "20 EUR");
  EXPECT_EQ(mail::LoadRosterEventDetails(party)->Place, "the community hall");

  // A roster without details of its own starts from the last ones typed.
  ASSERT_NO_FATAL_FAILURE(Send(office, "20 EUR", "10 EUR"));
  EXPECT_EQ(mail::LoadRosterEventDetails(office)->Budget, "10 EUR");
  mail::FileSettingsStore store(window_.paths().config_file);
  EXPECT_EQ(mail::LoadDefaultEventDetails(store).Budget, "10 EUR");

  // Back to the first roster: its own details, not the newer default.
  ASSERT_NO_FATAL_FAILURE(Send(party, "20 EUR", ""));
  EXPECT_EQ(mail::LoadRosterEventDetails(party)->Budget, "20 EUR");
}

}  // namespace
