#pragma once
// The sign-in providers as data: where to authorize, where to get tokens, which scopes SMTP
// needs and which server goes with them. Client IDs are a distributor's (CMake cache
// variables); settings override every value, and "custom" takes them from settings alone.

#include <string>
#include <utility>
#include <vector>

#include "settings/mail_settings.h"

namespace mail {

struct OAuthEndpoints {
  std::string provider;  // "microsoft", "google" or "custom"
  std::string authorize_url;
  std::string token_url;
  std::string client_id;
  std::string scopes;       // space-separated
  std::string smtp_server;  // "host:port", "" for custom
  // Further parameters of the authorization request the provider needs (Google hands out a
  // refresh token only when asked for offline access).
  std::vector<std::pair<std::string, std::string>> authorize_extras = {};
};

// The provider's values with the settings' overrides. `problem` (when given) names what is
// missing when the result cannot be used ("" when it can).
OAuthEndpoints ResolveOAuthEndpoints(const MailSettings& settings, std::string* problem = nullptr);

// The initial client responses of SASL XOAUTH2 and OAUTHBEARER (RFC 7628), Base64-encoded,
// for "AUTH XOAUTH2 <response>" and "AUTH OAUTHBEARER <response>".
std::string XOAuth2Response(const std::string& user, const std::string& access_token);
std::string OAuthBearerResponse(const std::string& user, const std::string& access_token);

}  // namespace mail
