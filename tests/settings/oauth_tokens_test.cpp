#include "settings/oauth_tokens.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/sha256.h"
#include "settings/file_settings_store.h"
#include "settings/registry.h"
#include "support/memory_secret_store.h"
#include "support/temp_dir.h"

namespace {

std::string Hex(const std::array<std::uint8_t, 32>& digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (std::uint8_t b : digest) {
    out.push_back(kDigits[b >> 4]);
    out.push_back(kDigits[b & 15]);
  }
  return out;
}

TEST(ProofKeyTest, DigestsMatchTheStandardsVectorsAcrossBlockBoundaries) {
  EXPECT_EQ(Hex(mail::Sha256("")),
            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Hex(mail::Sha256("abc")),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the block, so padding takes a second one.
  EXPECT_EQ(Hex(mail::Sha256("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(Hex(mail::Sha256(std::string(1000000, 'a'))),
            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(ProofKeyTest, VerifierAndChallengeAreThoseOfTheWorkedExample) {
  const unsigned char random[32] = {116, 24,  223, 180, 151, 153, 224, 37,  79,  250, 96,
                                    125, 216, 173, 187, 186, 22,  212, 37,  77,  105, 214,
                                    191, 240, 91,  88,  5,   88,  83,  132, 141, 121};
  const mail::Pkce pkce =
      mail::MakePkce(std::string_view(reinterpret_cast<const char*>(random), sizeof random));
  EXPECT_EQ(pkce.verifier, "dBjftJeZ4CVP-mB92K27uhbUJU1p1r_wW1gFWFOEjXk");
  EXPECT_EQ(pkce.challenge, "E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM");
  EXPECT_EQ(mail::Base64Url("\xfb\xff"), "-_8");  // the two letters that differ, no padding
}

TEST(ProofKeyTest, ATokenIsRenewedWhenMissingUnknownOrAboutToRunOut) {
  mail::MailSettings s;
  EXPECT_TRUE(mail::AccessTokenNeedsRenewal(s, 1000));
  s.OAuthAccessToken = "t";
  EXPECT_TRUE(mail::AccessTokenNeedsRenewal(s, 1000)) << "expiry unknown";
  s.OAuthAccessTokenExpiry = 1000 + 3600;
  EXPECT_FALSE(mail::AccessTokenNeedsRenewal(s, 1000));
  EXPECT_FALSE(mail::AccessTokenNeedsRenewal(s, 1000 + 3600 - 301));
  EXPECT_TRUE(mail::AccessTokenNeedsRenewal(s, 1000 + 3600 - 300));
  EXPECT_TRUE(mail::AccessTokenNeedsRenewal(s, 1000 + 3600 + 5));
}

class TokenKeepingTest : public ::testing::Test {
 protected:
  TokenKeepingTest() {
    s_.SMTPAccountName = "santa@example.org";
    s_.OAuthProvider = "custom";
  }
  std::string FileText() {
    std::ifstream in(path_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  mail::MailSettings Loaded(mail::SecretStore* keyring) {
    mail::MailSettings s;
    mail::LoadMailSettings(store_, s);
    mail::LoadMailSecrets(store_, keyring, s);
    return s;
  }
  mail::SecretAccess Access(mail::SecretStore* keyring) {
    return {keyring, [this](const std::string&) { return consent_; }};
  }

  testing_support::TempDir dir_;
  std::filesystem::path path_ = dir_.path() / "settings.ini";
  mail::FileSettingsStore store_{path_};
  testing_support::MemorySecretStore keyring_;
  mail::MailSettings s_;
  bool consent_ = false;
};

std::string IdToken(const std::string& claims) {
  return mail::Base64Url(R"({"alg":"RS256","kid":"k1"})") + "." + mail::Base64Url(claims) +
         ".c2lnbmF0dXJl";
}

TEST(IdTokenTest, NamesTheAccountFromTheProvidersClaim) {
  const std::string google =
      IdToken(R"({"iss":"https://accounts.google.com","aud":["a","b"],"email":"santa@gmail.com",)"
              R"("email_verified":true,"nested":{"email":"not@this.one"},"exp":1700000000})");
  EXPECT_EQ(mail::AccountFromIdToken(google, "google"), "santa@gmail.com");
  // Microsoft work accounts carry the address as preferred_username and maybe no email.
  const std::string microsoft =
      IdToken(R"({ "preferred_username" : "elf@contoso.example", "email":"old@contoso.example" })");
  EXPECT_EQ(mail::AccountFromIdToken(microsoft, "microsoft"), "elf@contoso.example");
  EXPECT_EQ(mail::AccountFromIdToken(microsoft, "custom"), "old@contoso.example");
  EXPECT_EQ(mail::AccountFromIdToken(IdToken(R"({"email":"na\u00efve\"q@example.org"})"), "custom"),
            "na\xc3\xafve\"q@example.org");
}

TEST(IdTokenTest, AnythingElseNamesNoAccount) {
  for (const std::string& token :
       {std::string(), std::string("not-a-token"), std::string("a.b"),
        IdToken(R"({"sub":"12345"})"), IdToken(R"({"email":"no-at-sign"})"),
        IdToken(R"({"email":"cut@off)"), IdToken("[1,2]"), IdToken(R"({"email":5})")})
    EXPECT_EQ(mail::AccountFromIdToken(token, "google"), "") << token;
}

TEST_F(TokenKeepingTest, TokensGoToTheKeyringAndComeBackWithTheirExpiry) {
  mail::SaveRegistryValue(store_, mail::kValueSMTPAccountName, s_.SMTPAccountName,
                          mail::kTypeString);
  mail::SaveRegistryValue(store_, mail::kValueOAuthProvider, s_.OAuthProvider, mail::kTypeString);
  EXPECT_EQ(mail::KeepTokens(store_, Access(&keyring_), s_, {"access-1", "refresh-1", 5000, ""}),
            mail::SecretPlace::kKeyring);
  const std::string text = FileText();
  EXPECT_EQ(text.find("access-1"), std::string::npos) << text;
  EXPECT_EQ(text.find("refresh-1"), std::string::npos) << text;
  mail::MailSettings back = Loaded(&keyring_);
  EXPECT_EQ(back.OAuthAccessToken, "access-1");
  EXPECT_EQ(back.OAuthRefreshToken, "refresh-1");
  EXPECT_EQ(back.OAuthAccessTokenExpiry, 5000);

  // A renewal without a new refresh token keeps the old one.
  mail::KeepTokens(store_, Access(&keyring_), back, {"access-2", "", 9000, ""});
  back = Loaded(&keyring_);
  EXPECT_EQ(back.OAuthAccessToken, "access-2");
  EXPECT_EQ(back.OAuthRefreshToken, "refresh-1");
  EXPECT_EQ(back.OAuthAccessTokenExpiry, 9000);

  mail::ForgetTokens(store_, Access(&keyring_), back);
  EXPECT_TRUE(back.OAuthRefreshToken.empty());
  EXPECT_TRUE(keyring_.entries.empty());
  back = Loaded(&keyring_);
  EXPECT_TRUE(back.OAuthAccessToken.empty());
  EXPECT_TRUE(back.OAuthRefreshToken.empty());
  EXPECT_EQ(back.OAuthAccessTokenExpiry, 0);
}

TEST_F(TokenKeepingTest, TheAccountOfTheIdTokenIsKeptAndForgottenWithTheTokens) {
  mail::SaveRegistryValue(store_, mail::kValueOAuthProvider, s_.OAuthProvider, mail::kTypeString);
  mail::KeepTokens(store_, Access(&keyring_), s_,
                   {"access-1", "refresh-1", 5000, "Santa.Claus@outlook.com"});
  mail::MailSettings back = Loaded(&keyring_);
  EXPECT_EQ(back.OAuthAccount, "Santa.Claus@outlook.com");
  EXPECT_EQ(back.OAuthRefreshToken, "refresh-1") << "found under the account's name";
  EXPECT_EQ(keyring_.entries.size(), 2u);

  // A renewal that names no account leaves it; signing in as somebody else moves the tokens.
  mail::KeepTokens(store_, Access(&keyring_), back, {"access-2", "", 6000, ""});
  EXPECT_EQ(Loaded(&keyring_).OAuthAccount, "Santa.Claus@outlook.com");
  mail::KeepTokens(store_, Access(&keyring_), back,
                   {"access-3", "refresh-3", 7000, "elf@outlook.com"});
  back = Loaded(&keyring_);
  EXPECT_EQ(back.OAuthAccount, "elf@outlook.com");
  EXPECT_EQ(back.OAuthRefreshToken, "refresh-3");
  EXPECT_EQ(keyring_.entries.size(), 2u) << "no entries left under the old account";

  mail::ForgetTokens(store_, Access(&keyring_), back);
  EXPECT_EQ(Loaded(&keyring_).OAuthAccount, "");
  EXPECT_TRUE(keyring_.entries.empty());
}

TEST_F(TokenKeepingTest, WithoutAKeyringTokensStayInTheFileOnlyWithConsent) {
  keyring_.available = false;
  EXPECT_EQ(mail::KeepTokens(store_, Access(&keyring_), s_, {"access-1", "refresh-1", 5000, ""}),
            mail::SecretPlace::kMemoryOnly);
  EXPECT_EQ(FileText().find("access-1"), std::string::npos);
  EXPECT_EQ(FileText().find("refresh-1"), std::string::npos);
  EXPECT_EQ(s_.OAuthAccessToken, "access-1") << "kept for this session";

  // A later consent is not asked again: the refusal is remembered.
  consent_ = true;
  EXPECT_EQ(mail::KeepTokens(store_, Access(&keyring_), s_, {"access-2", "refresh-2", 6000, ""}),
            mail::SecretPlace::kMemoryOnly);

  mail::SaveRegistryValue(store_, mail::kValueSecretFileConsent, 1, mail::kTypeInt32);
  EXPECT_EQ(mail::KeepTokens(store_, Access(&keyring_), s_, {"access-3", "refresh-3", 7000, ""}),
            mail::SecretPlace::kFile);
  EXPECT_NE(FileText().find("refresh-3"), std::string::npos);
  mail::ForgetTokens(store_, Access(&keyring_), s_);
  EXPECT_EQ(FileText().find("refresh-3"), std::string::npos);
  EXPECT_EQ(FileText().find("access-3"), std::string::npos);
}

}  // namespace
