#pragma once
// The in-memory mail settings, loaded at start-up and changed by the settings dialog.
// SMTPAccountPassword holds the Base64 text, never the clear password. LoadMailSettings reads
// it from the settings file only; LoadMailSecrets (settings/secrets.h) reads both secrets from
// wherever they are kept.

#include <cstdint>
#include <string>

namespace mail {

struct MailSettings {
  bool UseSMTP = false;
  bool ServerRequiresAuthentication = false;
  std::string SMTPServer;
  std::string SMTPUserName;
  std::string SMTPAccountName;
  std::string SMTPAccountPassword;
  // Lets a run go on without encryption when the server offers no STARTTLS (off: such a
  // server gets no login and no message).
  bool AllowUnencryptedSMTP = false;
  // This platform's desktop-mail path: a sendmail-compatible command, run without a shell.
  std::string MailerCommand = "/usr/sbin/sendmail -t -oi";
  // Sign-in: "password" (the password above) or "oauth2" (a token from the provider).
  std::string SMTPAuthMethod = "password";
  std::string OAuthProvider;  // "microsoft", "google" or "custom"
  // Overrides of the provider's built-in values; for "custom" the only source.
  std::string OAuthAuthorizeURL;
  std::string OAuthTokenURL;
  std::string OAuthClientID;
  std::string OAuthScopes;        // space-separated
  std::string OAuthAccount;       // the account the token belongs to
  std::string OAuthRefreshToken;  // from the keyring (or the file, with consent); never logged
  std::string OAuthAccessToken;   // the short-lived token a login presents; never logged
  std::int64_t OAuthAccessTokenExpiry = 0;  // seconds since 1970 (UTC); 0 when unknown
};

}  // namespace mail
