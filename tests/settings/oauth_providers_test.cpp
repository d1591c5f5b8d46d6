#include "settings/oauth_providers.h"

#include <gtest/gtest.h>

namespace {

TEST(OAuthProviders, BuiltInValuesWithSettingsOverridingThem) {
  mail::MailSettings s;
  s.OAuthProvider = "microsoft";
  s.OAuthClientID = "client-1";
  std::string problem = "unset";
  mail::OAuthEndpoints e = mail::ResolveOAuthEndpoints(s, &problem);
  EXPECT_EQ(problem, "");
  EXPECT_EQ(e.scopes, "https://outlook.office.com/SMTP.Send offline_access openid email");
  EXPECT_EQ(e.smtp_server, "smtp-mail.outlook.com:587");
  EXPECT_EQ(e.client_id, "client-1");
  EXPECT_EQ(e.authorize_url.rfind("https://login.microsoftonline.com/", 0), 0u);

  s.OAuthProvider = "google";
  s.OAuthScopes = "https://mail.google.com/ openid";
  e = mail::ResolveOAuthEndpoints(s, &problem);
  EXPECT_EQ(e.scopes, "https://mail.google.com/ openid");
  EXPECT_EQ(e.token_url, "https://oauth2.googleapis.com/token");
  // Without offline access Google sends no refresh token, and the sign-in would last an hour.
  EXPECT_EQ(e.authorize_extras, (std::vector<std::pair<std::string, std::string>>{
                                    {"access_type", "offline"}, {"prompt", "consent"}}));

  // A custom provider comes from settings alone and says what is missing.
  s = {};
  s.OAuthProvider = "custom";
  mail::ResolveOAuthEndpoints(s, &problem);
  EXPECT_EQ(problem, "OAuthAuthorizeURL is not set");
  s.OAuthAuthorizeURL = "http://127.0.0.1:8/authorize";
  s.OAuthTokenURL = "http://127.0.0.1:8/token";
  s.OAuthScopes = "smtp";
  mail::ResolveOAuthEndpoints(s, &problem);
  EXPECT_NE(problem.find("OAuthClientID"), std::string::npos) << problem;
  s.OAuthClientID = "c";
  mail::ResolveOAuthEndpoints(s, &problem);
  EXPECT_EQ(problem, "");
  s.OAuthProvider = "yahoo";
  mail::ResolveOAuthEndpoints(s, &problem);
  EXPECT_EQ(problem, "OAuthProvider must be microsoft, google or custom");
}

TEST(OAuthProviders, SaslResponsesCarryTheAccountAndTheToken) {
  // The examples of Google's XOAUTH2 description and RFC 7628, section 4.1.
  EXPECT_EQ(
      mail::XOAuth2Response("someuser@example.com",
                            "ya29.vF9dft4qmTc2Nvb3RlckBhdHRhdmlzdGEuY29tCg"),
      "dXNlcj1zb21ldXNlckBleGFtcGxlLmNvbQFhdXRoPUJlYXJlciB5YTI5LnZGOWRmdDRxbVRjMk52YjNSbGNrQmhk"
      "SFJoZG1semRHRXVZMjl0Q2cBAQ==");
  EXPECT_EQ(
      mail::OAuthBearerResponse("user@example.com", "vF9dft4qmTc2Nvb3RlckBhbHRhdmlzdGEuY29tCg=="),
      "bixhPXVzZXJAZXhhbXBsZS5jb20sAWF1dGg9QmVhcmVyIHZGOWRmdDRxbVRjMk52YjNSbGNrQmhiSFJoZG1semRH"
      "RXVZMjl0Q2c9PQEB");
  // "," and "=" in the account would end the header's field early.
  EXPECT_EQ(mail::OAuthBearerResponse("a,b=c", "t"), "bixhPWE9MkNiPTNEYywBYXV0aD1CZWFyZXIgdAEB");
}

}  // namespace
