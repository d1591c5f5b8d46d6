#pragma once
// Starts an SMTP server for a test on 127.0.0.1 at a free port: Debian's aiosmtpd (with or
// without AUTH LOGIN, STARTTLS or implicit TLS, the certificate made on the spot with
// openssl) or a scripted server for faults. Every accepted message is captured in a file.
// The server is stopped when the object goes.

#include <QList>
#include <QProcess>
#include <QSslCertificate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

namespace testing_support {

struct SmtpServerOptions {
  bool scripted = false;  // the fault server instead of aiosmtpd
  bool auth = false;      // aiosmtpd: AUTH LOGIN required (login "alice", password "secret")
  bool starttls = false;  // aiosmtpd: STARTTLS offered and required
  bool implicit_tls = false;
  QStringList script_args = {};  // the fault server's options (see smtp_server.py)
  QString xoauth2_tokens = {};   // aiosmtpd: AUTH XOAUTH2 only, tokens from this file
  QString xoauth2_user = {};     // and only for this account ("" takes any)
};

struct CapturedMessage {
  std::string mail_from;
  std::vector<std::string> rcpt_to;
  std::string data;  // as received, after un-stuffing
};

class SmtpServer {
 public:
  explicit SmtpServer(SmtpServerOptions options);
  ~SmtpServer();

  // Empty when the server runs; otherwise why it does not.
  const std::string& error() const { return error_; }
  int port() const { return port_; }
  // The throw-away certificate, to be trusted by the client.
  const QList<QSslCertificate>& certificates() const { return certs_; }

  std::vector<CapturedMessage> Messages() const;
  // Waits (running the event loop) until at least n messages arrived or ms passed.
  bool WaitForMessages(std::size_t n, int ms = 5000) const;
  // What the scripted server read, line by line.
  std::string Transcript() const;

 private:
  bool MakeCertificate();

  QTemporaryDir dir_;
  QProcess process_;
  int port_ = 0;
  std::string error_;
  QList<QSslCertificate> certs_;
};

}  // namespace testing_support
