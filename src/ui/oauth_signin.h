#pragma once
// Signing in with a provider: the authorization-code flow in the browser, the redirect
// coming back to a loopback port, with a PKCE proof key; renewing the access token with the
// refresh token. Qt NetworkAuth does the protocol; this adds the proof key, reports failures
// (Qt 6.4's flow only logs a refused token request) and gives the tokens back as plain data.

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <chrono>
#include <functional>
#include <string>

#include "settings/mail_settings.h"
#include "settings/oauth_providers.h"
#include "settings/oauth_tokens.h"
#include "settings/secrets.h"
#include "settings/settings_store.h"

class QOAuth2AuthorizationCodeFlow;
class QNetworkAccessManager;

namespace ui {

class TokenReplyHandler;

// One sign-in. Start() listens on a free loopback port and emits authorizeUrl (for the
// browser, or for the user to open); finished() comes once, with the tokens or a reason.
class OAuthSignIn : public QObject {
  Q_OBJECT

 public:
  explicit OAuthSignIn(mail::OAuthEndpoints endpoints, QObject* parent = nullptr);
  ~OAuthSignIn() override;

  // False (with `problem`) when no loopback port can be opened.
  bool Start(std::string* problem);
  // Ends a sign-in still waiting, as failed with `problem`.
  void Abort(const std::string& problem);
  const mail::OAuthTokens& tokens() const { return tokens_; }

 signals:
  void authorizeUrl(const QUrl& url);
  void finished(bool ok, const QString& problem);

 private:
  void Finish(bool ok, const std::string& problem);

  mail::OAuthEndpoints endpoints_;
  QNetworkAccessManager* network_ = nullptr;
  QOAuth2AuthorizationCodeFlow* flow_ = nullptr;
  TokenReplyHandler* handler_ = nullptr;
  mail::Pkce pkce_;
  mail::OAuthTokens tokens_;
  bool done_ = false;
};

using TokenCallback =
    std::function<void(bool ok, const std::string& problem, const mail::OAuthTokens& tokens)>;

// Asks the token endpoint for a new access token; `done` is called once, at the latest after
// `timeout`. The request dies with `parent`.
void RenewAccessToken(const mail::OAuthEndpoints& endpoints, const std::string& refresh_token,
                      TokenCallback done, QObject* parent,
                      std::chrono::milliseconds timeout = std::chrono::seconds(30));

// Before a run: renews the access token when it is missing or about to run out, keeping the
// new one, and waits for the answer (running the event loop). False with `problem` when the
// sign-in cannot give a token; true at once for password sign-in.
bool EnsureFreshAccessToken(mail::SettingsStore& store, const mail::SecretAccess& access,
                            mail::MailSettings& settings, std::string* problem);

// For SmtpRunner::SetTokenRefresher: renews the token the server refused and keeps it.
// `store` must outlive the runner's runs.
std::function<void(std::function<void(bool, const std::string&)>)> MakeTokenRefresher(
    mail::SettingsStore& store, mail::SecretAccess access, mail::MailSettings& settings,
    QObject* parent);

}  // namespace ui
