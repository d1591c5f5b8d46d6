#include "support/smtp_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <cstdlib>

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
  // CTest's environment may not reach discovered tests, so both have built-in defaults.
  const char* python = std::getenv("HM_PYTHON");
  if (!python) python = "/usr/bin/python3";
  const char* source = std::getenv("HM_SOURCE_DIR");
  if (!source) source = HM_SOURCE_DIR_DEFAULT;
  QStringList args{"-W", "ignore", QString(source) + "/tests/support/smtp_server.py",
                   dir_.path() + "/mail"};
  QDir(dir_.path()).mkpath("mail");
  if (options.scripted) {
    args << "script" << options.script_args;
  } else {
    args << "aiosmtpd";
    if (options.auth) args << "--auth";
    if (options.starttls) args << "--starttls";
    if (options.implicit_tls) args << "--implicit-tls";
    if (!options.xoauth2_tokens.isEmpty()) args << "--xoauth2" << options.xoauth2_tokens;
    if (options.starttls || options.implicit_tls) {
      if (!MakeCertificate()) return;
      args << "--cert" << dir_.path() + "/cert.pem"
           << "--key" << dir_.path() + "/key.pem";
    }
  }
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_.start(python, args);
  if (!process_.waitForStarted(5000)) {
    error_ = "cannot start " + std::string(python);
    return;
  }
  QByteArray line;
  for (int i = 0; i < 100 && !line.contains('\n'); ++i) {
    process_.waitForReadyRead(100);
    line += process_.readAll();
    if (process_.state() != QProcess::Running) break;
  }
  if (!line.startsWith("READY ")) {
    error_ = "server did not start: " + line.toStdString();
    return;
  }
  port_ = line.mid(6).trimmed().toInt();
}

SmtpServer::~SmtpServer() {
  if (process_.state() == QProcess::Running) {
    process_.closeWriteChannel();  // the server stops when its input closes
    if (!process_.waitForFinished(3000)) {
      process_.kill();
      process_.waitForFinished(1000);
    }
  }
}

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
