// The settings dialog's sign-in with a provider (the test authorization server, its address
// followed as a browser would) and its test message (aiosmtpd and the scripted server).

#include "ui/signin_box.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "settings/file_settings_store.h"
#include "settings/registry.h"
#include "support/memory_secret_store.h"
#include "support/oauth_server.h"
#include "support/qt_helpers.h"
#include "support/smtp_server.h"
#include "ui/settings_dialog.h"

namespace {

using testing_support::Find;
using testing_support::SmtpServer;
using testing_support::SmtpServerOptions;

class SignInBoxTest : public ::testing::Test {
 protected:
  void UseServer(const SmtpServer& server, bool auth) {
    settings_.UseSMTP = true;
    settings_.SMTPServer = "127.0.0.1:" + std::to_string(server.port());
    settings_.SMTPAccountName = "alice@example.org";
    settings_.SMTPUserName = "Alice Organiser";
    settings_.ServerRequiresAuthentication = auth;
    settings_.AllowUnencryptedSMTP = true;
  }
  void UseProvider(const testing_support::OAuthServer& oauth) {
    settings_.OAuthProvider = "custom";
    settings_.OAuthAuthorizeURL = oauth.base_url() + "/authorize";
    settings_.OAuthTokenURL = oauth.base_url() + "/token";
    settings_.OAuthClientID = "hollymoor-test";
    settings_.OAuthScopes = "smtp offline_access";
  }
  // Opens the dialog with the browser played by a network request that follows the redirect
  // back to the loopback.
  std::unique_ptr<ui::SettingsDialog> Open() {
    auto d = std::make_unique<ui::SettingsDialog>(settings_, store_, nullptr, &keyring_);
    d->SetDataDir(dir_.path() / "data");
    d->signin_box()->SetBrowser([this](const QUrl& url) {
      ++browser_opened_;
      QNetworkReply* reply = network_.get(QNetworkRequest(url));
      QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    });
    return d;
  }
  QString Text(QObject& d, const char* name) { return Find<QLabel>(d, name)->text(); }
  bool WaitForText(QObject& d, const char* name, const QString& start, int ms = 10000) {
    return QTest::qWaitFor([&] { return Text(d, name).startsWith(start); }, ms);
  }

  testing_support::TempDir dir_;
  mail::FileSettingsStore store_{dir_.path() / "settings.ini"};
  mail::MailSettings settings_;
  testing_support::MemorySecretStore keyring_;
  testing_support::MessageBoxCatcher boxes_;
  QNetworkAccessManager network_;
  int browser_opened_ = 0;
};

TEST_F(SignInBoxTest, SigningInKeepsTheTokensSendsWithThemAndSigningOutForgetsThem) {
  testing_support::OAuthServer oauth;
  ASSERT_EQ(oauth.error(), "");
  SmtpServerOptions options;
  options.xoauth2_tokens = oauth.tokens_file();
  SmtpServer smtp(options);
  ASSERT_EQ(smtp.error(), "");
  UseServer(smtp, true);
  UseProvider(oauth);
  auto d = Open();
  auto* sign_in = Find<QPushButton>(*d, "cmdSignIn");
  EXPECT_FALSE(sign_in->isEnabled()) << "password chosen: nothing to sign in to";
  Find<QRadioButton>(*d, "optAuthOAuth2")->click();
  auto* provider = Find<QComboBox>(*d, "cboOAuthProvider");
  provider->setCurrentIndex(provider->findData("custom"));
  EXPECT_EQ(Text(*d, "lblSignInStatus"), "Not signed in.");
  ASSERT_TRUE(sign_in->isEnabled());
  EXPECT_EQ(sign_in->text(), "Sign in...");

  sign_in->click();
  ASSERT_TRUE(WaitForText(*d, "lblSignInStatus", "Signed in with"))
      << Text(*d, "lblSignInStatus").toStdString();
  EXPECT_EQ(browser_opened_, 1);
  EXPECT_EQ(sign_in->text(), "Sign out");
  EXPECT_EQ(settings_.SMTPAuthMethod, "oauth2");
  EXPECT_EQ(keyring_.entries.size(), 2u) << "refresh and access token";
  EXPECT_TRUE(boxes_.boxes.empty());

  Find<QPushButton>(*d, "cmdTestMessage")->click();
  ASSERT_TRUE(WaitForText(*d, "lblTestResult", "The test message"));
  EXPECT_EQ(Text(*d, "lblTestResult"),
            "The test message to alice@example.org was accepted for delivery.");
  ASSERT_EQ(smtp.Messages().size(), 1u);
  EXPECT_EQ(smtp.Messages()[0].rcpt_to, std::vector<std::string>{"alice@example.org"});
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "data" / "History")) << "no archive";

  sign_in->click();
  EXPECT_EQ(Text(*d, "lblSignInStatus"), "Not signed in.");
  EXPECT_EQ(sign_in->text(), "Sign in...");
  EXPECT_TRUE(keyring_.entries.empty());
  EXPECT_TRUE(settings_.OAuthRefreshToken.empty());
}

// The ID token names the account: the box says which, the dialog warns that a From address
// of another account will be refused, and the test message logs in as that account.
TEST_F(SignInBoxTest, TheSignedInAccountIsShownWarnedAboutAndSignsIn) {
  testing_support::OAuthServer oauth(
      {"--account", "santa@outlook.com", "--account-claim", "preferred_username"});
  ASSERT_EQ(oauth.error(), "");
  SmtpServerOptions options;
  options.xoauth2_tokens = oauth.tokens_file();
  options.xoauth2_user = "santa@outlook.com";
  SmtpServer smtp(options);
  ASSERT_EQ(smtp.error(), "");
  UseServer(smtp, true);
  UseProvider(oauth);
  // Microsoft's claim, through the overrides of the built-in provider.
  settings_.OAuthProvider = "microsoft";
  settings_.OAuthScopes = "smtp offline_access openid email";
  auto d = Open();
  auto* warning = Find<QLabel>(*d, "lblFromWarning");
  EXPECT_TRUE(warning->isHidden()) << "no account known yet";
  Find<QRadioButton>(*d, "optAuthOAuth2")->click();
  Find<QPushButton>(*d, "cmdSignIn")->click();
  ASSERT_TRUE(WaitForText(*d, "lblSignInStatus", "Signed in with"))
      << Text(*d, "lblSignInStatus").toStdString();
  EXPECT_EQ(Text(*d, "lblSignInStatus"), "Signed in with Microsoft as santa@outlook.com.");
  EXPECT_EQ(settings_.OAuthAccount, "santa@outlook.com");
  EXPECT_FALSE(warning->isHidden());
  EXPECT_TRUE(warning->text().contains("(santa@outlook.com), not from alice@example.org"))
      << warning->text().toStdString();

  Find<QPushButton>(*d, "cmdTestMessage")->click();
  ASSERT_TRUE(WaitForText(*d, "lblTestResult", "The test message"));
  EXPECT_EQ(Text(*d, "lblTestResult"),
            "The test message to alice@example.org was accepted for delivery.");

  // The From address made the account's: no warning.
  auto* from = Find<QLineEdit>(*d, "txtAccountName");
  from->clear();
  QTest::keyClicks(from, "santa@outlook.com");
  EXPECT_TRUE(warning->isHidden()) << warning->text().toStdString();

  Find<QPushButton>(*d, "cmdSignIn")->click();
  EXPECT_EQ(settings_.OAuthAccount, "");
  EXPECT_EQ(Text(*d, "lblSignInStatus"), "Not signed in.");
}

TEST_F(SignInBoxTest, ADeclinedSignInChangesNothingAndSaysSo) {
  testing_support::OAuthServer oauth({"--deny"});
  ASSERT_EQ(oauth.error(), "");
  UseProvider(oauth);
  auto d = Open();
  Find<QRadioButton>(*d, "optAuthOAuth2")->click();
  auto* provider = Find<QComboBox>(*d, "cboOAuthProvider");
  provider->setCurrentIndex(provider->findData("custom"));
  Find<QPushButton>(*d, "cmdSignIn")->click();
  ASSERT_TRUE(WaitForText(*d, "lblSignInStatus", "Not signed in:"));
  EXPECT_TRUE(Text(*d, "lblSignInStatus").contains("declined"));
  EXPECT_TRUE(keyring_.entries.empty());
  EXPECT_EQ(settings_.SMTPAuthMethod, "password");

  // Google without a client ID in this build or the settings cannot start at all.
  provider->setCurrentIndex(provider->findData("google"));
  settings_.OAuthClientID.clear();
  Find<QPushButton>(*d, "cmdSignIn")->click();
  EXPECT_TRUE(Text(*d, "lblSignInStatus").startsWith("Cannot sign in: no client ID"))
      << Text(*d, "lblSignInStatus").toStdString();
}

TEST_F(SignInBoxTest, TheTestMessageTriesTheEntriesAsTypedAndSaysWhatWentWrong) {
  SmtpServer smtp(SmtpServerOptions{});
  ASSERT_EQ(smtp.error(), "");
  UseServer(smtp, false);
  settings_.SMTPServer = "mail.example.invalid";  // stored; the dialog's entry wins
  auto d = Open();
  Find<QComboBox>(*d, "cboSMTPServer")
      ->setEditText(QString::fromStdString("127.0.0.1:" + std::to_string(smtp.port())));
  Find<QPushButton>(*d, "cmdTestMessage")->click();
  ASSERT_TRUE(WaitForText(*d, "lblTestResult", "The test message"));
  EXPECT_EQ(Text(*d, "lblTestResult"),
            "The test message to alice@example.org was accepted for delivery.");
  ASSERT_TRUE(smtp.WaitForMessages(1));
  EXPECT_NE(smtp.Messages()[0].data.find("Hollymoor test message"), std::string::npos);
  EXPECT_EQ(settings_.SMTPServer, "mail.example.invalid") << "nothing saved";

  SmtpServer refusing(SmtpServerOptions{
      .scripted = true,
      .script_args = {"--auth-last", "--reject",
                      "PASS:1:535 5.7.139 Authentication unsuccessful, basic authentication is "
                      "disabled."}});
  ASSERT_EQ(refusing.error(), "");
  Find<QComboBox>(*d, "cboSMTPServer")
      ->setEditText(QString::fromStdString("127.0.0.1:" + std::to_string(refusing.port())));
  Find<QRadioButton>(*d, "optSend_1")->click();
  auto* auth = Find<QAbstractButton>(*d, "chkServerRequiresAuthentication");
  if (!auth->isChecked()) auth->click();
  QTest::keyClicks(Find<QLineEdit>(*d, "txtAccountPassword"), "secret");
  Find<QPushButton>(*d, "cmdTestMessage")->click();
  ASSERT_TRUE(WaitForText(*d, "lblTestResult", "The test message to alice@example.org was not"));
  EXPECT_TRUE(Text(*d, "lblTestResult").contains("535 5.7.139"))
      << Text(*d, "lblTestResult").toStdString();
  EXPECT_TRUE(Text(*d, "lblTestResult").contains("Sign in with Microsoft"));
  EXPECT_TRUE(refusing.Messages().empty());
}

// The desktop-mail path: the test message goes through the system mailer (msmtp, delivering
// to aiosmtpd), and a mailer that fails is reported, not taken for a delivery.
TEST_F(SignInBoxTest, TheTestMessageGoesThroughTheSystemMailer) {
  auto smtp = std::make_unique<SmtpServer>(SmtpServerOptions{});
  ASSERT_EQ(smtp->error(), "");
  settings_.UseSMTP = false;
  settings_.SMTPAccountName = "alice@example.org";
  settings_.SMTPUserName = "Alice Organiser";
  const std::string msmtp =
      "/usr/bin/msmtp --host=127.0.0.1 --from=alice@example.org "
      "--auth=off --tls=off -t --port=";
  settings_.MailerCommand = msmtp + std::to_string(smtp->port());
  auto d = Open();
  ASSERT_TRUE(Find<QRadioButton>(*d, "optSend_0")->isChecked());

  // Without a sender address there is nobody to send it to: said at once, nothing sent.
  auto* from = Find<QLineEdit>(*d, "txtAccountName");
  from->clear();
  Find<QPushButton>(*d, "cmdTestMessage")->click();
  EXPECT_TRUE(Text(*d, "lblTestResult").startsWith("The test message goes to your own e-mail"))
      << Text(*d, "lblTestResult").toStdString();
  EXPECT_TRUE(Find<QPushButton>(*d, "cmdTestMessage")->isEnabled());
  // The address box belongs to the SMTP choice: the user types it there and comes back.
  Find<QRadioButton>(*d, "optSend_1")->click();
  QTest::keyClicks(from, "alice@example.org");
  Find<QRadioButton>(*d, "optSend_0")->click();

  Find<QPushButton>(*d, "cmdTestMessage")->click();
  ASSERT_TRUE(WaitForText(*d, "lblTestResult", "The test message to alice@example.org was"))
      << Text(*d, "lblTestResult").toStdString();
  EXPECT_EQ(Text(*d, "lblTestResult"),
            "The test message to alice@example.org was accepted for delivery.");
  ASSERT_TRUE(smtp->WaitForMessages(1));
  EXPECT_EQ(smtp->Messages()[0].rcpt_to, std::vector<std::string>{"alice@example.org"});
  EXPECT_NE(smtp->Messages()[0].data.find("Hollymoor test message"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "data" / "History")) << "no archive";
  EXPECT_TRUE(Find<QPushButton>(*d, "cmdTestMessage")->isEnabled());

  // Nothing listens on the server's port once it is gone.
  const int closed = smtp->port();
  smtp.reset();
  settings_.MailerCommand = msmtp + std::to_string(closed);
  Find<QPushButton>(*d, "cmdTestMessage")->click();
  ASSERT_TRUE(WaitForText(*d, "lblTestResult", "The test message to alice@example.org was not"))
      << Text(*d, "lblTestResult").toStdString();
  EXPECT_TRUE(boxes_.boxes.empty());
}

}  // namespace
