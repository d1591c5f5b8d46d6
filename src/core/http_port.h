#pragma once
// The HTTP side of the update check: is there a connection at all, and one form POST.
// The Qt implementation lives in ui/ (qt_http.h); tests use a scripted fake or a local server.

#include <functional>
#include <string>

namespace roster {

class HttpPort {
 public:
  virtual ~HttpPort() = default;

  // True unless the system reports that it has no network connection.
  virtual bool IsInternetConnected() = 0;

  // Posts `body` as an HTTP/1.0 form to `host` (a name, optionally with ":port"; 80 otherwise)
  // and `path`. `done` receives the reply's body, or "" when no connection was opened. It may
  // run before this returns (fakes) or later from the event loop (the real port), so the
  // window never waits on the network.
  virtual void PostHttpForm(const std::string& host, const std::string& path,
                            const std::string& body, std::function<void(std::string)> done) = 0;

  // The same over TLS (port 443 unless `host` names one), the server's certificate checked.
  // A port without TLS opens no connection.
  virtual void PostHttpsForm(const std::string& host, const std::string& path,
                             const std::string& body, std::function<void(std::string)> done) {
    (void)host, (void)path, (void)body;
    if (done) done("");
  }
};

}  // namespace roster
