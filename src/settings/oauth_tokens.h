#pragma once
// The plain parts of signing in with a provider: the PKCE proof key, when an access token
// needs renewing, and where the tokens are kept (the refresh and access tokens beside the
// password, in the keyring; their expiry in the settings file).

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/mail_settings.h"
#include "settings/secrets.h"
#include "settings/settings_store.h"

namespace mail {

inline constexpr char kValueOAuthAccessTokenRef[] = "OAuthAccessTokenRef";
inline constexpr char kValueOAuthAccessToken[] = "OAuthAccessToken";  // file fallback only
inline constexpr char kValueOAuthAccessTokenExpiry[] = "OAuthAccessTokenExpiry";

// Base64url without padding (RFC 4648 section 5).
std::string Base64Url(std::string_view bytes);

// RFC 7636 with the S256 method: the verifier made from random bytes (32 give the shortest
// allowed verifier, 43 characters), and the challenge sent with the authorization request.
struct Pkce {
  std::string verifier;
  std::string challenge;
};
Pkce MakePkce(std::string_view random_bytes);
std::string PkceChallenge(std::string_view verifier);

// Whether the access token must be renewed before a run: there is none, its expiry is
// unknown, or it runs out within `margin_seconds` of `now` (seconds since 1970, UTC).
bool AccessTokenNeedsRenewal(const MailSettings& settings, std::int64_t now,
                             std::int64_t margin_seconds = 300);

struct OAuthTokens {
  std::string access_token;
  std::string refresh_token;  // "" when the provider sent none: the old one stays
  std::int64_t expires_at = 0;
  std::string account;  // the signed-in address from the ID token; "" when none came
};

// The account an OpenID Connect ID token names: its `email`, or for Microsoft its
// `preferred_username` (work accounts often carry no email claim); "" when the token is
// not one or names no address.
std::string AccountFromIdToken(std::string_view id_token, std::string_view provider);

SecretSlot AccessTokenSlot(const MailSettings& settings);

// Keeps new tokens in `settings` and where secrets are kept, with the account when the
// tokens name one. Returns where the refresh token is now.
SecretPlace KeepTokens(SettingsStore& store, const SecretAccess& access, MailSettings& settings,
                       const OAuthTokens& tokens);

// Signing out: both tokens, the expiry and the account are forgotten, in memory and in
// every store.
void ForgetTokens(SettingsStore& store, const SecretAccess& access, MailSettings& settings);

// After LoadMailSecrets: the access token and its expiry.
void LoadAccessToken(SettingsStore& store, SecretStore* keyring, MailSettings& settings);

}  // namespace mail
