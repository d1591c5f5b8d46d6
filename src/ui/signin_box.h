#pragma once
// The settings dialog's sign-in part: password or the provider's sign-in in the browser,
// "Sign in..." / "Sign out", and "Send a test message to myself" with its result.

#include <QGroupBox>
#include <QPointer>
#include <QUrl>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "settings/mail_settings.h"
#include "settings/secret_store.h"
#include "settings/settings_store.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace ui {

class OAuthSignIn;
class TestMessageSender;

class SignInBox : public QGroupBox {
  Q_OBJECT

 public:
  // `entries` gives the dialog's entries as they stand (saved or not), for the test message.
  SignInBox(mail::MailSettings& settings, mail::SettingsStore& store, mail::SecretStore* keyring,
            std::function<mail::MailSettings()> entries, QWidget* parent);
  ~SignInBox() override;

  // With the dialog's Save: the chosen sign-in method and provider.
  void Save();
  // The provider a known address belongs to: its sign-in is chosen for it.
  void SuggestProvider(const std::string& provider);
  // The method and provider as chosen in the box.
  std::string Method() const;
  std::string Provider() const;

  void SetDataDir(std::filesystem::path dir) { data_dir_ = std::move(dir); }
  // Opens the sign-in address: the system browser unless replaced (tests follow it).
  void SetBrowser(std::function<void(const QUrl&)> open) { browser_ = std::move(open); }
  void SetSignInTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
  // The test message's sender, once started (tests trust their server's certificate).
  TestMessageSender* test_sender() const;

 signals:
  // After signing in or out: the signed-in account may have changed.
  void accountChanged();

 private:
  void SignInOrOut();
  void SignIn();
  void SignOut();
  void SendTestMessage();
  void UpdateState();
  bool SignedIn() const;

  mail::MailSettings& settings_;
  mail::SettingsStore& store_;
  mail::SecretStore* keyring_;
  std::function<mail::MailSettings()> entries_;
  std::filesystem::path data_dir_;
  std::function<void(const QUrl&)> browser_;
  std::chrono::milliseconds timeout_ = std::chrono::minutes(5);
  QRadioButton* opt_password_;
  QRadioButton* opt_oauth_;
  QComboBox* provider_;
  QLabel* status_;
  QPushButton* sign_in_;
  QPushButton* test_;
  QLabel* test_result_;
  QPointer<OAuthSignIn> pending_;
  QPointer<TestMessageSender> test_sender_;
};

}  // namespace ui
