#include "ui/qt_http.h"

#include <QHostAddress>
#include <QNetworkInformation>
#include <QNetworkProxyFactory>
#include <QPointer>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include "update/http_request.h"

namespace ui {

namespace {

// One POST in flight; deletes itself once `done` has run.
class HttpExchange : public QObject {
 public:
  HttpExchange(QObject* parent, int timeout_ms, std::function<void(std::string)> done,
               QSslSocket* tls)
      : QObject(parent),
        socket_(tls ? tls : new QTcpSocket(this)),
        tls_(tls),
        done_(std::move(done)) {
    setObjectName("HttpExchange");
    socket_->setParent(this);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { Finish(); });
    timer_.start(timeout_ms);
    auto send = [this] {
      connected_ = true;
      socket_->write(request_.data(), static_cast<qint64>(request_.size()));
    };
    // Over TLS nothing is written before the server has proved who it is.
    if (tls_)
      connect(tls_, &QSslSocket::encrypted, this, send);
    else
      connect(socket_, &QTcpSocket::connected, this, send);
    connect(socket_, &QTcpSocket::readyRead, this, [this] { ReadChunks(); });
    connect(socket_, &QTcpSocket::disconnected, this, [this] { Finish(); });
    connect(socket_, &QTcpSocket::errorOccurred, this, [this] { Finish(); });
  }

  void Start(const QString& host, quint16 port, const QNetworkProxy& proxy, std::string request) {
    request_ = std::move(request);
    socket_->setProxy(proxy);
    if (tls_)
      tls_->connectToHostEncrypted(host, port);
    else
      socket_->connectToHost(host, port);
  }

 private:
  void ReadChunks() {
    char buffer[roster::kHttpReadChunk];
    for (;;) {
      qint64 n = socket_->read(buffer, sizeof buffer);
      if (n <= 0) return;
      if (!reader_.Feed(buffer, static_cast<std::size_t>(n))) {
        Finish();
        return;
      }
    }
  }

  void Finish() {
    if (finished_) return;
    finished_ = true;
    timer_.stop();
    if (connected_) ReadChunks();
    reader_.Finish();
    socket_->disconnect(this);
    socket_->abort();
    auto done = std::move(done_);
    std::string reply = connected_ ? reader_.Body() : std::string();
    deleteLater();
    if (done) done(std::move(reply));
  }

  QTcpSocket* socket_;
  QSslSocket* tls_;
  QTimer timer_;
  std::function<void(std::string)> done_;
  std::string request_;
  roster::HttpReplyReader reader_;
  bool connected_ = false;
  bool finished_ = false;
};

bool IsLoopback(const QString& host) {
  QHostAddress address;
  return host.compare("localhost", Qt::CaseInsensitive) == 0 ||
         (address.setAddress(host) && address.isLoopback());
}

}  // namespace

QtHttpPort::QtHttpPort(QObject* parent, int timeout_ms, std::function<bool()> connected)
    : QObject(parent), timeout_ms_(timeout_ms), connected_(std::move(connected)) {}

QtHttpPort::~QtHttpPort() = default;

bool QtHttpPort::IsInternetConnected() {
  if (connected_) return connected_();
  if (!QNetworkInformation::instance()) QNetworkInformation::loadDefaultBackend();
  auto* info = QNetworkInformation::instance();
  return !info || info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

int QtHttpPort::Pending() const {
  return static_cast<int>(
      findChildren<QObject*>("HttpExchange", Qt::FindDirectChildrenOnly).size());
}

void QtHttpPort::PostHttpForm(const std::string& host, const std::string& path,
                              const std::string& body, std::function<void(std::string)> done) {
  Post(host, path, body, std::move(done), false);
}

void QtHttpPort::PostHttpsForm(const std::string& host, const std::string& path,
                               const std::string& body, std::function<void(std::string)> done) {
  Post(host, path, body, std::move(done), true);
}

void QtHttpPort::Post(const std::string& host, const std::string& path, const std::string& body,
                      std::function<void(std::string)> done, bool tls) {
  std::optional<roster::HostPort> target = roster::ParseHostPort(host, tls ? 443 : 80);
  std::string request = target ? roster::BuildFormPost(host, path, body) : std::string();
  if (request.empty()) {
    if (done) done("");
    return;
  }
  QString name = QString::fromStdString(target->name);
  quint16 port = target->port;
  QNetworkProxy proxy(QNetworkProxy::NoProxy);
  // The system's proxy settings, as a browser would use them; never for this machine itself.
  if (!IsLoopback(name)) {
    QUrl url(QString::fromStdString((tls ? "https://" : "http://") + host + path));
    QList<QNetworkProxy> proxies =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    QNetworkProxy first = proxies.isEmpty() ? QNetworkProxy(QNetworkProxy::NoProxy) : proxies[0];
    if (tls && first.type() == QNetworkProxy::HttpProxy) {
      proxy = first;  // a tunnel through the proxy; TLS runs end to end inside it
    } else if (!tls && (first.type() == QNetworkProxy::HttpProxy ||
                        first.type() == QNetworkProxy::HttpCachingProxy)) {
      // An HTTP proxy takes the absolute address on the request line.
      request = roster::BuildFormPost(host, url.toString().toStdString(), body);
      name = first.hostName();
      port = first.port();
    } else if (first.type() == QNetworkProxy::Socks5Proxy) {
      proxy = first;
    }
  }
  QSslSocket* secure = nullptr;
  if (tls) {
    secure = new QSslSocket;
    if (!extra_ca_.isEmpty()) {
      QSslConfiguration config = secure->sslConfiguration();
      config.addCaCertificates(extra_ca_);
      secure->setSslConfiguration(config);
    }
  }
  auto* exchange = new HttpExchange(this, timeout_ms_, std::move(done), secure);
  exchange->Start(name, port, proxy, std::move(request));
}

}  // namespace ui
