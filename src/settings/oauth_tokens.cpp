#include "settings/oauth_tokens.h"

#include "core/sha256.h"
#include "settings/registry.h"

namespace mail {

std::string Base64Url(std::string_view bytes) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
  std::string out;
  std::uint32_t bits = 0;
  int count = 0;
  for (unsigned char c : bytes) {
    bits = (bits << 8) | c;
    count += 8;
    while (count >= 6) {
      count -= 6;
      out.push_back(kAlphabet[(bits >> count) & 0x3F]);
    }
  }
  if (count > 0) out.push_back(kAlphabet[(bits << (6 - count)) & 0x3F]);
  return out;
}

std::string PkceChallenge(std::string_view verifier) {
  const auto digest = Sha256(verifier);
  return Base64Url(std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size()));
}

Pkce MakePkce(std::string_view random_bytes) {
  Pkce pkce;
  pkce.verifier = Base64Url(random_bytes);
  pkce.challenge = PkceChallenge(pkce.verifier);
  return pkce;
}

bool AccessTokenNeedsRenewal(const MailSettings& settings, std::int64_t now,
                             std::int64_t margin_seconds) {
  return settings.OAuthAccessToken.empty() || settings.OAuthAccessTokenExpiry <= 0 ||
         settings.OAuthAccessTokenExpiry - margin_seconds <= now;
}

SecretSlot AccessTokenSlot(const MailSettings& settings) {
  SecretSlot slot = RefreshTokenSlot(settings);
  slot.ref_name = kValueOAuthAccessTokenRef;
  slot.file_name = kValueOAuthAccessToken;
  slot.key.replace(0, slot.key.find(':'), "oauth-access-token");
  return slot;
}

SecretPlace KeepTokens(SettingsStore& store, const SecretAccess& access, MailSettings& settings,
                       const OAuthTokens& tokens) {
  if (!tokens.refresh_token.empty()) settings.OAuthRefreshToken = tokens.refresh_token;
  settings.OAuthAccessToken = tokens.access_token;
  settings.OAuthAccessTokenExpiry = tokens.expires_at;
  const SecretPlace place =
      StoreSecret(store, access, RefreshTokenSlot(settings), settings.OAuthRefreshToken);
  // The access token follows the refresh token: no keyring, no consent, no copy on disk.
  StoreSecret(store, access, AccessTokenSlot(settings),
              place == SecretPlace::kMemoryOnly ? std::string() : tokens.access_token);
  SaveRegistryValue(store, kValueOAuthAccessTokenExpiry, std::to_string(tokens.expires_at),
                    kTypeString);
  return place;
}

void ForgetTokens(SettingsStore& store, const SecretAccess& access, MailSettings& settings) {
  StoreSecret(store, access, RefreshTokenSlot(settings), std::string());
  StoreSecret(store, access, AccessTokenSlot(settings), std::string());
  SaveRegistryValue(store, kValueOAuthAccessTokenExpiry, std::string(), kTypeString);
  settings.OAuthRefreshToken.clear();
  settings.OAuthAccessToken.clear();
  settings.OAuthAccessTokenExpiry = 0;
}

void LoadAccessToken(SettingsStore& store, SecretStore* keyring, MailSettings& settings) {
  settings.OAuthAccessToken = LoadSecret(store, keyring, AccessTokenSlot(settings));
  settings.OAuthAccessTokenExpiry = 0;
  try {
    RegistryValue v = LoadRegistryValue(store, kValueOAuthAccessTokenExpiry);
    if (auto* s = std::get_if<std::string>(&v); s && !s->empty())
      settings.OAuthAccessTokenExpiry = std::stoll(*s);
  } catch (...) {
    settings.OAuthAccessTokenExpiry = 0;  // unreadable: renewed before the next run
  }
}

}  // namespace mail
