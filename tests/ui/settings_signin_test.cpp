// The settings dialog helping with today's providers: the preset an address brings, the
// warning about a sender the provider refuses, and the password going to the keyring.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "settings/file_settings_store.h"
#include "settings/registry.h"
#include "settings/secrets.h"
#include "support/memory_secret_store.h"
#include "support/qt_helpers.h"
#include "ui/settings_dialog.h"

namespace {

using testing_support::Find;

class SettingsSignInTest : public ::testing::Test {
 protected:
  void Click(QObject& d, const char* name) { Find<QAbstractButton>(d, name)->click(); }
  void TypeAddress(QObject& d, const char* address) {
    auto* box = Find<QLineEdit>(d, "txtAccountName");
    box->clear();
    QTest::keyClicks(box, address);
  }
  bool Shown(QObject& d, const char* name) { return !Find<QLabel>(d, name)->isHidden(); }

  testing_support::TempDir dir_;
  mail::FileSettingsStore store_{dir_.path() / "settings.ini"};
  mail::MailSettings settings_;
  testing_support::MemorySecretStore keyring_;
  testing_support::MessageBoxCatcher boxes_;
};

TEST_F(SettingsSignInTest, TypingAKnownAddressFillsTheServerAndShowsTheHint) {
  ui::SettingsDialog d(settings_, store_, nullptr, &keyring_);
  Click(d, "optSend_1");
  EXPECT_FALSE(Shown(d, "lblProviderHint"));
  TypeAddress(d, "santa@gmail.com");
  EXPECT_EQ(Find<QComboBox>(d, "cboSMTPServer")->currentText(), "smtp.gmail.com:587");
  EXPECT_TRUE(Find<QCheckBox>(d, "chkServerRequiresAuthentication")->isChecked());
  EXPECT_TRUE(Find(d, "txtAccountPassword")->isEnabled());
  ASSERT_TRUE(Shown(d, "lblProviderHint"));
  EXPECT_TRUE(
      Find<QLabel>(d, "lblProviderHint")->text().startsWith("Gmail: create an app password"));

  // A server chosen by hand stays when the address is not a known provider's.
  Find<QComboBox>(d, "cboSMTPServer")->setEditText("mail.example.net:587");
  TypeAddress(d, "santa@example.net");
  EXPECT_EQ(Find<QComboBox>(d, "cboSMTPServer")->currentText(), "mail.example.net:587");
  EXPECT_FALSE(Shown(d, "lblProviderHint"));
}

TEST_F(SettingsSignInTest, WarnsWhileTheSenderIsNotTheProvidersAccount) {
  ui::SettingsDialog d(settings_, store_, nullptr, &keyring_);
  Click(d, "optSend_1");
  TypeAddress(d, "santa@yahoo.com");
  EXPECT_FALSE(Shown(d, "lblFromWarning"));
  TypeAddress(d, "santa@example.org");  // the Yahoo server stays
  ASSERT_TRUE(Shown(d, "lblFromWarning"));
  EXPECT_TRUE(Find<QLabel>(d, "lblFromWarning")->text().contains("santa@example.org"));
  Find<QComboBox>(d, "cboSMTPServer")->setEditText("mail.example.org");
  EXPECT_FALSE(Shown(d, "lblFromWarning"));
}

TEST_F(SettingsSignInTest, SavingPutsThePasswordInTheKeyringAndAsksOnlyWithoutOne) {
  ui::SettingsDialog d(settings_, store_, nullptr, &keyring_);
  Click(d, "optSend_1");
  TypeAddress(d, "santa@example.org");
  Find<QComboBox>(d, "cboSMTPServer")->setEditText("mail.example.org:587");
  Find<QLineEdit>(d, "txtUserName")->setText("Santa");
  Click(d, "chkServerRequiresAuthentication");
  QTest::keyClicks(Find(d, "txtAccountPassword"), "pw");
  Click(d, "cmdSaveSettings");
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_TRUE(boxes_.boxes.empty());
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueSMTPAccountPassword),
            mail::RegistryValue(""));
  EXPECT_EQ(keyring_.entries.at("smtp-password:santa@example.org"), "cHc=");

  keyring_.available = false;
  boxes_.QueueAnswer(roster::mb::kNo);
  ui::SettingsDialog again(settings_, store_, nullptr, &keyring_);
  Click(again, "cmdSaveSettings");
  EXPECT_EQ(again.result(), QDialog::Accepted);
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].text, mail::kNoKeyringQuestion);
  EXPECT_EQ(boxes_.boxes[0].style, roster::mb::kYesNo | roster::mb::kQuestion);
  EXPECT_EQ(settings_.SMTPAccountPassword, "cHc=") << "kept for this session";
  EXPECT_EQ(mail::LoadRegistryValue(store_, mail::kValueSMTPAccountPassword),
            mail::RegistryValue(""));
}

}  // namespace
