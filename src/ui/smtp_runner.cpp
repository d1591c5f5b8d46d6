#include "ui/smtp_runner.h"

#include <QNetworkInterface>
#include <QSslConfiguration>
#include <QSslError>

namespace ui {

using Kind = mail::SmtpEffect::Kind;

namespace {

// The socket errors as the classic socket control numbered them, so the error box reads the
// same on every platform.
int ErrorNumber(QAbstractSocket::SocketError error) {
  switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return 10061;
    case QAbstractSocket::HostNotFoundError: return 11001;
    case QAbstractSocket::SocketTimeoutError: return 10060;
    case QAbstractSocket::NetworkError: return 10050;
    case QAbstractSocket::SocketAccessError: return 10013;
    case QAbstractSocket::SocketResourceError: return 10055;
    case QAbstractSocket::RemoteHostClosedError: return 10053;
    default: return 10000 + static_cast<int>(error);
  }
}

}  // namespace

bool InternetConnected() {
  for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
    auto f = i.flags();
    if ((f & QNetworkInterface::IsUp) && (f & QNetworkInterface::IsRunning) &&
        !(f & QNetworkInterface::IsLoopBack))
      return true;
  }
  return false;
}

SmtpRunner::SmtpRunner(mail::SmtpContext context, roster::Ui& ui, std::filesystem::path log_path,
                       QObject* parent)
    : QObject(parent), engine_(std::move(context)), ui_(ui), log_path_(std::move(log_path)) {
  reply_timer_.setSingleShot(true);
  reconnect_timer_.setSingleShot(true);
  connect(&reply_timer_, &QTimer::timeout, this, [this] {
    engine_.OnTimer(mail::SmtpTimer::kReply);
    Pump();
  });
  connect(&reconnect_timer_, &QTimer::timeout, this, [this] {
    engine_.OnTimer(mail::SmtpTimer::kReconnectWait);
    Pump();
  });
}

SmtpRunner::~SmtpRunner() { DropSocket(); }

void SmtpRunner::SmtpSendDrawing() {
  engine_.SmtpSendDrawing();
  Pump();
}

void SmtpRunner::SmtpSendMessage() {
  if (engine_.Active()) {  // refused without showing the dialog again
    engine_.SmtpSendMessage();
    Pump();
    return;
  }
  if (send_message_dialog_) send_message_dialog_();
  engine_.SmtpSendMessage();
  Pump();
}

void SmtpRunner::Pump() {
  // Message boxes run a nested event loop; events arriving meanwhile queue their effects,
  // which this outer loop then carries out in order.
  if (pumping_) return;
  pumping_ = true;
  while (auto e = engine_.NextEffect()) Execute(*e);
  // Hand the command to the kernel now instead of on the next pass of the event loop. Only
  // in clear text: on a TLS socket an early flush can stall the handshake.
  if (socket_ && socket_->mode() == QSslSocket::UnencryptedMode) socket_->flush();
  pumping_ = false;
}

void SmtpRunner::Execute(const mail::SmtpEffect& e) {
  switch (e.kind) {
    case Kind::kConnect:
      Connect(e);
      break;
    case Kind::kSend:
      if (socket_) socket_->write(e.text.data(), static_cast<qint64>(e.text.size()));
      break;
    case Kind::kStartTls:
      if (socket_) socket_->startClientEncryption();
      break;
    case Kind::kClose:
      DropSocket();
      break;
    case Kind::kOpenLog:
      log_.close();
      log_.clear();
      log_.open(log_path_, std::ios::binary | std::ios::trunc);
      if (!log_) engine_.OnLogOpenFailed();
      break;
    case Kind::kLog:
      if (log_.is_open()) {
        log_ << e.text << "\r\n";
      }
      break;
    case Kind::kCloseLog:
      log_.close();
      break;
    case Kind::kStatus:
      ui_.SetStatusText(e.text);
      break;
    case Kind::kMessageBox: {
      if (log_.is_open()) log_.flush();  // whole while the user reads the box
      int answer = ui_.MsgBox(e.text, e.style, e.title);
      if (e.needs_answer) engine_.OnAnswer(answer);
      break;
    }
    case Kind::kArmTimer: {
      QTimer& t = e.timer == mail::SmtpTimer::kReply ? reply_timer_ : reconnect_timer_;
      t.start(static_cast<int>(std::min<long long>(e.delay.count(), INT32_MAX)));
      break;
    }
    case Kind::kCancelTimer:
      (e.timer == mail::SmtpTimer::kReply ? reply_timer_ : reconnect_timer_).stop();
      break;
    case Kind::kRunNew:
      if (run_new_) run_new_();
      break;
    case Kind::kFinished:
      emit finished();
      break;
  }
}

void SmtpRunner::Connect(const mail::SmtpEffect& e) {
  DropSocket();
  implicit_tls_ = e.implicit_tls;
  auto* s = new QSslSocket(this);
  socket_ = s;
  QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
  if (!extra_ca_.isEmpty()) conf.addCaCertificates(extra_ca_);
  s->setSslConfiguration(conf);
  s->setPeerVerifyName(QString::fromStdString(e.host));
  // Commands are small and lock-step: send each at once.
  s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  connect(s, &QSslSocket::connected, this, [this] {
    if (implicit_tls_) return;  // the session starts once encrypted
    engine_.OnConnected();
    Pump();
  });
  connect(s, &QSslSocket::encrypted, this, [this] {
    if (implicit_tls_)
      engine_.OnConnected();
    else
      engine_.OnTlsEstablished();
    Pump();
  });
  connect(s, &QSslSocket::readyRead, this, [this, s] {
    QByteArray bytes = s->readAll();
    engine_.OnBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    Pump();
  });
  connect(s, &QSslSocket::sslErrors, this, [this](const QList<QSslError>& errors) {
    std::string text;
    for (const QSslError& err : errors) {
      if (!text.empty()) text += "\r\n";
      text += err.errorString().toStdString();
    }
    engine_.OnTlsFailed(text);
    Pump();
  });
  connect(s, &QSslSocket::errorOccurred, this, &SmtpRunner::OnSocketError);
  connect(s, &QSslSocket::disconnected, this, [this] {
    engine_.OnPeerClosed();
    Pump();
  });
  QString host = QString::fromStdString(e.host);
  if (e.implicit_tls)
    s->connectToHostEncrypted(host, static_cast<quint16>(e.port));
  else
    s->connectToHost(host, static_cast<quint16>(e.port));
}

void SmtpRunner::OnSocketError(QAbstractSocket::SocketError error) {
  if (!socket_) return;
  if (error == QAbstractSocket::RemoteHostClosedError) {
    engine_.OnPeerClosed();
  } else if (error == QAbstractSocket::SslHandshakeFailedError ||
             error == QAbstractSocket::SslInternalError ||
             error == QAbstractSocket::SslInvalidUserDataError) {
    engine_.OnTlsFailed(socket_->errorString().toStdString());
  } else {
    engine_.Winsock1_Error(ErrorNumber(error), socket_->errorString().toStdString());
  }
  Pump();
}

void SmtpRunner::DropSocket() {
  if (!socket_) return;
  QSslSocket* s = socket_;
  socket_ = nullptr;
  s->disconnect(this);
  s->abort();
  s->deleteLater();
}

}  // namespace ui
