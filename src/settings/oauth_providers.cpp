#include "settings/oauth_providers.h"

#include "core/base64.h"
#include "core/tr.h"
#include "settings/provider_presets.h"

#ifndef HOLLYMOOR_MICROSOFT_CLIENT_ID
#define HOLLYMOOR_MICROSOFT_CLIENT_ID ""
#endif
#ifndef HOLLYMOOR_GOOGLE_CLIENT_ID
#define HOLLYMOOR_GOOGLE_CLIENT_ID ""
#endif

namespace mail {

namespace {

// The built-in scopes ask for an OpenID ID token too ("openid email"): it names the account
// that signed in, which is the only From address these providers accept.
OAuthEndpoints BuiltIn(const std::string& provider) {
  if (provider == kOAuthProviderMicrosoft)
    // "common" serves personal and work or school accounts alike.
    return {provider,
            "https://login.microsoftonline.com/common/oauth2/v2.0/authorize",
            "https://login.microsoftonline.com/common/oauth2/v2.0/token",
            HOLLYMOOR_MICROSOFT_CLIENT_ID,
            "https://outlook.office.com/SMTP.Send offline_access openid email",
            "smtp-mail.outlook.com:587"};
  if (provider == kOAuthProviderGoogle)
    return {provider,
            "https://accounts.google.com/o/oauth2/v2/auth",
            "https://oauth2.googleapis.com/token",
            HOLLYMOOR_GOOGLE_CLIENT_ID,
            "https://mail.google.com/ openid email",
            "smtp.gmail.com:587",
            {{"access_type", "offline"}, {"prompt", "consent"}}};
  return {provider, "", "", "", "", ""};
}

void Override(std::string& field, const std::string& value) {
  if (!value.empty()) field = value;
}

}  // namespace

OAuthEndpoints ResolveOAuthEndpoints(const MailSettings& settings, std::string* problem) {
  OAuthEndpoints e = BuiltIn(settings.OAuthProvider);
  Override(e.authorize_url, settings.OAuthAuthorizeURL);
  Override(e.token_url, settings.OAuthTokenURL);
  Override(e.client_id, settings.OAuthClientID);
  Override(e.scopes, settings.OAuthScopes);
  if (problem) {
    problem->clear();
    if (e.provider != kOAuthProviderMicrosoft && e.provider != kOAuthProviderGoogle &&
        e.provider != kOAuthProviderCustom)
      *problem = core::Tr("Settings", "OAuthProvider must be microsoft, google or custom");
    else if (e.authorize_url.empty())
      *problem = core::Tr("Settings", "OAuthAuthorizeURL is not set");
    else if (e.token_url.empty())
      *problem = core::Tr("Settings", "OAuthTokenURL is not set");
    else if (e.client_id.empty())
      *problem = core::Arg(
          core::Tr("Settings", "no client ID: set OAuthClientID (this build has none for %1)"),
          {e.provider});
    else if (e.scopes.empty())
      *problem = core::Tr("Settings", "OAuthScopes is not set");
  }
  return e;
}

std::string XOAuth2Response(const std::string& user, const std::string& access_token) {
  return Base64Encode("user=" + user + "\x01" + "auth=Bearer " + access_token + "\x01\x01");
}

std::string OAuthBearerResponse(const std::string& user, const std::string& access_token) {
  // The GS2 header names the account; "," and "=" in it are escaped as RFC 5801 says.
  std::string escaped;
  for (char c : user) {
    if (c == ',')
      escaped += "=2C";
    else if (c == '=')
      escaped += "=3D";
    else
      escaped += c;
  }
  return Base64Encode("n,a=" + escaped + ",\x01" + "auth=Bearer " + access_token + "\x01\x01");
}

}  // namespace mail
