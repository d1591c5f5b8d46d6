#pragma once
// The update check's HTTP over a QTcpSocket (or a QSslSocket for https): an HTTP/1.0 form
// POST, read in 2,048-byte chunks, run from the event loop so the window stays responsive,
// and abandoned after a time-out.

#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <functional>

#include "core/http_port.h"

namespace ui {

class QtHttpPort : public QObject, public roster::HttpPort {
  Q_OBJECT

 public:
  // `connected` replaces the system's connectivity report (tests); by default the network
  // information backend is asked, and an unknown state counts as connected.
  explicit QtHttpPort(QObject* parent = nullptr, int timeout_ms = 15000,
                      std::function<bool()> connected = {});
  ~QtHttpPort() override;

  bool IsInternetConnected() override;
  void PostHttpForm(const std::string& host, const std::string& path, const std::string& body,
                    std::function<void(std::string)> done) override;
  void PostHttpsForm(const std::string& host, const std::string& path, const std::string& body,
                     std::function<void(std::string)> done) override;

  // Authorities trusted besides the system's (a test server's own certificate).
  void AddCaCertificates(const QList<QSslCertificate>& certificates) { extra_ca_ += certificates; }

  // Requests started and not yet answered.
  int Pending() const;

 private:
  void Post(const std::string& host, const std::string& path, const std::string& body,
            std::function<void(std::string)> done, bool tls);

  int timeout_ms_;
  std::function<bool()> connected_;
  QList<QSslCertificate> extra_ca_;
};

}  // namespace ui
