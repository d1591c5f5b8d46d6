#pragma once
// The SMTP sender of the main window: drives the session engine over a socket (clear text on
// a PlainSocket, handed to a QSslSocket at STARTTLS; a QSslSocket from the start on port 465)
// and carries out what the engine asks for: bytes, TLS, the session log, status texts,
// message boxes, timers and the New command.
//
// The Calculate & Send flow and the Send Message command use it through SmtpRunnerOf(w):
//   SmtpRunnerOf(w).SmtpSendDrawing();   // after frmSend and the archive
//   SmtpRunnerOf(w).SmtpSendMessage();   // shows frmSendMessage itself, then sends
// Both return at once; the run goes on in socket events. finished() is emitted at its end.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QSslSocket>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "mail/smtp/smtp_engine.h"
#include "ui/plain_socket.h"

namespace ui {

class MainWindow;

class SmtpRunner : public QObject {
  Q_OBJECT

 public:
  SmtpRunner(mail::SmtpContext context, roster::Ui& ui, std::filesystem::path log_path,
             QObject* parent = nullptr);
  ~SmtpRunner() override;

  void SmtpSendDrawing();
  void SmtpSendMessage();

  // frmSendMessage for the free-form run: shown (modally) before the run starts; it leaves
  // its answer in SendConfirmed. Without one, the send values are used as they stand.
  void SetSendMessageDialog(std::function<void()> show) { send_message_dialog_ = std::move(show); }
  // Where each run's list comes from, asked once as the run starts (after frmSendMessage
  // for the free-form run); it may throw when the roster cannot give one.
  void SetDeliverySource(std::function<mail::DeliveryRun(bool free_form)> source) {
    delivery_source_ = std::move(source);
  }
  // The main window's New command, run at the end of a re-send run.
  void SetNewCommand(std::function<void()> run_new) { run_new_ = std::move(run_new); }
  // Certificates trusted besides the system's (a test's throw-away authority).
  void AddCaCertificates(const QList<QSslCertificate>& certificates) { extra_ca_ += certificates; }
  void SetTimeouts(const mail::SmtpTimeouts& timeouts) { engine_.context().timeouts = timeouts; }
  // Renews the sign-in's access token when the server refuses the one it has: puts the new
  // token into the settings the session reads and calls `done` (now or later). Without one a
  // refused token ends the login.
  using TokenRefresher =
      std::function<void(std::function<void(bool ok, const std::string& problem)> done)>;
  void SetTokenRefresher(TokenRefresher refresher) { token_refresher_ = std::move(refresher); }

  bool Active() const { return engine_.Active(); }
  void RequestStop() { engine_.RequestStop(); }
  const mail::SmtpEngine& engine() const { return engine_; }
  const std::filesystem::path& log_path() const { return log_path_; }

 signals:
  void finished();

 private:
  // The run's list, or nullopt after telling the user why there is none.
  std::optional<mail::DeliveryRun> TakeDeliveries(bool free_form);
  void Pump();
  void Execute(const mail::SmtpEffect& e);
  void SendOutbox();
  void Connect(const mail::SmtpEffect& e);
  void OnPlainBytes(const QByteArray& bytes);
  void Feed(const QByteArray& bytes);
  void StartTls();
  QSslSocket* NewTlsSocket();
  void DropSocket();
  void OnSocketError(QAbstractSocket::SocketError error, const QString& text);

  mail::SmtpEngine engine_;
  roster::Ui& ui_;
  std::filesystem::path log_path_;
  std::ofstream log_;
  std::vector<char> log_buffer_ = std::vector<char>(1 << 16);
  // Clear text until STARTTLS hands the connection to the TLS socket; port 465 starts there.
  QPointer<PlainSocket> plain_;
  QPointer<QSslSocket> tls_;
  QString host_;
  QTimer reply_timer_;
  QTimer reconnect_timer_;
  QList<QSslCertificate> extra_ca_;
  std::function<void()> send_message_dialog_;
  std::function<void()> run_new_;
  std::function<mail::DeliveryRun(bool)> delivery_source_;
  TokenRefresher token_refresher_;
  bool pumping_ = false;
  std::string outbox_;
};

// The window's sender, created by WireSmtpCommands.
SmtpRunner& SmtpRunnerOf(MainWindow& w);

// Whether any network interface besides loopback is up (the "internet connection" the
// start-up error texts distinguish).
bool InternetConnected();

}  // namespace ui
