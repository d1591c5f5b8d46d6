// hollymoor-cli settings --test: one message to the organiser's own address, against aiosmtpd
// and a server that refuses the login the way Microsoft does.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/cli_runner.h"
#include "support/smtp_server.h"

namespace cli_test {
namespace {

using testing_support::SmtpServer;
using testing_support::SmtpServerOptions;

class CliTestMessage : public ::testing::Test {
 protected:
  CliResult Configure(const SmtpServer& server, bool auth) {
    return box_.Run(
        {"settings", "--set", "UseSMTP=1", "--set", "AllowUnencryptedSMTP=1", "--set",
         "SMTPServer=127.0.0.1:" + std::to_string(server.port()), "--set",
         "SMTPAccountName=alice@example.org", "--set", "SMTPUserName=Alice Organiser", "--set",
         std::string("ServerRequiresAuthentication=") + (auth ? "1" : "0"), "--password-stdin"},
        "secret\n");
  }
  CliSandbox box_;
};

TEST_F(CliTestMessage, ReachesTheSendersOwnAddressAndTouchesNoArchive) {
  SmtpServer server(SmtpServerOptions{});
  ASSERT_EQ(server.error(), "");
  ASSERT_EQ(Configure(server, false).exit_code, 0);
  CliResult r = box_.Run({"settings", "--test"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "The test message to alice@example.org was accepted")) << r.out;
  ASSERT_TRUE(server.WaitForMessages(1));
  const auto messages = server.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rcpt_to, std::vector<std::string>{"alice@example.org"});
  EXPECT_TRUE(Has(messages[0].data, "Hollymoor test message")) << messages[0].data;
  EXPECT_TRUE(Has(messages[0].data, "your mail settings work"));
  EXPECT_FALSE(std::filesystem::exists(box_.data_dir() / "History"));

  r = box_.Run({"settings", "--test", "--set", "SMTPUserName=Al"});
  EXPECT_EQ(r.exit_code, 2) << "changes and a test do not mix";
}

// The test message goes to the sender's own address: without one, the mailer is not even
// started and the user learns what to enter.
TEST_F(CliTestMessage, WithoutASenderAddressNothingIsSentAndTheUserIsToldWhy) {
  const std::filesystem::path called = box_.dir() / "mailer-called";
  ASSERT_EQ(box_.Run({"settings", "--set", "UseSMTP=0", "--set",
                      "MailerCommand=/usr/bin/touch " + called.string()})
                .exit_code,
            0);
  CliResult r = box_.Run({"settings", "--test"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "The test message goes to your own e-mail address")) << r.err;
  EXPECT_FALSE(std::filesystem::exists(called));
}

TEST_F(CliTestMessage, AMicrosoftPasswordRefusalSaysToSignInWithMicrosoft) {
  SmtpServer server(SmtpServerOptions{
      .scripted = true,
      .script_args = {"--auth-last", "--reject",
                      "PASS:1:535 5.7.139 Authentication unsuccessful, basic authentication is "
                      "disabled."}});
  ASSERT_EQ(server.error(), "");
  ASSERT_EQ(Configure(server, true).exit_code, 0);
  CliResult r = box_.Run({"settings", "--test"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.err, "535 5.7.139")) << r.err;
  EXPECT_TRUE(Has(r.err,
                  "choose \"Sign in with Microsoft\" in Tools->Settings instead of a "
                  "password"))
      << r.err;
  EXPECT_TRUE(server.Messages().empty());
}

}  // namespace
}  // namespace cli_test
