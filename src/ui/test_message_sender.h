#pragma once
// "Send a test message to myself": one message to the sender's own address by the path the
// entries choose, without a roster file or an archive, and the result in plain words. SMTP
// goes on in socket events; the system mailer answers at once.

#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <filesystem>
#include <memory>

#include "core/clock.h"
#include "core/quiet_ui.h"
#include "mail/delivery.h"
#include "mail/send_values.h"
#include "settings/mail_settings.h"
#include "settings/secret_store.h"
#include "settings/settings_store.h"

namespace mail {
class MailerClient;
}

namespace ui {

class SmtpRunner;

class TestMessageSender : public QObject {
  Q_OBJECT

 public:
  // `settings`: the entries to try, saved or not. A renewed sign-in token goes to `store` and
  // `keyring`; the session log to `data_dir`.
  TestMessageSender(mail::MailSettings settings, mail::SettingsStore& store,
                    mail::SecretStore* keyring, std::filesystem::path data_dir,
                    QObject* parent = nullptr);
  ~TestMessageSender() override;

  // Emits finished() once, now or when the server has answered.
  void Start();
  // Certificates trusted besides the system's (a test server's throw-away authority).
  void AddCaCertificates(const QList<QSslCertificate>& certificates) { extra_ca_ += certificates; }

 signals:
  void finished(bool accepted, const QString& text);

 private:
  void StartSmtp();
  void SendByMailer();
  void Report(const mail::DeliveryOutcome* outcome);

  mail::MailSettings settings_;
  mail::SettingsStore& store_;
  mail::SecretStore* keyring_;
  std::filesystem::path data_dir_;
  mail::SendValues values_;
  // Nobody answers the senders' boxes; the last one says why a run ended early.
  class RecordingUi : public roster::QuietUi {
   public:
    int MsgBox(const std::string& text, int style, const std::string& title) override {
      last_box = text;
      return QuietUi::MsgBox(text, style, title);
    }
    std::string last_box;
  };
  RecordingUi quiet_;
  roster::SystemClock clock_;
  QList<QSslCertificate> extra_ca_;
  std::unique_ptr<SmtpRunner> runner_;
  bool done_ = false;
};

}  // namespace ui
