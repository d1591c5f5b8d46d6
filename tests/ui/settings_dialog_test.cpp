#include "ui/settings_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "mail/message.h"
#include "settings/file_settings_store.h"
#include "settings/registry.h"
#include "settings/settings_form.h"
#include "support/qt_helpers.h"
#include "ui/help_config.h"
#include "ui/url_link.h"

namespace {

using testing_support::Find;

class SettingsDialogTest : public ::testing::Test {
 protected:
  void Click(QObject& d, const char* name) { Find<QAbstractButton>(d, name)->click(); }

  testing_support::TempDir dir_;
  mail::FileSettingsStore store_{dir_.path() / "settings.ini"};
  mail::MailSettings settings_;
  testing_support::MessageBoxCatcher boxes_;
};

TEST_F(SettingsDialogTest, OpensWithTheRecordAndWellFormedPresets) {
  settings_.UseSMTP = settings_.ServerRequiresAuthentication = true;
  settings_.SMTPServer = "mail.example.org";
  settings_.SMTPUserName = "Santa";
  settings_.SMTPAccountName = "santa@example.org";
  settings_.SMTPAccountPassword = "c2VjcmV0";
  ui::SettingsDialog d(settings_, store_, nullptr);
  EXPECT_EQ(d.windowTitle(), "Settings");
  EXPECT_TRUE(Find<QRadioButton>(d, "optSend_1")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>(d, "chkServerRequiresAuthentication")->isChecked());
  EXPECT_EQ(Find<QComboBox>(d, "cboSMTPServer")->currentText(), "mail.example.org");
  // The stored password is never shown, not even masked; the box says one is kept.
  EXPECT_EQ(Find<QLineEdit>(d, "txtAccountPassword")->text(), "");
  EXPECT_TRUE(Find<QLineEdit>(d, "txtAccountPassword")->placeholderText().contains("stored"));
  EXPECT_EQ(Find<ui::URLLink>(d, "URLLink1")->Text(), "List of SMTP Servers");
  auto* presets = Find<QComboBox>(d, "cboSMTPServer");
  ASSERT_EQ(presets->count(), 7);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(mail::CheckSmtpServer(presets->itemText(i).toStdString()), "") << i;
  EXPECT_EQ(presets->itemText(6), "< type one in>");
}

TEST_F(SettingsDialogTest, EnablingFollowsThePathAndTheLoginBox) {
  ui::SettingsDialog d(settings_, store_, nullptr);  // MAPI, no login
  const char* smtp_fields[] = {"Label1",      "Label2",         "Label3",
                               "Label4",      "Label5",         "cboSMTPServer",
                               "txtUserName", "txtAccountName", "chkServerRequiresAuthentication"};
  auto enabled = [&](const char* name) { return Find(d, name)->isEnabled(); };
  for (const char* name : smtp_fields) EXPECT_FALSE(enabled(name)) << name;
  Click(d, "optSend_1");
  for (const char* name : smtp_fields) EXPECT_TRUE(enabled(name)) << name;
  EXPECT_FALSE(enabled("txtAccountPassword") || enabled("Label6"));
  Click(d, "chkServerRequiresAuthentication");
  EXPECT_TRUE(enabled("txtAccountPassword") && enabled("Label6"));
  Click(d, "optSend_0");
  EXPECT_FALSE(enabled("txtAccountPassword") || enabled("Label6") || enabled("txtAccountName"));
}

TEST_F(SettingsDialogTest, RejectedSaveShowsTheMessageAndStaysOpen) {
  ui::SettingsDialog d(settings_, store_, nullptr);
  Click(d, "optSend_1");
  Find<QComboBox>(d, "cboSMTPServer")->setEditText("smtp.example.org:587");
  Find<QLineEdit>(d, "txtAccountName")->setText("santa@example.org");
  Find<QLineEdit>(d, "txtUserName")->setText("Jo");
  Click(d, "cmdSaveSettings");
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].text, "Invalid SMTP name entry, must be longer than 2 characters");
  EXPECT_EQ(boxes_.boxes[0].style, 16);
  EXPECT_EQ(boxes_.boxes[0].title, "HLMR");
  EXPECT_EQ(d.result(), QDialog::Rejected);

  Find<QLineEdit>(d, "txtUserName")->setText("Joe");
  Click(d, "chkServerRequiresAuthentication");
  QTest::keyClicks(Find(d, "txtAccountPassword"), "pw");
  // Unencrypted SMTP starts off, and its box says what it costs.
  auto* unencrypted = Find<QCheckBox>(d, "chkAllowUnencryptedSMTP");
  EXPECT_FALSE(unencrypted->isChecked());
  EXPECT_TRUE(unencrypted->text().contains("WARNING")) << unencrypted->text().toStdString();
  Click(d, "chkAllowUnencryptedSMTP");
  Click(d, "cmdSaveSettings");
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueSMTPAccountPassword),
            mail::RegistryValue("cHc="));
  EXPECT_TRUE(settings_.AllowUnencryptedSMTP);
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueAllowUnencryptedSMTP),
            mail::RegistryValue(1));
}

TEST_F(SettingsDialogTest, StartUpLoadsTheStoreAndSetupOpensTheDialog) {
  ASSERT_EQ(mail::SaveSettings(store_, settings_,
                               {true, "mail.example.org", "ann@example.org", "Ann", "pw", false}),
            "");
  ui::MainWindow w(ui::AppPaths{dir_.path(), store_.path(), {}});
  w.Form_Load();
  EXPECT_TRUE(w.MailSettings.UseSMTP);
  EXPECT_EQ(w.MailSettings.SMTPAccountPassword, "cHc=");
  EXPECT_EQ(w.roster().MessageFooter, mail::BuildMessageFooter(ui::help_config::kHomePageUrl));

  ui::SetModalHandler([&](QDialog& d) {
    EXPECT_EQ(d.objectName(), "frmSettings");
    EXPECT_EQ(d.parentWidget(), &w);
    Click(d, "optSend_0");
    Click(d, "cmdSaveSettings");
    return d.result();
  });
  w.RunCommand("mnuSetup");
  ui::SetModalHandler(nullptr);
  EXPECT_FALSE(w.MailSettings.UseSMTP);
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueUseSMTP), mail::RegistryValue(0));
}

}  // namespace
