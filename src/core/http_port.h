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
};

}  // namespace roster
