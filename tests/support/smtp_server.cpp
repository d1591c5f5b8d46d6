#include "support/smtp_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "support/python_service.h"

namespace testing_support {

namespace {
std::string ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QByteArray b = f.readAll();
  return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}
}  // namespace

SmtpServer::SmtpServer(SmtpServerOptions options) {
  QStringList args{"-W", "ignore", SupportScript("smtp_server.py"), dir_.path() + "/mail"};
  QDir(dir_.path()).mkpath("mail");
  if (options.scripted) {
    args << "script" << options.script_args;
  } else {
    args << "aiosmtpd";
    if (options.auth) args << "--auth";
    if (options.starttls) args << "--starttls";
    if (options.implicit_tls) args << "--implicit-tls";
    if (!options.xoauth2_tokens.isEmpty()) args << "--xoauth2" << options.xoauth2_tokens;
    if (!options.xoauth2_user.isEmpty()) args << "--xoauth2-user" << options.xoauth2_user;
    if (options.starttls || options.implicit_tls) {
      if (!MakeCertificate()) return;
      args << "--cert" << dir_.path() + "/cert.pem"
           << "--key" << dir_.path() + "/key.pem";
    }
  }
  port_ = StartPythonServer(process_, args, "server", &error_);
}

// The server stops when its input closes.
SmtpServer::~SmtpServer() { StopPythonServer(process_); }

bool SmtpServer::MakeCertificate() {
  QProcess openssl;
  openssl.start("openssl",
                {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                 "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                 "subjectAltName=IP:127.0.0.1,DNS:localhost", "-keyout", dir_.path() + "/key.pem",
                 "-out", dir_.path() + "/cert.pem"});
  if (!openssl.waitForFinished(10000) || openssl.exitCode() != 0) {
    error_ = "openssl failed: " + openssl.readAllStandardError().toStdString();
    return false;
  }
  certs_ = QSslCertificate::fromPath(dir_.path() + "/cert.pem");
  if (certs_.isEmpty()) error_ = "no certificate";
  return !certs_.isEmpty();
}

std::vector<CapturedMessage> SmtpServer::Messages() const {
  std::vector<CapturedMessage> out;
  for (int i = 1;; ++i) {
    QString base = dir_.path() + QString("/mail/msg-%1").arg(i, 3, 10, QChar('0'));
    if (!QFile::exists(base + ".eml")) break;
    CapturedMessage m;
    QString env = QString::fromStdString(ReadAll(base + ".env"));
    QStringList lines = env.split('\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty()) m.mail_from = lines.takeFirst().toStdString();
    for (const QString& r : lines) m.rcpt_to.push_back(r.toStdString());
    m.data = ReadAll(base + ".eml");
    out.push_back(std::move(m));
  }
  return out;
}

bool SmtpServer::WaitForMessages(std::size_t n, int ms) const {
  return QTest::qWaitFor([&] { return Messages().size() >= n; }, ms);
}

std::string SmtpServer::Transcript() const { return ReadAll(dir_.path() + "/mail/transcript"); }

}  // namespace testing_support
