#include "settings/provider_presets.h"

#include <gtest/gtest.h>

#include "settings/provider_replies.h"

namespace {

TEST(ProviderPresets, AddressFillsServerSecurityAndSignIn) {
  struct {
    const char* address;
    const char* server;
    mail::Security security;
    const char* method;
    const char* provider;
  } cases[] = {
      {"santa@gmail.com", "smtp.gmail.com:587", mail::Security::kStartTls, "password", "google"},
      {"  Santa@Hotmail.COM ", "smtp-mail.outlook.com:587", mail::Security::kStartTls, "oauth2",
       "microsoft"},
      {"elf@contoso.onmicrosoft.com", "smtp.office365.com:587", mail::Security::kStartTls, "oauth2",
       "microsoft"},
      {"x@yahoo.co.uk", "smtp.mail.yahoo.com:465", mail::Security::kImplicitTls, "password", ""},
      {"x@me.com", "smtp.mail.me.com:587", mail::Security::kStartTls, "password", ""},
      {"x@gmx.de", "mail.gmx.net:587", mail::Security::kStartTls, "password", ""},
      {"x@web.de", "smtp.web.de:587", mail::Security::kStartTls, "password", ""},
      {"x@fastmail.com", "smtp.fastmail.com:465", mail::Security::kImplicitTls, "password", ""},
      {"x@zoho.com", "smtp.zoho.com:465", mail::Security::kImplicitTls, "password", ""},
      {"x@proton.me", "127.0.0.1:1025", mail::Security::kStartTls, "password", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    auto preset = mail::PresetForAddress(c.address);
    ASSERT_TRUE(preset);
    EXPECT_EQ(preset->server, c.server);
    EXPECT_EQ(preset->security, c.security);
    EXPECT_EQ(preset->auth_method, c.method);
    EXPECT_EQ(preset->oauth_provider, c.provider);
    EXPECT_EQ(preset->hint.find('\n'), std::string::npos) << "one line";
  }
  EXPECT_NE(mail::PresetForAddress("a@gmail.com")->hint.find("app password"), std::string::npos);
  EXPECT_NE(mail::PresetForAddress("a@gmail.com")->hint.find("sign in with Google"),
            std::string::npos);
  // Unknown domains, look-alikes and non-addresses fill in nothing.
  for (const char* other : {"a@example.org", "a@notgmail.com", "a@gmail.com.evil", "gmail.com",
                            "@gmail.com", "", "a@onmicrosoft.com"})
    EXPECT_FALSE(mail::PresetForAddress(other)) << other;
}

TEST(ProviderPresets, WarnsWhenTheSenderCannotBeTheSignedInAccount) {
  // A token's account differs from the sender address at a provider that refuses that.
  EXPECT_NE(mail::FromMismatchWarning("santa@example.org", "smtp-mail.outlook.com:587",
                                      "santa@outlook.com"),
            "");
  EXPECT_EQ(mail::FromMismatchWarning("Santa@Outlook.com", "smtp-mail.outlook.com:587",
                                      "santa@outlook.com"),
            "");
  // Without a token, a consumer provider's server with an address not of that provider.
  const std::string w =
      mail::FromMismatchWarning("santa@example.org", "smtp.mail.yahoo.com:465", "");
  EXPECT_NE(w.find("Yahoo Mail"), std::string::npos) << w;
  EXPECT_EQ(mail::FromMismatchWarning("santa@ymail.com", "smtp.mail.yahoo.com:465", ""), "");
  // Servers that also carry customers' own domains, and unknown servers, stay quiet.
  EXPECT_EQ(mail::FromMismatchWarning("santa@example.org", "smtp.gmail.com:587", ""), "");
  EXPECT_EQ(mail::FromMismatchWarning("santa@example.org", "mail.example.net", ""), "");
  EXPECT_EQ(
      mail::FromMismatchWarning("santa@example.org", "smtp.fastmail.com:465", "elf@fastmail.com"),
      "");
}

TEST(ProviderReplies, EachKnownRefusalGetsItsOwnLine) {
  const std::string microsoft = mail::AdviceForReply(
      "535 5.7.139 Authentication unsuccessful, basic authentication is disabled.");
  EXPECT_NE(microsoft.find("Sign in with Microsoft"), std::string::npos) << microsoft;
  EXPECT_NE(microsoft.find("instead of a password"), std::string::npos);
  const char* replies[] = {
      "534-5.7.9 Application-specific password required. Learn more at\r\n"
      "534 5.7.9  https://support.google.com/mail/?p=InvalidSecondFactor",
      "535-5.7.8 Username and Password not accepted.",
      "535 5.7.139 Authentication unsuccessful",
      "535 5.7.3 Authentication unsuccessful",
      "550 5.7.30 Basic authentication is not supported for Client Submission.",
      "554 5.2.252 SendAsDenied; santa@outlook.com not allowed to send as elf@example.org",
      "530 5.7.0 Must issue a STARTTLS command first.",
      "421 4.7.0 Try again later, closing connection. (rate limited)",
  };
  std::vector<std::string> lines;
  for (const char* reply : replies) {
    const std::string line = mail::AdviceForReply(reply);
    EXPECT_NE(line, "") << reply;
    EXPECT_EQ(line.find('\n'), std::string::npos);
    lines.push_back(line);
  }
  // The two Microsoft 5.7.x replies ask for different things.
  EXPECT_NE(lines[2], lines[3]);
  EXPECT_EQ(mail::AdviceForReply("550 5.1.1 No such user"), "");
  EXPECT_EQ(mail::AdviceForReply("250 OK"), "");
}

TEST(ProviderReplies, TellsAnExpiredTokenFromOtherReplies) {
  // Base64 of {"status":"401","schemes":"bearer","scope":"https://mail.google.com/"}
  EXPECT_TRUE(mail::ReplySaysTokenExpired(
      "334 eyJzdGF0dXMiOiI0MDEiLCJzY2hlbWVzIjoiYmVhcmVyIiwic2NvcGUiOiJodHRwczovL21haWwuZ29vZ2xl"
      "LmNvbS8ifQ==\r\n"));
  EXPECT_TRUE(mail::ReplySaysTokenExpired("535 5.7.3 Authentication unsuccessful"));
  EXPECT_TRUE(mail::ReplySaysTokenExpired("535 5.7.8 Token expired"));
  EXPECT_FALSE(mail::ReplySaysTokenExpired("334 \r\n"));
  EXPECT_FALSE(mail::ReplySaysTokenExpired("235 2.7.0 Accepted"));
  EXPECT_FALSE(mail::ReplySaysTokenExpired("535 5.7.139 basic authentication is disabled"));
}

}  // namespace
