#include "ui/smtp_runner.h"

#include <unistd.h>

#include <QElapsedTimer>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QSslError>

#include "core/private_files.h"
#include "core/tr.h"

namespace ui {

using Kind = mail::SmtpEffect::Kind;

namespace {

// The socket errors as the classic socket control numbered them, so the error box reads the
// same on every platform.
int ErrorNumber(QAbstractSocket::SocketError error) {
  switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
      return 10061;
    case QAbstractSocket::HostNotFoundError:
      return 11001;
    case QAbstractSocket::SocketTimeoutError:
      return 10060;
    case QAbstractSocket::NetworkError:
      return 10050;
    case QAbstractSocket::SocketAccessError:
      return 10013;
    case QAbstractSocket::SocketResourceError:
      return 10055;
    case QAbstractSocket::RemoteHostClosedError:
      return 10053;
    default:
      return 10000 + static_cast<int>(error);
  }
}

// The machine's own name for EHLO when it is a plain host name; otherwise the loopback
// address literal, which servers accept and which tells nothing about the user.
std::string EhloName() {
  const QString name = QHostInfo::localHostName();
  static const QRegularExpression kHost(
      "^[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?(\\.[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?)"
      "*$");
  if (name.size() <= 253 && kHost.match(name).hasMatch()) return name.toStdString();
  return "[127.0.0.1]";
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
  engine_.context().ehlo_name = EhloName();
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

std::optional<mail::DeliveryRun> SmtpRunner::TakeDeliveries(bool free_form) {
  if (!delivery_source_) return mail::DeliveryRun{};
  try {
    return delivery_source_(free_form);
  } catch (const mail::DeliveryListError& e) {
    // A roster that cannot say who gets what sends nothing at all.
    ui_.MsgBox(core::Tr("Roster", "Error while attempting to send messages"),
               roster::mb::kCritical);
    if (e.resend && run_new_) run_new_();
    return std::nullopt;
  }
}

void SmtpRunner::SmtpSendDrawing() {
  if (engine_.Active()) {  // refused with the list of the running run untouched
    engine_.SmtpSendDrawing({});
    Pump();
    return;
  }
  std::optional<mail::DeliveryRun> run = TakeDeliveries(false);
  if (!run) {
    emit finished();
    return;
  }
  engine_.SmtpSendDrawing(std::move(*run));
  Pump();
}

void SmtpRunner::SmtpSendMessage() {
  if (engine_.Active()) {  // refused without showing the dialog again
    engine_.SmtpSendMessage({});
    Pump();
    return;
  }
  if (send_message_dialog_) send_message_dialog_();
  std::optional<mail::DeliveryRun> run = TakeDeliveries(true);
  if (!run) {
    emit finished();
    return;
  }
  engine_.SmtpSendMessage(std::move(*run));
  Pump();
}

void SmtpRunner::Pump() {
  // Message boxes run a nested event loop; events arriving meanwhile queue their effects,
  // which this outer loop then carries out in order.
  if (pumping_) return;
  pumping_ = true;
  while (auto e = engine_.NextEffect()) Execute(*e);
  SendOutbox();
  pumping_ = false;
}

void SmtpRunner::SendOutbox() {
  if (outbox_.empty()) return;
  if (tls_)
    tls_->write(outbox_.data(), static_cast<qint64>(outbox_.size()));
  else if (plain_)
    plain_->Write(outbox_);
  outbox_.clear();
}

void SmtpRunner::Execute(const mail::SmtpEffect& e) {
  // Commands of one event go out in one write (a message and its closing dot in one
  // segment); anything that waits or changes the connection sends them first.
  switch (e.kind) {
    case Kind::kSend:
    case Kind::kLog:
    case Kind::kStatus:
    case Kind::kArmTimer:
    case Kind::kCancelTimer:
      break;
    default:
      SendOutbox();
  }
  switch (e.kind) {
    case Kind::kConnect:
      Connect(e);
      break;
    case Kind::kSend:
      outbox_ += e.text;
      break;
    case Kind::kStartTls:
      StartTls();
      break;
    case Kind::kClose:
      DropSocket();
      break;
    case Kind::kOpenLog:
      log_.close();
      log_.clear();
      // Every message goes into the log whole; a larger buffer writes it in fewer calls.
      log_.rdbuf()->pubsetbuf(log_buffer_.data(), static_cast<std::streamsize>(log_buffer_.size()));
      // It holds the whole exchange with the server: private, and never through a link.
      if (core::PreparePrivateFile(log_path_))
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
    case Kind::kRefreshToken:
      if (!token_refresher_) {
        engine_.OnTokenRefreshed(false,
                                 core::Tr("Smtp", "this program has no way to renew it here"));
        break;
      }
      token_refresher_(
          [this, guard = QPointer<SmtpRunner>(this)](bool ok, const std::string& problem) {
            if (!guard) return;
            engine_.OnTokenRefreshed(ok, problem);
            Pump();
          });
      break;
    case Kind::kFinished:
      emit finished();
      break;
  }
}

void SmtpRunner::Connect(const mail::SmtpEffect& e) {
  DropSocket();
  host_ = QString::fromStdString(e.host);
  if (e.implicit_tls) {
    QSslSocket* s = NewTlsSocket();
    s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(s, &QSslSocket::encrypted, this, [this] {
      engine_.OnConnected();
      Pump();
    });
    s->connectToHostEncrypted(host_, static_cast<quint16>(e.port));
    return;
  }
  auto* p = new PlainSocket(this);
  plain_ = p;
  connect(p, &PlainSocket::connected, this, [this] {
    engine_.OnConnected();
    Pump();
  });
  connect(p, &PlainSocket::received, this, &SmtpRunner::OnPlainBytes);
  connect(p, &PlainSocket::peerClosed, this, [this] {
    engine_.OnPeerClosed();
    Pump();
  });
  connect(p, &PlainSocket::errorOccurred, this,
          [this](QAbstractSocket::SocketError error, const QString& text) {
            OnSocketError(error, text);
          });
  p->ConnectToHost(host_, static_cast<quint16>(e.port));
}

void SmtpRunner::OnPlainBytes(const QByteArray& bytes) {
  Feed(bytes);
  // A server that answers at once (on this machine or beside it) is served in a tight loop
  // rather than one pass of the event loop per reply, which cost as much as the round trip.
  // The loop gives way when a reply is slow, and every few milliseconds so the window keeps
  // painting; inside a message box's own loop the outer pass carries on instead.
  QElapsedTimer slice;
  slice.start();
  while (plain_ && !pumping_ && slice.elapsed() < 10) {
    QByteArray more = plain_->ReceiveShortly();
    if (more.isEmpty()) break;
    Feed(more);
  }
}

void SmtpRunner::Feed(const QByteArray& bytes) {
  engine_.OnBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  Pump();
}

void SmtpRunner::StartTls() {
  if (!plain_) return;
  PlainSocket* p = plain_;
  plain_ = nullptr;
  const qintptr fd = p->Release();
  p->disconnect(this);
  p->deleteLater();
  QSslSocket* s = NewTlsSocket();
  connect(s, &QSslSocket::encrypted, this, [this] {
    engine_.OnTlsEstablished();
    Pump();
  });
  if (fd < 0 || !s->setSocketDescriptor(fd)) {
    if (fd >= 0) ::close(static_cast<int>(fd));
    engine_.OnTlsFailed(s->errorString().toStdString());
    return;
  }
  s->startClientEncryption();
}

QSslSocket* SmtpRunner::NewTlsSocket() {
  auto* s = new QSslSocket(this);
  tls_ = s;
  QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
  if (!extra_ca_.isEmpty()) conf.addCaCertificates(extra_ca_);
  s->setSslConfiguration(conf);
  s->setPeerVerifyName(host_);
  connect(s, &QSslSocket::readyRead, this, [this, s] { Feed(s->readAll()); });
  connect(s, &QSslSocket::sslErrors, this, [this](const QList<QSslError>& errors) {
    std::string text;
    for (const QSslError& err : errors) {
      if (!text.empty()) text += "\r\n";
      text += err.errorString().toStdString();
    }
    engine_.OnTlsFailed(text);
    Pump();
  });
  connect(s, &QSslSocket::errorOccurred, this, [this, s](QAbstractSocket::SocketError error) {
    OnSocketError(error, s->errorString());
  });
  connect(s, &QSslSocket::disconnected, this, [this] {
    engine_.OnPeerClosed();
    Pump();
  });
  return s;
}

void SmtpRunner::OnSocketError(QAbstractSocket::SocketError error, const QString& text) {
  if (!tls_ && !plain_) return;
  if (error == QAbstractSocket::RemoteHostClosedError) {
    engine_.OnPeerClosed();
  } else if (error == QAbstractSocket::SslHandshakeFailedError ||
             error == QAbstractSocket::SslInternalError ||
             error == QAbstractSocket::SslInvalidUserDataError) {
    engine_.OnTlsFailed(text.toStdString());
  } else {
    engine_.Winsock1_Error(ErrorNumber(error), text.toStdString());
  }
  Pump();
}

void SmtpRunner::DropSocket() {
  if (QSslSocket* s = tls_) {
    tls_ = nullptr;
    s->disconnect(this);
    s->abort();
    s->deleteLater();
  }
  if (PlainSocket* p = plain_) {
    plain_ = nullptr;
    p->disconnect(this);
    p->Abort();  // now, not when the event loop next deletes: a message box may come first
    p->deleteLater();
  }
}

}  // namespace ui
