// hollymoor-cli settings with the system keyring (a throw-away Secret Service started by
// with_keyring.sh) and on a system without one.

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "app/cli_runner.h"
#include "support/oauth_server.h"

namespace cli_test {
namespace {

const std::vector<std::string> kAccount = {"settings",
                                           "--set",
                                           "UseSMTP=1",
                                           "--set",
                                           "SMTPServer=mail.example.org:587",
                                           "--set",
                                           "SMTPAccountName=ann@example.org",
                                           "--set",
                                           "SMTPUserName=Ann",
                                           "--set",
                                           "ServerRequiresAuthentication=1",
                                           "--password-stdin"};

// Points the sandbox at the test authorization server and signs in, following the printed
// address as a browser would.
CliResult SignIn(CliSandbox& box, const testing_support::OAuthServer& oauth,
                 const std::vector<std::string>& more = {}) {
  const CliResult r = box.Run({"settings", "--set", "SMTPAccountName=ann@example.org", "--set",
                               "OAuthProvider=custom", "--set",
                               "OAuthAuthorizeURL=" + oauth.base_url() + "/authorize", "--set",
                               "OAuthTokenURL=" + oauth.base_url() + "/token", "--set",
                               "OAuthClientID=hollymoor-test", "--set", "OAuthScopes=smtp"});
  if (r.exit_code != 0) return r;
  std::vector<std::string> args = {"login", "--no-browser"};
  args.insert(args.end(), more.begin(), more.end());
  bool followed = false;
  return box.RunReading(args, [&](const std::string& out) {
    std::smatch m;
    static const std::regex kLine("Open this address to sign in: (\\S+)\n");
    if (followed || !std::regex_search(out, m, kLine)) return;
    followed = true;
    testing_support::OAuthServer::FollowInBrowser(m[1].str());
  });
}

std::vector<std::string> With(std::vector<std::string> args, std::vector<std::string> more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(CliKeyring, SecretServiceHoldsThePasswordAndShowSaysSo) {
  if (!std::getenv("HM_KEYRING")) {
    const char* why = std::getenv("HM_KEYRING_PROBLEM");
    GTEST_SKIP() << "no Secret Service for this test: "
                 << (why ? why : "not started through tests/support/with_keyring.sh");
  }
  CliSandbox box;
  box.use_keyring = true;
  CliResult r = box.Run(kAccount, "s3cret pass\n");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::string file = ReadAll(box.config_file());
  EXPECT_FALSE(Has(file, "s3cret")) << file;
  EXPECT_FALSE(Has(file, "czNjcmV0IHBhc3M=")) << "nor its Base64";

  r = box.Run({"settings", "--set", "SMTPAuthMethod=oauth2", "--set", "OAuthProvider=custom",
               "--set", "OAuthTokenURL=http://127.0.0.1:9/token", "--show"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "SMTPAuthMethod=oauth2\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "OAuthProvider=custom\n"));
  EXPECT_TRUE(Has(r.out, "OAuthTokenURL=http://127.0.0.1:9/token\n"));
  EXPECT_TRUE(Has(r.out, "PasswordStored=keyring\n"));
  EXPECT_TRUE(Has(r.out, "SignInStored=none\n"));
  EXPECT_FALSE(Has(r.out, "s3cret"));
}

TEST(CliKeyring, SecretServiceHoldsTheSignInAndLogoutTakesItOut) {
  if (!std::getenv("HM_KEYRING")) {
    const char* why = std::getenv("HM_KEYRING_PROBLEM");
    GTEST_SKIP() << "no Secret Service for this test: "
                 << (why ? why : "not started through tests/support/with_keyring.sh");
  }
  testing_support::OAuthServer oauth;
  ASSERT_EQ(oauth.error(), "");
  CliSandbox box;
  box.use_keyring = true;
  CliResult r = SignIn(box, oauth);
  ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
  EXPECT_TRUE(Has(r.out, "kept in the keyring")) << r.out;
  const std::string file = ReadAll(box.config_file());
  EXPECT_FALSE(Has(file, "rt-")) << file;
  EXPECT_FALSE(Has(file, "at-")) << file;
  EXPECT_TRUE(Has(box.Run({"settings", "--show"}).out, "SignInStored=keyring\n"));

  ASSERT_EQ(box.Run({"logout"}).exit_code, 0);
  EXPECT_TRUE(Has(box.Run({"settings", "--show"}).out, "SignInStored=none\n"));
}

TEST(CliKeyring, WithoutAKeyringThePasswordIsKeptOnlyWhenAllowed) {
  if (std::getenv("HM_KEYRING")) GTEST_SKIP() << "runs where no keyring can be reached";
  CliSandbox box;
  box.use_keyring = true;
  CliResult r = box.Run(kAccount, "s3cret pass\n");
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.err, "--allow-file-secret")) << r.err;
  EXPECT_FALSE(Has(ReadAll(box.config_file()), "czNjcmV0IHBhc3M="));

  r = box.Run(With(kAccount, {"--allow-file-secret", "--show"}), "s3cret pass\n");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "PasswordStored=settings file\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "SMTPAuthMethod=password\n"));

  r = box.Run({"settings", "--set", "SMTPAuthMethod=token"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "SMTPAuthMethod must be one of password, oauth2")) << r.err;
}

TEST(CliKeyring, WithoutAKeyringTheSignInIsKeptOnlyWhenAllowed) {
  if (std::getenv("HM_KEYRING")) GTEST_SKIP() << "runs where no keyring can be reached";
  testing_support::OAuthServer oauth;
  ASSERT_EQ(oauth.error(), "");
  CliSandbox box;
  box.use_keyring = true;
  CliResult r = SignIn(box, oauth);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.err, "--allow-file-secret")) << r.err;
  EXPECT_TRUE(Has(box.Run({"settings", "--show"}).out, "SignInStored=none\n"));

  r = SignIn(box, oauth, {"--allow-file-secret"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(box.Run({"settings", "--show"}).out, "SignInStored=settings file\n"));
}

}  // namespace
}  // namespace cli_test
