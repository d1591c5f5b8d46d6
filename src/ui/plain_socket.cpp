#include "ui/plain_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <QHostInfo>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace ui {

namespace {

QAbstractSocket::SocketError ErrorFor(int error_number) {
  switch (error_number) {
    case ECONNREFUSED: return QAbstractSocket::ConnectionRefusedError;
    case ECONNRESET:
    case EPIPE: return QAbstractSocket::RemoteHostClosedError;
    case ETIMEDOUT: return QAbstractSocket::SocketTimeoutError;
    case ENETUNREACH:
    case EHOSTUNREACH:
    case ENETDOWN: return QAbstractSocket::NetworkError;
    case EACCES:
    case EPERM: return QAbstractSocket::SocketAccessError;
    case EMFILE:
    case ENFILE:
    case ENOBUFS:
    case ENOMEM: return QAbstractSocket::SocketResourceError;
    default: return QAbstractSocket::UnknownSocketError;
  }
}

void Dispose(QSocketNotifier*& n) {
  if (!n) return;
  n->setEnabled(false);
  n->deleteLater();  // it may be the one whose signal is running
  n = nullptr;
}

}  // namespace

PlainSocket::PlainSocket(QObject* parent) : QObject(parent) {}

PlainSocket::~PlainSocket() { Abort(); }

void PlainSocket::Abort() {
  if (lookup_id_ >= 0) QHostInfo::abortHostLookup(lookup_id_);
  lookup_id_ = -1;
  addresses_.clear();
  started_ = false;  // a connection attempt still queued finds nothing to do
  CloseDescriptor();
}

void PlainSocket::ConnectToHost(const QString& host, quint16 port) {
  port_ = port;
  started_ = true;
  QHostAddress literal;
  if (literal.setAddress(host)) {
    // Asked for a literal address, QHostInfo would look its name up in reverse first.
    addresses_ = {literal};
    QTimer::singleShot(0, this, &PlainSocket::TryNextAddress);
    return;
  }
  lookup_id_ = QHostInfo::lookupHost(host, this, &PlainSocket::OnHostFound);
}

void PlainSocket::OnHostFound(const QHostInfo& info) {
  lookup_id_ = -1;
  if (info.error() != QHostInfo::NoError || info.addresses().isEmpty()) {
    emit errorOccurred(QAbstractSocket::HostNotFoundError, info.errorString());
    return;
  }
  addresses_ = info.addresses();
  TryNextAddress();
}

void PlainSocket::TryNextAddress() {
  if (!started_) return;
  while (!addresses_.isEmpty()) {
    const QHostAddress address = addresses_.takeFirst();
    sockaddr_storage storage{};
    socklen_t length = 0;
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
      auto* in = reinterpret_cast<sockaddr_in*>(&storage);
      in->sin_family = AF_INET;
      in->sin_port = htons(port_);
      in->sin_addr.s_addr = htonl(address.toIPv4Address());
      length = sizeof(sockaddr_in);
    } else if (address.protocol() == QAbstractSocket::IPv6Protocol) {
      auto* in6 = reinterpret_cast<sockaddr_in6*>(&storage);
      in6->sin6_family = AF_INET6;
      in6->sin6_port = htons(port_);
      Q_IPV6ADDR bytes = address.toIPv6Address();
      std::memcpy(&in6->sin6_addr, &bytes, sizeof bytes);
      in6->sin6_scope_id = address.scopeId().toUInt();
      length = sizeof(sockaddr_in6);
    } else {
      continue;
    }
    fd_ = ::socket(storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
      last_errno_ = errno;
      continue;
    }
    // Commands are small and lock-step: send each at once.
    int one = 1;
    ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    read_notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    read_notifier_->setEnabled(false);
    connect(read_notifier_, &QSocketNotifier::activated, this, &PlainSocket::OnReadable);
    write_notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Write, this);
    connect(write_notifier_, &QSocketNotifier::activated, this, &PlainSocket::OnWritable);
    connecting_ = true;
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&storage), length) == 0 || errno == EINPROGRESS)
      return;  // the write notifier reports the outcome
    last_errno_ = errno;
    CloseDescriptor();
  }
  Fail(last_errno_ ? last_errno_ : EHOSTUNREACH);
}

void PlainSocket::OnWritable() {
  if (connecting_) {
    int error = 0;
    socklen_t size = sizeof error;
    if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
    if (error != 0) {
      last_errno_ = error;
      CloseDescriptor();
      TryNextAddress();
      return;
    }
    connecting_ = false;
    addresses_.clear();
    // Only with its time-out in place may a receive block; otherwise ReceiveShortly just
    // finds nothing waiting.
    timeval wait{0, 1000};
    if (::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait) == 0)
      ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    write_notifier_->setEnabled(false);
    read_notifier_->setEnabled(true);
    emit connected();
    return;
  }
  while (!pending_.isEmpty()) {
    ssize_t n = ::send(fd_, pending_.constData(), static_cast<size_t>(pending_.size()),
                       MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EWOULDBLOCK) return;
      Fail(errno);
      return;
    }
    pending_.remove(0, n);
  }
  write_notifier_->setEnabled(false);
}

void PlainSocket::Write(std::string_view bytes) {
  if (fd_ < 0 || connecting_ || bytes.empty()) return;
  if (!pending_.isEmpty()) {
    pending_.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return;
  }
  size_t sent = 0;
  while (sent < bytes.size()) {
    ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EWOULDBLOCK) break;
      Fail(errno);
      return;
    }
    sent += static_cast<size_t>(n);
  }
  if (sent < bytes.size()) {
    pending_.append(bytes.data() + sent, static_cast<qsizetype>(bytes.size() - sent));
    write_notifier_->setEnabled(true);
  }
}

void PlainSocket::OnReadable() {
  char buffer[16384];
  ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
  if (n > 0)
    emit received(QByteArray(buffer, static_cast<qsizetype>(n)));
  else
    NothingRead(n, errno);
}

QByteArray PlainSocket::ReceiveShortly() {
  if (fd_ < 0 || connecting_ || !pending_.isEmpty()) return {};
  char buffer[16384];
  ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);  // bounded by SO_RCVTIMEO
  if (n > 0) return QByteArray(buffer, static_cast<qsizetype>(n));
  NothingRead(n, errno);
  return {};
}

void PlainSocket::NothingRead(ssize_t n, int error_number) {
  if (n == 0) {
    CloseDescriptor();
    emit peerClosed();
  } else if (error_number != EINTR && error_number != EAGAIN && error_number != EWOULDBLOCK) {
    Fail(error_number);
  }
}

qintptr PlainSocket::Release() {
  Dispose(read_notifier_);
  Dispose(write_notifier_);
  int fd = fd_;
  fd_ = -1;
  pending_.clear();
  if (fd >= 0) {  // back to what a Qt socket expects
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    timeval none{0, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &none, sizeof none);
  }
  return fd;
}

void PlainSocket::Fail(int error_number) {
  CloseDescriptor();
  emit errorOccurred(ErrorFor(error_number),
                     QString::fromStdString(std::generic_category().message(error_number)));
}

void PlainSocket::CloseDescriptor() {
  connecting_ = false;
  pending_.clear();
  Dispose(read_notifier_);
  Dispose(write_notifier_);
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace ui
