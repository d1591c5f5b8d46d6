#include "ui/qt_secret_store.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdlib>
#include <memory>

namespace ui {

namespace {

// Bounded, so a keyring that never answers (a hung prompt) cannot stall the program.
constexpr int kKeyringTimeoutMs = 20000;

mail::SecretStatus StatusOf(const QKeychain::Job& job) {
  switch (job.error()) {
    case QKeychain::NoError:
      return mail::SecretStatus::kOk;
    case QKeychain::EntryNotFound:
      return mail::SecretStatus::kNotFound;
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
      return mail::SecretStatus::kNoKeyring;
    default:
      return mail::SecretStatus::kFailed;
  }
}

mail::SecretStatus Run(QKeychain::Job& job, std::string* error) {
  job.setAutoDelete(false);
  QEventLoop loop;
  bool done = false;
  QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
    done = true;
    loop.quit();
  });
  QTimer::singleShot(kKeyringTimeoutMs, &loop, &QEventLoop::quit);
  job.start();
  if (!done) loop.exec();
  if (!done) {
    *error = QCoreApplication::translate("ui::QtSecretStore", "the keyring did not answer")
                 .toStdString();
    return mail::SecretStatus::kFailed;
  }
  *error = job.errorString().toStdString();
  return StatusOf(job);
}

}  // namespace

mail::SecretStatus QtSecretStore::Read(const std::string& key, std::string* secret) {
  QKeychain::ReadPasswordJob job(QString::fromStdString(service_));
  job.setKey(QString::fromStdString(key));
  const mail::SecretStatus status = Run(job, &last_error_);
  if (status == mail::SecretStatus::kOk) *secret = job.textData().toStdString();
  return status;
}

mail::SecretStatus QtSecretStore::Write(const std::string& key, const std::string& secret) {
  QKeychain::WritePasswordJob job(QString::fromStdString(service_));
  job.setKey(QString::fromStdString(key));
  job.setTextData(QString::fromStdString(secret));
  return Run(job, &last_error_);
}

mail::SecretStatus QtSecretStore::Remove(const std::string& key) {
  QKeychain::DeletePasswordJob job(QString::fromStdString(service_));
  job.setKey(QString::fromStdString(key));
  return Run(job, &last_error_);
}

mail::SecretStore* SystemKeyring() {
  const char* choice = std::getenv("HOLLYMOOR_KEYRING");
  if (choice && std::string(choice) == "none") return nullptr;
  static QtSecretStore keyring("Hollymoor");
  return &keyring;
}

}  // namespace ui
