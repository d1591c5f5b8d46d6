#include "ui/signin_box.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>

#include "core/ui_port.h"
#include "mail/test_message.h"
#include "settings/oauth_providers.h"
#include "settings/oauth_tokens.h"
#include "settings/provider_presets.h"
#include "settings/registry.h"
#include "settings/secrets.h"
#include "ui/oauth_signin.h"
#include "ui/qt_ui.h"
#include "ui/test_message_sender.h"

namespace ui {

namespace {

QString ProviderName(const std::string& provider) {
  if (provider == mail::kOAuthProviderMicrosoft) return QObject::tr("Microsoft");
  if (provider == mail::kOAuthProviderGoogle) return QObject::tr("Google");
  return QObject::tr("your provider");
}

}  // namespace

SignInBox::SignInBox(mail::MailSettings& settings, mail::SettingsStore& store,
                     mail::SecretStore* keyring, std::function<mail::MailSettings()> entries,
                     QWidget* parent)
    : QGroupBox(tr("Sign-in and test:"), parent),
      settings_(settings),
      store_(store),
      keyring_(keyring),
      entries_(std::move(entries)),
      data_dir_(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()),
      browser_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
  setObjectName("FrameSignIn");
  opt_password_ = new QRadioButton(tr("Sign in with my password"), this);
  opt_password_->setObjectName("optAuthPassword");
  opt_oauth_ = new QRadioButton(tr("Sign in with my provider, in the browser:"), this);
  opt_oauth_->setObjectName("optAuthOAuth2");
  provider_ = new QComboBox(this);
  provider_->setObjectName("cboOAuthProvider");
  provider_->addItem(tr("Sign in with Microsoft (Outlook.com, Hotmail, Microsoft 365)"),
                     QString(mail::kOAuthProviderMicrosoft));
  provider_->addItem(tr("Sign in with Google (Gmail)"), QString(mail::kOAuthProviderGoogle));
  provider_->addItem(tr("Sign in with another provider (set up with hollymoor-cli settings)"),
                     QString(mail::kOAuthProviderCustom));
  status_ = new QLabel(this);
  status_->setObjectName("lblSignInStatus");
  status_->setTextFormat(Qt::PlainText);
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  sign_in_ = new QPushButton(this);
  sign_in_->setObjectName("cmdSignIn");
  test_ = new QPushButton(tr("Send a test message to myself"), this);
  test_->setObjectName("cmdTestMessage");
  test_result_ = new QLabel(this);
  test_result_->setObjectName("lblTestResult");
  test_result_->setTextFormat(Qt::PlainText);
  test_result_->setWordWrap(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(opt_password_, 0, 0, 1, 2);
  grid->addWidget(opt_oauth_, 1, 0);
  grid->addWidget(provider_, 1, 1);
  grid->addWidget(sign_in_, 2, 0);
  grid->addWidget(status_, 2, 1);
  grid->addWidget(test_, 3, 0);
  grid->addWidget(test_result_, 3, 1);

  const bool oauth = settings_.SMTPAuthMethod == mail::kAuthMethodOAuth2;
  (oauth ? opt_oauth_ : opt_password_)->setChecked(true);
  const int index = provider_->findData(QString::fromStdString(settings_.OAuthProvider));
  provider_->setCurrentIndex(index < 0 ? 0 : index);
  UpdateState();
  connect(opt_password_, &QRadioButton::toggled, this, [this] { UpdateState(); });
  connect(provider_, &QComboBox::currentIndexChanged, this, [this] { UpdateState(); });
  connect(sign_in_, &QPushButton::clicked, this, [this] { SignInOrOut(); });
  connect(test_, &QPushButton::clicked, this, [this] { SendTestMessage(); });
}

SignInBox::~SignInBox() = default;

TestMessageSender* SignInBox::test_sender() const { return test_sender_; }

std::string SignInBox::Method() const {
  return opt_oauth_->isChecked() ? mail::kAuthMethodOAuth2 : mail::kAuthMethodPassword;
}

std::string SignInBox::Provider() const {
  return provider_->currentData().toString().toStdString();
}

bool SignInBox::SignedIn() const {
  return !settings_.OAuthRefreshToken.empty() || !settings_.OAuthAccessToken.empty();
}

void SignInBox::SuggestProvider(const std::string& provider) {
  const int index = provider_->findData(QString::fromStdString(provider));
  if (index < 0 || SignedIn()) return;
  provider_->setCurrentIndex(index);
  opt_oauth_->setChecked(true);
}

void SignInBox::UpdateState() {
  const bool oauth = opt_oauth_->isChecked();
  provider_->setEnabled(oauth && !SignedIn() && !pending_);
  if (pending_) return;
  sign_in_->setText(SignedIn() ? tr("Sign out") : tr("Sign in..."));
  sign_in_->setEnabled(SignedIn() || oauth);
  if (SignedIn() && !settings_.OAuthAccount.empty())
    status_->setText(tr("Signed in with %1 as %2.")
                         .arg(ProviderName(settings_.OAuthProvider),
                              QString::fromStdString(settings_.OAuthAccount)));
  else if (SignedIn())
    status_->setText(tr("Signed in with %1.").arg(ProviderName(settings_.OAuthProvider)));
  else if (oauth)
    status_->setText(tr("Not signed in."));
  else
    status_->clear();
}

void SignInBox::SignInOrOut() {
  if (SignedIn())
    SignOut();
  else
    SignIn();
}

void SignInBox::SignIn() {
  mail::MailSettings chosen = settings_;
  chosen.OAuthProvider = Provider();
  std::string problem;
  const mail::OAuthEndpoints endpoints = mail::ResolveOAuthEndpoints(chosen, &problem);
  if (!problem.empty()) {
    status_->setText(tr("Cannot sign in: %1.").arg(QString::fromStdString(problem)));
    return;
  }
  auto* sign_in = new OAuthSignIn(endpoints, this);
  pending_ = sign_in;
  connect(sign_in, &OAuthSignIn::authorizeUrl, this, [this](const QUrl& url) {
    status_->setText(tr("Waiting for the browser. If it did not open, open this address: %1")
                         .arg(url.toString(QUrl::FullyEncoded)));
    browser_(url);
  });
  connect(sign_in, &OAuthSignIn::finished, this,
          [this, sign_in, provider = chosen.OAuthProvider](bool ok, const QString& why) {
            sign_in->deleteLater();
            pending_ = nullptr;
            if (!ok) {
              UpdateState();
              status_->setText(tr("Not signed in: %1.").arg(why));
              return;
            }
            settings_.OAuthProvider = provider;
            mail::SecretAccess access{
                keyring_, [this](const std::string& question) {
                  return ShowMessageBox(this, question, roster::mb::kYesNo | roster::mb::kQuestion,
                                        roster::kDefaultTitle) == roster::mb::kYes;
                }};
            mail::SaveRegistryValue(store_, mail::kValueOAuthProvider, provider, mail::kTypeString);
            mail::KeepTokens(store_, access, settings_, sign_in->tokens());
            // Signing in is choosing to send with it.
            settings_.SMTPAuthMethod = mail::kAuthMethodOAuth2;
            mail::SaveRegistryValue(store_, mail::kValueSMTPAuthMethod, settings_.SMTPAuthMethod,
                                    mail::kTypeString);
            opt_oauth_->setChecked(true);
            UpdateState();
            emit accountChanged();
          });
  QTimer::singleShot(timeout_, sign_in, [sign_in, this] {
    sign_in->Abort(tr("no answer from the browser within %1 seconds")
                       .arg(std::chrono::duration_cast<std::chrono::seconds>(timeout_).count())
                       .toStdString());
  });
  sign_in_->setEnabled(false);
  provider_->setEnabled(false);
  if (!sign_in->Start(&problem)) {
    sign_in->deleteLater();
    pending_ = nullptr;
    UpdateState();
    status_->setText(tr("Cannot sign in: %1.").arg(QString::fromStdString(problem)));
  }
}

void SignInBox::SignOut() {
  mail::ForgetTokens(store_, {keyring_, [](const std::string&) { return false; }}, settings_);
  UpdateState();
  emit accountChanged();
}

void SignInBox::Save() {
  settings_.SMTPAuthMethod = Method();
  mail::SaveRegistryValue(store_, mail::kValueSMTPAuthMethod, settings_.SMTPAuthMethod,
                          mail::kTypeString);
  if (settings_.SMTPAuthMethod == mail::kAuthMethodOAuth2) {
    settings_.OAuthProvider = Provider();
    mail::SaveRegistryValue(store_, mail::kValueOAuthProvider, settings_.OAuthProvider,
                            mail::kTypeString);
  }
}

void SignInBox::SendTestMessage() {
  mail::MailSettings entries = entries_();
  entries.SMTPAuthMethod = Method();
  if (entries.SMTPAuthMethod == mail::kAuthMethodOAuth2) entries.OAuthProvider = Provider();
  const std::string obstacle = mail::TestMessageObstacle(entries);
  if (!obstacle.empty()) {
    test_result_->setText(QString::fromStdString(obstacle));
    return;
  }
  auto* sender = new TestMessageSender(entries, store_, keyring_, data_dir_, this);
  test_sender_ = sender;
  test_->setEnabled(false);
  test_result_->setText(
      tr("Sending the test message to %1...").arg(QString::fromStdString(entries.SMTPAccountName)));
  connect(sender, &TestMessageSender::finished, this, [this, sender](bool, const QString& text) {
    test_result_->setText(text);
    test_->setEnabled(true);
    sender->deleteLater();
  });
  sender->Start();
}

}  // namespace ui
