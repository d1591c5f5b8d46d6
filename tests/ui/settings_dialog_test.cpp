#include "ui/settings_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "mail/file_settings_store.h"
#include "mail/registry.h"
#include "mail/settings_form.h"
#include "support/qt_helpers.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

namespace {

using testing_support::TempDir;

class SettingsDialogTest : public ::testing::Test {
 protected:
  SettingsDialogTest() : store_(dir_.path() / "settings.ini") {}
  template <typename W>
  W* Find(QWidget& d, const char* name) {
    W* w = d.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  bool Enabled(QWidget& d, const char* name) { return Find<QWidget>(d, name)->isEnabled(); }

  TempDir dir_;
  mail::FileSettingsStore store_;
  mail::MailSettings settings_;
  testing_support::MessageBoxCatcher boxes_;
};

TEST_F(SettingsDialogTest, OpensWithTheRecordCaptionsAndPresets) {
  settings_ = {true, true, "mail.example.org", "Santa", "santa@example.org", "c2VjcmV0"};
  ui::SettingsDialog d(settings_, store_, nullptr);
  EXPECT_EQ(d.objectName(), "frmSettings");
  EXPECT_EQ(d.windowTitle(), "Settings");
  EXPECT_TRUE(Find<QRadioButton>(d, "optSend_1")->isChecked());
  EXPECT_EQ(Find<QRadioButton>(d, "optSend_0")->text(),
            "Send email using my MAPI email client program");
  EXPECT_TRUE(Find<QCheckBox>(d, "chkServerRequiresAuthentication")->isChecked());
  EXPECT_EQ(Find<QComboBox>(d, "cboSMTPServer")->currentText(), "mail.example.org");
  EXPECT_EQ(Find<QLineEdit>(d, "txtAccountName")->text(), "santa@example.org");
  EXPECT_EQ(Find<QLineEdit>(d, "txtUserName")->text(), "Santa");
  auto* password = Find<QLineEdit>(d, "txtAccountPassword");
  EXPECT_EQ(password->text(), "c2VjcmV0");
  EXPECT_EQ(password->echoMode(), QLineEdit::Password);
  EXPECT_EQ(Find<QPushButton>(d, "cmdSaveSettings")->text(), "&Save");
  EXPECT_EQ(Find<QLabel>(d, "Label1")->text(), "Your Outgoing mail (SMTP) Server:");
  EXPECT_TRUE(Find<QLabel>(d, "Label3")->text().startsWith("example: "));
  EXPECT_TRUE(Find<QLabel>(d, "URLLink1")->text().contains("List of SMTP Servers"));

  auto* presets = Find<QComboBox>(d, "cboSMTPServer");
  ASSERT_EQ(presets->count(), 7);
  int with_port = 0;
  for (int i = 0; i < 6; ++i) {
    std::string host = presets->itemText(i).toStdString();
    EXPECT_EQ(mail::CheckSmtpServer(host), "") << host;
    with_port += host.ends_with(":587");
  }
  EXPECT_EQ(with_port, 1);
  EXPECT_EQ(presets->itemText(6), "< type one in>");
}

TEST_F(SettingsDialogTest, EnablingFollowsThePathAndTheLoginBox) {
  ui::SettingsDialog d(settings_, store_, nullptr);  // MAPI, no login
  const char* smtp_fields[] = {"Label1",         "Label2",      "Label3",
                               "Label4",         "Label5",      "cboSMTPServer",
                               "txtAccountName", "txtUserName", "chkServerRequiresAuthentication"};
  for (const char* name : smtp_fields) EXPECT_FALSE(Enabled(d, name)) << name;
  EXPECT_FALSE(Enabled(d, "txtAccountPassword"));

  Find<QRadioButton>(d, "optSend_1")->click();
  for (const char* name : smtp_fields) EXPECT_TRUE(Enabled(d, name)) << name;
  EXPECT_FALSE(Enabled(d, "txtAccountPassword"));
  EXPECT_FALSE(Enabled(d, "Label6"));

  Find<QCheckBox>(d, "chkServerRequiresAuthentication")->click();
  EXPECT_TRUE(Enabled(d, "txtAccountPassword"));
  EXPECT_TRUE(Enabled(d, "Label6"));
  EXPECT_TRUE(Enabled(d, "txtAccountName"));

  Find<QRadioButton>(d, "optSend_0")->click();
  EXPECT_FALSE(Enabled(d, "txtAccountPassword"));
  EXPECT_FALSE(Enabled(d, "Label6"));
  EXPECT_FALSE(Enabled(d, "cboSMTPServer"));
}

TEST_F(SettingsDialogTest, RejectedSaveShowsTheMessageAndStaysOpenThenATypedPasswordIsEncoded) {
  ui::SettingsDialog d(settings_, store_, nullptr);
  Find<QRadioButton>(d, "optSend_1")->click();
  Find<QComboBox>(d, "cboSMTPServer")->setEditText("smtp.example.org:587");
  Find<QLineEdit>(d, "txtAccountName")->setText("santa@example.org");
  Find<QLineEdit>(d, "txtUserName")->setText("Jo");
  Find<QPushButton>(d, "cmdSaveSettings")->click();
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].text, "Invalid SMTP name entry, must be longer than 2 characters");
  EXPECT_EQ(boxes_.boxes[0].style, 16);
  EXPECT_EQ(boxes_.boxes[0].title, "HLMR");
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_TRUE(settings_.UseSMTP);

  Find<QLineEdit>(d, "txtUserName")->setText("Joe");
  Find<QCheckBox>(d, "chkServerRequiresAuthentication")->click();
  QTest::keyClicks(Find<QLineEdit>(d, "txtAccountPassword"), "pw");
  Find<QPushButton>(d, "cmdSaveSettings")->click();
  EXPECT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  mail::MailSettings loaded;
  mail::LoadMailSettings(store_, loaded);
  EXPECT_EQ(loaded.SMTPAccountPassword, "cHc=");
  EXPECT_EQ(loaded.SMTPUserName, "Joe");
  EXPECT_TRUE(loaded.ServerRequiresAuthentication);
}

TEST_F(SettingsDialogTest, StartUpLoadsTheStoreAndSetupOpensTheDialog) {
  mail::SettingsForm form{true, "mail.example.org", "ann@example.org", "Ann", "pw", false};
  ASSERT_EQ(mail::SaveSettings(store_, settings_, form), "");

  ui::MainWindow w(ui::AppPaths{dir_.path(), store_.path(), {}});
  w.Form_Load();
  EXPECT_TRUE(w.MailSettings.UseSMTP);
  EXPECT_EQ(w.MailSettings.SMTPServer, "mail.example.org");
  EXPECT_EQ(w.MailSettings.SMTPAccountPassword, "cHc=");
  EXPECT_NE(w.roster().MessageFooter.find("Get Your copy at "), std::string::npos);

  int shown = 0;
  ui::SetModalHandler([&](QDialog& d) {
    ++shown;
    EXPECT_EQ(d.objectName(), "frmSettings");
    EXPECT_EQ(d.parentWidget(), &w);
    d.findChild<QRadioButton*>("optSend_0")->click();
    d.findChild<QPushButton*>("cmdSaveSettings")->click();
    return d.result();
  });
  w.RunCommand("mnuSetup");
  ui::SetModalHandler(nullptr);
  EXPECT_EQ(shown, 1);
  EXPECT_FALSE(w.MailSettings.UseSMTP);
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueUseSMTP), mail::RegistryValue(0));
}

}  // namespace
