#pragma once
// Starts the test authorization server (oauth_server.py) on 127.0.0.1 at a free port, and
// reads back what it issued. Stopped when the object goes.

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

namespace testing_support {

class OAuthServer {
 public:
  // `args`: the server's options (--expires SECONDS, --deny, --client-id ID).
  explicit OAuthServer(const QStringList& args = {});
  ~OAuthServer();

  const std::string& error() const { return error_; }
  std::string base_url() const { return "http://127.0.0.1:" + std::to_string(port_); }
  // The access tokens issued with their expiry, for the SMTP server's XOAUTH2 check.
  QString tokens_file() const { return dir_.path() + "/tokens.json"; }
  // One line per token issued: "authorization_code" or "refresh_token".
  std::string Grants() const;
  // Every access token issued so far stops working (their holders are not told).
  bool ExpireTokens();

  // What a browser does with a sign-in address: fetch it and follow the redirect to the
  // program's loopback port. The final page's text, or "ERROR ..." when something failed.
  static std::string FollowInBrowser(const std::string& url);

 private:
  QTemporaryDir dir_;
  QProcess process_;
  int port_ = 0;
  std::string error_;
};

}  // namespace testing_support
