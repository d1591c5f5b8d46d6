#pragma once
// The update check's HTTP over a QTcpSocket: a plain HTTP/1.0 form POST, read in 2,048-byte
// chunks, run from the event loop so the window stays responsive, and abandoned after a
// time-out.

#include <QObject>
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

  // Requests started and not yet answered.
  int Pending() const;

 private:
  int timeout_ms_;
  std::function<bool()> connected_;
};

}  // namespace ui
