// hollymoor-cli settings with the system keyring (a throw-away Secret Service started by
// with_keyring.sh) and on a system without one.

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/cli_runner.h"

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

}  // namespace
}  // namespace cli_test
