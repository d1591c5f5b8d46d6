// The system-mailer backend with small shell-script mailers.

#include "mail/mailer/mailer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "mail/mailer/mailer_client.h"
#include "support/temp_dir.h"

namespace mail {
namespace {

using std::chrono::milliseconds;

class MailerTest : public ::testing::Test {
 protected:
  std::string Script(const std::string& name, const std::string& body) {
    const std::string path = (dir_.path() / name).string();
    testing_support::WriteAll(path, "#!/bin/sh\n" + body);
    ::chmod(path.c_str(), 0755);
    return path;
  }
  std::string Read(const std::string& name) { return testing_support::ReadAll(dir_.path() / name); }
  // One message through the client: its error, or "" when the mailer took it.
  std::string SendOne(const std::string& to) {
    try {
      client_.SignOn();
      client_.SetMessageSessionID(client_.SessionID());
      client_.Compose();
      client_.SetRecipIndex(0);
      client_.SetRecipDisplayName(to);
      client_.SetMsgSubject("Ann Hello");
      client_.SetMsgNoteText("Line one\r\nLine two");
      client_.Send(false);
    } catch (const MailClientError& e) {
      return e.what();
    }
    return "";
  }

  testing_support::TempDir dir_;
  MailSettings settings_;
  roster::ManualClock clock_{std::chrono::system_clock::from_time_t(1764950400)};
  MailerClient client_{settings_, clock_, nullptr};
};

TEST(SplitCommandTest, QuotesAndEscapes) {
  EXPECT_EQ(SplitCommand("/usr/sbin/sendmail -t -oi"),
            (std::vector<std::string>{"/usr/sbin/sendmail", "-t", "-oi"}));
  EXPECT_EQ(SplitCommand("  'my mailer'  -C \"/a b/rc\" x\\ y \"\" "),
            (std::vector<std::string>{"my mailer", "-C", "/a b/rc", "x y", ""}));
  EXPECT_TRUE(SplitCommand("   ").empty());
}

TEST_F(MailerTest, MessageGoesToStandardInputWithArgumentsAsGiven) {
  const std::string mailer = Script("ok",
                                    "echo \"$#:$1:$2\" > \"$(dirname \"$0\")/args\"\n"
                                    "cat > \"$(dirname \"$0\")/in\"\n");
  std::string big(300000, 'x');  // more than a pipe holds
  MailerRun run = RunMailer({mailer, "-t", "a b"}, big, milliseconds(10000));
  EXPECT_TRUE(run.started);
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_FALSE(run.timed_out);
  EXPECT_EQ(Read("args"), "2:-t:a b\n");
  EXPECT_EQ(Read("in"), big);

  // Exits at once without reading a large message: no SIGPIPE, just its status.
  run = RunMailer({Script("early", "exit 75\n")}, big, milliseconds(10000));
  EXPECT_EQ(run.exit_status, 75);
  EXPECT_TRUE(FindExecutable("sh").has_value());
}

// What reaches a real server through the mailer is checked in the e2e tests.
TEST_F(MailerTest, ClientHandsTheWholeMessageToTheMailerAndRefusesWhatItCannotSend) {
  settings_.SMTPAccountName = "org@example.org";
  settings_.MailerCommand = Script("ok", "cat > \"$(dirname \"$0\")/in\"\n") + " -t -oi";
  ASSERT_EQ(SendOne("ann@example.org"), "");
  const std::string wire = Read("in");
  EXPECT_NE(wire.find("To: <ann@example.org>\r\n"), std::string::npos) << wire;
  EXPECT_NE(wire.find("org@example.org"), std::string::npos) << wire;
  EXPECT_NE(wire.find("\r\n\r\nLine one\r\nLine two"), std::string::npos) << wire;
  EXPECT_EQ(SendOne("Ann Smith"), "The address [Ann Smith] is not an e-mail address");
  // After logoff nothing can be composed until the next logon.
  client_.SignOff();
  EXPECT_THROW(client_.Compose(), MailClientError);
}

TEST_F(MailerTest, ClientReportsTheMailersFailures) {
  client_.SetTimeout(milliseconds(300));
  const std::string missing = (dir_.path() / "nowhere").string(),
                    plain = (dir_.path() / "plain").string();
  testing_support::WriteAll(plain, "not executable");
  const std::string fail = Script("fail", "cat >/dev/null; echo 'bad recipient' >&2\nexit 67\n");
  const std::string hang = Script("hang", "exec sleep 30\n");
  const std::string not_run =
      "] was not found or may not be run; install a sendmail-compatible "
      "program or change the mailer command";
  const std::pair<std::string, std::string> cases[] = {
      {missing + " -t", "The mailer [" + missing + not_run},
      {plain, "The mailer [" + plain + not_run},
      {fail, "The mailer [" + fail + "] failed with exit status 67: bad recipient"},
      {hang, "The mailer [" + hang + "] did not finish within 1 second and was stopped"}};
  const auto start = std::chrono::steady_clock::now();
  for (const auto& [command, text] : cases) {
    settings_.MailerCommand = command;
    EXPECT_EQ(SendOne("a@example.org"), text);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace mail
