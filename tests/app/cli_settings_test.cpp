// hollymoor-cli settings: the settings dialog's checks and save, through the command line.

#include <gtest/gtest.h>

#include "app/cli_runner.h"

namespace cli_test {
namespace {

TEST(CliSettings, RoundTripMasksThePasswordAndKeepsItAsBase64) {
  CliSandbox box;
  CliResult r =
      box.Run({"settings", "--set", "UseSMTP=1", "--set", "SMTPServer=mail.example.org:587",
               "--set", "SMTPAccountName=ann@example.org", "--set", "SMTPUserName=Ann", "--set",
               "ServerRequiresAuthentication=1", "--password-stdin", "--show"},
              "s3cret pass\n");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "UseSMTP=1\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "SMTPServer=mail.example.org:587\n"));
  EXPECT_TRUE(Has(r.out, "SMTPAccountPassword=********\n"));
  EXPECT_FALSE(Has(r.out, "s3cret"));

  // A later run reads what the first wrote; the file holds Base64, never the clear text.
  r = box.Run({"settings"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "SMTPAccountName=ann@example.org\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "ServerRequiresAuthentication=1\n"));
  const std::string file = ReadAll(box.config_file());
  EXPECT_FALSE(Has(file, "s3cret"));
  EXPECT_TRUE(Has(file, "czNjcmV0IHBhc3M=")) << file;

  // Changing another value leaves the stored password as it was (not encoded twice).
  r = box.Run({"settings", "--set", "SMTPUserName=Ann Example"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(ReadAll(box.config_file()), "czNjcmV0IHBhc3M="));
}

TEST(CliSettings, UnencryptedSmtpIsOffUntilSetAndSettingItWarns) {
  CliSandbox box;
  CliResult r = box.Run({"settings"});
  EXPECT_TRUE(Has(r.out, "AllowUnencryptedSMTP=0\n")) << r.out;
  r = box.Run({"settings", "--set", "allowunencryptedsmtp=1"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.err, "warning: SMTP may now send the login and every message unencrypted"))
      << r.err;
  EXPECT_TRUE(Has(box.Run({"settings"}).out, "AllowUnencryptedSMTP=1\n"));
  EXPECT_EQ(box.Run({"settings", "--set", "AllowUnencryptedSMTP=maybe"}).exit_code, 2);
  r = box.Run({"settings", "--set", "AllowUnencryptedSMTP=0", "--show"});
  EXPECT_TRUE(Has(r.out, "AllowUnencryptedSMTP=0\n")) << r.out;
}

TEST(CliSettings, RejectsWhatTheDialogRejects) {
  CliSandbox box;
  CliResult r = box.Run({"settings", "--set", "UseSMTP=smtp", "--set", "SMTPServer=a.b", "--set",
                         "SMTPAccountName=ann@example.org", "--set", "SMTPUserName=Ann"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.err, "hollymoor-cli: settings: Invalid SMTP Server entry\n");
  // As in the dialog, choosing SMTP is recorded before the entries are checked.
  r = box.Run({"settings", "--show"});
  EXPECT_TRUE(Has(r.out, "UseSMTP=1\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "SMTPServer=\n")) << r.out;

  // Which entries the dialog's checks refuse is the settings form's own test.
  // The mailer path takes any entries.
  r = box.Run({"settings", "--set", "UseSMTP=0", "--set", "SMTPServer=x"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
}

TEST(CliSettings, BadAssignmentsAreOneLineErrors) {
  CliSandbox box;
  for (const char* assignment :
       {"Colour=blue", "UseSMTP=maybe", "SMTPAccountPassword=x", "novalue"}) {
    CliResult r = box.Run({"settings", "--set", assignment});
    EXPECT_EQ(r.exit_code, 2) << assignment;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.out, "");
  }
  CliResult r = box.Run({"settings", "--password-stdin"}, "");
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_FALSE(std::filesystem::exists(box.config_file()));
}

}  // namespace
}  // namespace cli_test
