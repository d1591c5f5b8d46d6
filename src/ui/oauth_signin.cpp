#include "ui/oauth_signin.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QOAuth2AuthorizationCodeFlow>
#include <QOAuthHttpServerReplyHandler>
#include <QRandomGenerator>
#include <QTimer>
#include <memory>

#include "settings/provider_presets.h"

namespace ui {

namespace {

std::string RandomBytes(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i)
    bytes.push_back(static_cast<char>(QRandomGenerator::system()->bounded(256)));
  return bytes;
}

// What a refused token request says, in a few words: the provider's error code and its
// description when it sends JSON, else the HTTP status.
QString TokenError(QNetworkReply* reply) {
  const QByteArray body = reply->readAll();
  const QJsonObject json = QJsonDocument::fromJson(body).object();
  QString text = json.value("error").toString();
  const QString description = json.value("error_description").toString();
  if (!description.isEmpty()) text += (text.isEmpty() ? "" : ": ") + description;
  if (text.isEmpty()) text = reply->errorString();
  return QObject::tr("the sign-in provider refused: %1").arg(text);
}

void EnsureClientId(QMultiMap<QString, QVariant>* parameters, const QString& client_id) {
  if (!parameters->contains("client_id")) parameters->insert("client_id", client_id);
}

// The tokens, and the account when an OpenID ID token came with them.
mail::OAuthTokens TokensOf(const QOAuth2AuthorizationCodeFlow& flow, const std::string& provider) {
  const QDateTime expiry = flow.expirationAt();
  const std::string id_token = flow.extraTokens().value("id_token").toString().toStdString();
  return {flow.token().toStdString(), flow.refreshToken().toStdString(),
          expiry.isValid() ? expiry.toSecsSinceEpoch() : 0,
          mail::AccountFromIdToken(id_token, provider)};
}

}  // namespace

// The loopback reply handler that also reports a refused token request, which Qt 6.4's
// handler only writes to its log.
class TokenReplyHandler : public QOAuthHttpServerReplyHandler {
  Q_OBJECT

 public:
  explicit TokenReplyHandler(QObject* parent)
      : QOAuthHttpServerReplyHandler(QHostAddress::LocalHost, 0, parent) {}
  void networkReplyFinished(QNetworkReply* reply) override {
    if (reply->error() != QNetworkReply::NoError) {
      emit tokenRequestFailed(TokenError(reply));
      return;
    }
    QOAuthHttpServerReplyHandler::networkReplyFinished(reply);
  }

 signals:
  void tokenRequestFailed(const QString& problem);
};

OAuthSignIn::OAuthSignIn(mail::OAuthEndpoints endpoints, QObject* parent)
    : QObject(parent), endpoints_(std::move(endpoints)) {}

OAuthSignIn::~OAuthSignIn() = default;

bool OAuthSignIn::Start(std::string* problem) {
  network_ = new QNetworkAccessManager(this);
  handler_ = new TokenReplyHandler(this);
  if (!handler_->isListening()) {
    if (problem)
      *problem = tr("no loopback port could be opened for the sign-in's answer").toStdString();
    return false;
  }
  handler_->setCallbackText(tr("Signed in. You can close this page and return to Hollymoor."));
  flow_ = new QOAuth2AuthorizationCodeFlow(network_, this);
  flow_->setReplyHandler(handler_);
  flow_->setAuthorizationUrl(QUrl(QString::fromStdString(endpoints_.authorize_url)));
  flow_->setAccessTokenUrl(QUrl(QString::fromStdString(endpoints_.token_url)));
  const QString client_id = QString::fromStdString(endpoints_.client_id);
  flow_->setClientIdentifier(client_id);
  flow_->setScope(QString::fromStdString(endpoints_.scopes));
  // Letters, digits, "-" and "_" only, so the state comes back through the redirect intact.
  flow_->setState(QString::fromStdString(mail::Base64Url(RandomBytes(16))));
  pkce_ = mail::MakePkce(RandomBytes(32));
  flow_->setModifyParametersFunction(
      [this, client_id](QAbstractOAuth::Stage stage, QMultiMap<QString, QVariant>* parameters) {
        if (stage == QAbstractOAuth::Stage::RequestingAuthorization) {
          parameters->insert("code_challenge", QString::fromStdString(pkce_.challenge));
          parameters->insert("code_challenge_method", "S256");
          for (const auto& [name, value] : endpoints_.authorize_extras)
            parameters->insert(QString::fromStdString(name), QString::fromStdString(value));
        } else if (stage == QAbstractOAuth::Stage::RequestingAccessToken) {
          parameters->insert("code_verifier", QString::fromStdString(pkce_.verifier));
          EnsureClientId(parameters, client_id);
        }
      });
  connect(flow_, &QAbstractOAuth::authorizeWithBrowser, this, &OAuthSignIn::authorizeUrl);
  connect(flow_, &QAbstractOAuth::granted, this, [this] {
    tokens_ = TokensOf(*flow_, endpoints_.provider);
    Finish(!tokens_.access_token.empty(),
           tr("the sign-in provider sent no access token").toStdString());
  });
  connect(flow_, &QAbstractOAuth2::error, this,
          [this](const QString& error, const QString& description, const QUrl&) {
            Finish(false,
                   (error == "access_denied" ? tr("the sign-in was declined")
                                             : tr("the sign-in provider answered: %1").arg(error))
                           .toStdString() +
                       (description.isEmpty() ? "" : " (" + description.toStdString() + ")"));
          });
  connect(handler_, &TokenReplyHandler::tokenRequestFailed, this,
          [this](const QString& text) { Finish(false, text.toStdString()); });
  flow_->grant();
  return true;
}

void OAuthSignIn::Abort(const std::string& problem) { Finish(false, problem); }

void OAuthSignIn::Finish(bool ok, const std::string& problem) {
  if (done_) return;
  done_ = true;
  if (handler_) handler_->close();
  emit finished(ok, ok ? QString() : QString::fromStdString(problem));
}

void RenewAccessToken(const mail::OAuthEndpoints& endpoints, const std::string& refresh_token,
                      TokenCallback done, QObject* parent, std::chrono::milliseconds timeout) {
  // Everything of one request hangs off one object, removed once `done` has been called.
  auto* owner = new QObject(parent);
  auto* handler = new TokenReplyHandler(owner);
  handler->close();  // the answer comes in the token reply, not through the loopback
  auto* flow = new QOAuth2AuthorizationCodeFlow(new QNetworkAccessManager(owner), owner);
  flow->setReplyHandler(handler);
  flow->setAccessTokenUrl(QUrl(QString::fromStdString(endpoints.token_url)));
  const QString client_id = QString::fromStdString(endpoints.client_id);
  flow->setClientIdentifier(client_id);
  flow->setRefreshToken(QString::fromStdString(refresh_token));
  flow->setModifyParametersFunction(
      [client_id](QAbstractOAuth::Stage stage, QMultiMap<QString, QVariant>* parameters) {
        if (stage == QAbstractOAuth::Stage::RefreshingAccessToken)
          EnsureClientId(parameters, client_id);
      });
  auto called = std::make_shared<bool>(false);
  auto finish = [owner, flow, done, called, provider = endpoints.provider](
                    bool ok, const std::string& problem) {
    if (*called) return;
    *called = true;
    const mail::OAuthTokens tokens = ok ? TokensOf(*flow, provider) : mail::OAuthTokens{};
    owner->deleteLater();
    done(ok && !tokens.access_token.empty(),
         ok && tokens.access_token.empty()
             ? QCoreApplication::translate("ui::OAuthSignIn",
                                           "the sign-in provider sent no access token")
                   .toStdString()
             : problem,
         tokens);
  };
  QObject::connect(flow, &QAbstractOAuth::granted, owner, [finish] { finish(true, {}); });
  QObject::connect(handler, &TokenReplyHandler::tokenRequestFailed, owner,
                   [finish](const QString& text) { finish(false, text.toStdString()); });
  QTimer::singleShot(timeout, owner, [finish, timeout] {
    finish(false, QCoreApplication::translate(
                      "ui::OAuthSignIn", "no answer from the sign-in provider within %1 seconds")
                      .arg((timeout.count() + 999) / 1000)
                      .toStdString());
  });
  if (refresh_token.empty()) {
    finish(false, QCoreApplication::translate("ui::OAuthSignIn", "not signed in").toStdString());
    return;
  }
  flow->refreshAccessToken();
}

bool EnsureFreshAccessToken(mail::SettingsStore& store, const mail::SecretAccess& access,
                            mail::MailSettings& settings, std::string* problem) {
  if (settings.SMTPAuthMethod != mail::kAuthMethodOAuth2) return true;
  if (!mail::AccessTokenNeedsRenewal(settings, QDateTime::currentSecsSinceEpoch())) return true;
  std::string why;
  const mail::OAuthEndpoints endpoints = mail::ResolveOAuthEndpoints(settings, &why);
  if (!why.empty()) {
    if (problem) *problem = why;
    return false;
  }
  QEventLoop loop;
  bool ok = false;
  bool finished = false;
  RenewAccessToken(
      endpoints, settings.OAuthRefreshToken,
      [&](bool renewed, const std::string& text, const mail::OAuthTokens& tokens) {
        ok = renewed;
        finished = true;
        if (renewed)
          mail::KeepTokens(store, access, settings, tokens);
        else if (problem)
          *problem = text;
        loop.quit();
      },
      &loop);
  if (!finished) loop.exec();
  return ok;
}

std::function<void(std::function<void(bool, const std::string&)>)> MakeTokenRefresher(
    mail::SettingsStore& store, mail::SecretAccess access, mail::MailSettings& settings,
    QObject* parent) {
  QPointer<QObject> guard(parent);
  return [&store, access, &settings, guard](std::function<void(bool, const std::string&)> done) {
    std::string why;
    const mail::OAuthEndpoints endpoints = mail::ResolveOAuthEndpoints(settings, &why);
    if (!why.empty() || !guard) {
      done(false, why);
      return;
    }
    RenewAccessToken(
        endpoints, settings.OAuthRefreshToken,
        [&store, access, &settings, done](bool ok, const std::string& problem,
                                          const mail::OAuthTokens& tokens) {
          if (ok) mail::KeepTokens(store, access, settings, tokens);
          done(ok, problem);
        },
        guard);
  };
}

}  // namespace ui

#include "oauth_signin.moc"
