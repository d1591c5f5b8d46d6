// hollymoor-cli login, send and logout against the test authorization server and aiosmtpd
// taking XOAUTH2: the browser's part is played by following the printed address.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "app/cli_runner.h"
#include "support/oauth_server.h"
#include "support/smtp_server.h"

namespace cli_test {
namespace {

using testing_support::OAuthServer;
using testing_support::SmtpServer;
using testing_support::SmtpServerOptions;

const std::vector<Person> kFour = {{"Ann", "ann@example.org", "", ""},
                                   {"Bob", "bob@example.org", "", ""},
                                   {"Cat", "cat@example.org", "", ""},
                                   {"Dan", "dan@example.org", "", ""}};

class CliSignInTest : public ::testing::Test {
 protected:
  // `smtp_user`: the only account the SMTP server takes a token for ("" any).
  void SetUpServers(const QStringList& oauth_args = {},
                    const std::string& scopes = "smtp offline_access",
                    const QString& smtp_user = {}) {
    oauth_ = std::make_unique<OAuthServer>(oauth_args);
    ASSERT_EQ(oauth_->error(), "");
    SmtpServerOptions options;
    options.xoauth2_tokens = oauth_->tokens_file();
    options.xoauth2_user = smtp_user;
    smtp_ = std::make_unique<SmtpServer>(options);
    ASSERT_EQ(smtp_->error(), "");
    const CliResult r = box_.Run({"settings",
                                  "--set",
                                  "UseSMTP=1",
                                  "--set",
                                  "SMTPServer=127.0.0.1:" + std::to_string(smtp_->port()),
                                  "--set",
                                  "SMTPAccountName=alice@example.org",
                                  "--set",
                                  "SMTPUserName=Alice Organiser",
                                  "--set",
                                  "AllowUnencryptedSMTP=1",
                                  "--set",
                                  "OAuthProvider=custom",
                                  "--set",
                                  "OAuthAuthorizeURL=" + oauth_->base_url() + "/authorize",
                                  "--set",
                                  "OAuthTokenURL=" + oauth_->base_url() + "/token",
                                  "--set",
                                  "OAuthClientID=hollymoor-test",
                                  "--set",
                                  "OAuthScopes=" + scopes});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    roster_ = box_.Write("four.hmr", ListFile(kFour)).string();
  }
  // login --no-browser, with the printed address followed as a browser would.
  CliResult Login(std::string* page = nullptr, const std::vector<std::string>& more = {},
                  const std::string& provider = "custom") {
    bool followed = false;
    std::vector<std::string> args = {"login", "--provider", provider, "--no-browser"};
    args.insert(args.end(), more.begin(), more.end());
    return box_.RunReading(args, [&](const std::string& out) {
      std::smatch m;
      static const std::regex kLine("Open this address to sign in: (\\S+)\n");
      if (followed || !std::regex_search(out, m, kLine)) return;
      followed = true;
      const std::string text = OAuthServer::FollowInBrowser(m[1].str());
      if (page) *page = text;
    });
  }
  std::string SessionLog() {
    std::ifstream in(box_.data_dir() / "smtp_session.log");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string Config() {
    std::ifstream in(box_.config_file());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  CliSandbox box_;
  std::unique_ptr<OAuthServer> oauth_;
  std::unique_ptr<SmtpServer> smtp_;
  std::string roster_;
};

// The provider's ID token names the account; the sender logs in as that account, whatever
// the From address says, and signing out forgets it.
TEST_F(CliSignInTest, TheIdTokensAccountIsShownAndSignsInToTheServer) {
  SetUpServers({"--account", "santa@example.net"}, "smtp offline_access openid email",
               "santa@example.net");
  CliResult r = Login();
  ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
  CliResult shown = box_.Run({"settings", "--show"});
  EXPECT_TRUE(Has(shown.out, "OAuthAccount=santa@example.net\n")) << shown.out;
  EXPECT_TRUE(Has(shown.out, "SMTPAccountName=alice@example.org")) << shown.out;

  r = box_.Run({"send", roster_});
  ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
  EXPECT_TRUE(smtp_->WaitForMessages(4));

  ASSERT_EQ(box_.Run({"logout"}).exit_code, 0);
  shown = box_.Run({"settings", "--show"});
  EXPECT_FALSE(Has(shown.out, "OAuthAccount=")) << shown.out;
}

TEST_F(CliSignInTest, SignedInSendsReachEveryoneAndAnExpiredTokenIsRenewedWithoutAsking) {
  SetUpServers();
  std::string page;
  CliResult r = Login(&page);
  ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
  EXPECT_TRUE(Has(r.out, "Signed in with custom")) << r.out;
  EXPECT_TRUE(Has(page, "Signed in")) << page;
  EXPECT_EQ(oauth_->Grants(), "authorization_code\n");

  const CliResult shown = box_.Run({"settings", "--show"});
  EXPECT_TRUE(Has(shown.out, "SMTPAuthMethod=oauth2")) << shown.out;
  EXPECT_TRUE(Has(shown.out, "SignInStored=settings file")) << shown.out;

  r = box_.Run({"send", roster_});
  ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
  ASSERT_TRUE(smtp_->WaitForMessages(4));
  EXPECT_EQ(oauth_->Grants(), "authorization_code\n") << "a fresh token is used as it is";
  EXPECT_FALSE(Has(SessionLog(), "SIGN-IN TOKEN REFUSED"));

  // The provider ends the token early; the next run hears it from the server, renews the
  // token and sends.
  ASSERT_TRUE(oauth_->ExpireTokens());
  r = box_.Run({"send", roster_});
  ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
  ASSERT_TRUE(smtp_->WaitForMessages(8));
  EXPECT_EQ(oauth_->Grants(), "authorization_code\nrefresh_token\n");
  EXPECT_TRUE(Has(SessionLog(), "SIGN-IN TOKEN RENEWED"));
  for (const std::string& secret : {std::string("at-"), std::string("auth=Bearer")})
    EXPECT_FALSE(Has(SessionLog(), secret)) << "the token never reaches the log";
}

TEST_F(CliSignInTest, ATokenAboutToRunOutIsRenewedBeforeTheRun) {
  SetUpServers({"--expires", "30"});  // shorter than the renewal margin
  ASSERT_EQ(Login().exit_code, 0);
  const CliResult r = box_.Run({"settings", "--test"});
  ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
  EXPECT_TRUE(Has(r.out, "accepted for delivery")) << r.out;
  EXPECT_EQ(oauth_->Grants(), "authorization_code\nrefresh_token\n");
  EXPECT_FALSE(Has(SessionLog(), "SIGN-IN TOKEN REFUSED")) << "the server never saw an old one";
}

TEST_F(CliSignInTest, SigningInWithAKnownProviderFillsOnlyAnEmptyServer) {
  oauth_ = std::make_unique<OAuthServer>();
  ASSERT_EQ(oauth_->error(), "");
  // The provider's own sign-in pages are stood in for by the test server.
  ASSERT_EQ(box_.Run({"settings", "--set", "SMTPAccountName=alice@example.org", "--set",
                      "OAuthAuthorizeURL=" + oauth_->base_url() + "/authorize", "--set",
                      "OAuthTokenURL=" + oauth_->base_url() + "/token", "--set",
                      "OAuthClientID=hollymoor-test"})
                .exit_code,
            0);
  CliResult r = Login(nullptr, {}, "google");
  ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
  EXPECT_TRUE(Has(r.out,
                  "No SMTP server was set; it is now smtp.gmail.com:587, the server of "
                  "google.\n"))
      << r.out;
  EXPECT_TRUE(Has(box_.Run({"settings", "--show"}).out, "SMTPServer=smtp.gmail.com:587\n"));

  ASSERT_EQ(box_.Run({"settings", "--set", "SMTPServer=mail.example.org:465"}).exit_code, 0);
  r = Login(nullptr, {}, "microsoft");
  ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
  EXPECT_FALSE(Has(r.out, "SMTP server")) << r.out;
  EXPECT_TRUE(Has(box_.Run({"settings", "--show"}).out, "SMTPServer=mail.example.org:465\n"));
}

TEST_F(CliSignInTest, DeclinedOrUnansweredSignInsChangeNothingAndSayWhy) {
  SetUpServers({"--deny"});
  CliResult r = Login();
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.err, "declined")) << r.err;
  EXPECT_FALSE(Has(Config(), "SMTPAuthMethod=\"oauth2\"")) << Config();

  // Nobody opens the address.
  r = box_.Run({"login", "--provider", "custom", "--no-browser", "--timeout", "1"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.out, "Open this address to sign in: " + oauth_->base_url() + "/authorize?"))
      << r.out;
  EXPECT_TRUE(Has(r.err, "no answer from the browser within 1 seconds")) << r.err;

  r = box_.Run({"login", "--provider", "yahoo"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "--provider must be microsoft, google or custom")) << r.err;
}

TEST_F(CliSignInTest, LogoutForgetsTheSignInAndSendingThenAsksForALogin) {
  SetUpServers();
  ASSERT_EQ(Login().exit_code, 0);
  ASSERT_TRUE(Has(Config(), "OAuthRefreshToken=\"rt-")) << Config();
  CliResult r = box_.Run({"logout"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "Signed out")) << r.out;
  EXPECT_FALSE(Has(Config(), "rt-")) << Config();
  EXPECT_FALSE(Has(Config(), "at-")) << Config();
  EXPECT_TRUE(Has(box_.Run({"settings", "--show"}).out, "SignInStored=none"));

  r = box_.Run({"send", roster_});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "run hollymoor-cli login first")) << r.err;
  EXPECT_TRUE(smtp_->Messages().empty());
  EXPECT_TRUE(Has(box_.Run({"logout"}).out, "nothing to forget"));
}

}  // namespace
}  // namespace cli_test
