// Signing in to the SMTP server with an access token (XOAUTH2, OAUTHBEARER), and the one
// renewal of a token the server refuses.

#include "core/base64.h"
#include "mail/smtp_engine_fixture.h"

namespace engine_testing {
namespace {

using mail::Base64Encode;

constexpr const char* kTokenEhlo =
    "250-mail.example.org\r\n250-AUTH PLAIN LOGIN XOAUTH2 OAUTHBEARER\r\n250 HELP\r\n";
// What a provider sends back on a refused token: a JSON error as the challenge.
const std::string kErrorChallenge =
    "334 " + Base64Encode(R"({"status":"401","schemes":"bearer","scope":"https://x/"})") + "\r\n";

class TokenLoginTest : public EngineTest {
 protected:
  void StartWithToken(const std::string& token, const char* ehlo = kTokenEhlo) {
    w_->Add(ThreePeople());
    w_->UseServer("mail.example.org", true);
    w_->settings.SMTPAuthMethod = "oauth2";
    w_->settings.OAuthAccessToken = token;
    w_->Confirm("S", "B");
    StartDrawing();
    E().OnConnected();
    Drain();
    Reply("220 mail.example.org ESMTP\r\n");
    Reply(ehlo);
  }
  static std::string XOAuth2Line(const std::string& token) {
    return "AUTH XOAUTH2 " +
           Base64Encode(
               "user=alice@example.org\x01"
               "auth=Bearer " +
               token + "\x01\x01") +
           "\r\n";
  }
  bool LogMentions(const std::string& text) {
    return std::any_of(log.begin(), log.end(),
                       [&](const std::string& entry) { return entry.find(text) != entry.npos; });
  }
};

TEST_F(TokenLoginTest, TheTokenGoesInTheAuthLineAndNeverIntoTheLog) {
  StartWithToken("tok-1");
  EXPECT_EQ(Sent(), XOAuth2Line("tok-1"));
  EXPECT_FALSE(LogMentions("tok-1"));
  EXPECT_FALSE(
      LogMentions(Base64Encode("user=alice@example.org\x01"
                               "auth=Bearer tok-1\x01\x01")));
  Reply("235 2.7.0 Accepted\r\n");
  EXPECT_EQ(Sent(), kMailFrom);
  OneMessage();
  OneMessage();
  OneMessage();
  Reply("221 bye\r\n");
  EXPECT_EQ(E().AcceptedRows, (std::vector<int>{1, 2, 3}));
}

TEST_F(TokenLoginTest, OAuthBearerWhenOnlyItIsOfferedAndNoPasswordFallback) {
  StartWithToken("tok-2", "250-mx\r\n250 AUTH OAUTHBEARER PLAIN\r\n");
  EXPECT_EQ(Sent(), "AUTH OAUTHBEARER " +
                        Base64Encode("n,a=alice@example.org,\x01"
                                     "auth=Bearer tok-2\x01\x01") +
                        "\r\n");

  // A server with neither token mechanism gets no password instead.
  Reset();
  StartWithToken("tok-3", "250-mx\r\n250 AUTH PLAIN LOGIN\r\n");
  EXPECT_EQ(Wire().find("AUTH"), std::string::npos);
  ExpectLastBox(" ERROR: SMTP mail server authentication not supported", mb::kCritical);
  EXPECT_FALSE(E().Active());
}

TEST_F(TokenLoginTest, ARefusedTokenIsRenewedOnceAndTheLoginTriedAgain) {
  StartWithToken("old");
  Reply(kErrorChallenge);
  EXPECT_EQ(Sent(), "\r\n");  // the error challenge is acknowledged with an empty line
  EXPECT_EQ(Count(Kind::kRefreshToken), 0);
  Reply("535 5.7.8 Username and Password not accepted\r\n");
  ASSERT_EQ(Count(Kind::kRefreshToken), 1);
  EXPECT_TRUE(E().Active());
  EXPECT_TRUE(Boxes().empty());

  w_->settings.OAuthAccessToken = "new";
  E().OnTokenRefreshed(true);
  Drain();
  EXPECT_EQ(Sent(), XOAuth2Line("new"));
  Reply("235 2.7.0 Accepted\r\n");
  EXPECT_EQ(Sent(), kMailFrom);
}

TEST_F(TokenLoginTest, ASecondRefusalOrAFailedRenewalEndsTheRunWithTheReason) {
  StartWithToken("old");
  Reply("535 5.7.3 Authentication unsuccessful\r\n");
  ASSERT_EQ(Count(Kind::kRefreshToken), 1);
  E().OnTokenRefreshed(true);
  Drain();
  Reply(kErrorChallenge);
  Reply("535 5.7.3 Authentication unsuccessful\r\n");
  EXPECT_EQ(Count(Kind::kRefreshToken), 1);
  EXPECT_FALSE(E().Active());
  ASSERT_FALSE(Boxes().empty());
  EXPECT_EQ(Boxes().back().text.rfind("SMTP Error: 535 5.7.3", 0), 0u);

  Reset();
  StartWithToken("old");
  Reply("535 5.7.3 Authentication unsuccessful\r\n");
  E().OnTokenRefreshed(false, "the provider said invalid_grant");
  Drain();
  EXPECT_FALSE(E().Active());
  ASSERT_FALSE(Boxes().empty());
  EXPECT_NE(Boxes().back().text.find("could not be renewed: the provider said invalid_grant"),
            std::string::npos);
  EXPECT_EQ(Wire().find("MAIL FROM"), std::string::npos);
}

TEST_F(TokenLoginTest, ARenewalThatNeverAnswersEndsTheRunAtTheCommandTimeOut) {
  StartWithToken("old");
  Reply("535 5.7.3 Authentication unsuccessful\r\n");
  ASSERT_TRUE(timers.count(SmtpTimer::kReply));
  Fire(SmtpTimer::kReply);
  EXPECT_FALSE(E().Active());
  ASSERT_FALSE(Boxes().empty());
  EXPECT_NE(Boxes().back().text.find("no answer from the sign-in provider"), std::string::npos);
  // A late answer changes nothing.
  E().OnTokenRefreshed(true);
  Drain();
  EXPECT_EQ(Wire().find("MAIL FROM"), std::string::npos);
}

TEST_F(TokenLoginTest, ATokenAboutToRunOutIsRenewedBeforeItIsPresented) {
  bool stale = true;
  w_->settings.SMTPAuthMethod = "oauth2";
  auto context = w_->Context();
  context.token_stale = [&stale] { return stale; };
  engine_ = std::make_unique<mail::SmtpEngine>(std::move(context));
  StartWithToken("old");
  EXPECT_EQ(Wire().find("AUTH"), std::string::npos);
  ASSERT_EQ(Count(Kind::kRefreshToken), 1);
  w_->settings.OAuthAccessToken = "new";
  stale = false;
  E().OnTokenRefreshed(true);
  Drain();
  EXPECT_EQ(Sent(), XOAuth2Line("new"));
  Reply("235 2.7.0 Accepted\r\n");
  EXPECT_EQ(Sent(), kMailFrom);
}

TEST_F(TokenLoginTest, ARefusalThatIsNotAboutTheTokenIsNotRetried) {
  // Basic authentication switched off says nothing about the token: a new one would not help.
  StartWithToken("old");
  Reply("535 5.7.139 Authentication unsuccessful, basic authentication is disabled.\r\n");
  EXPECT_EQ(Count(Kind::kRefreshToken), 0);
  EXPECT_FALSE(E().Active());
}

TEST_F(TokenLoginTest, APasswordLoginIsNeverRetriedWithARenewal) {
  Start("mail.example.org", true);
  E().OnConnected();
  Drain();
  Reply("220 mx\r\n");
  Reply(kTokenEhlo);
  EXPECT_EQ(Sent().rfind("AUTH PLAIN ", 0), 0u);
  Reply("535 5.7.8 Username and Password not accepted\r\n");
  EXPECT_EQ(Count(Kind::kRefreshToken), 0);
  EXPECT_FALSE(E().Active());
}

}  // namespace
}  // namespace engine_testing
