// The system-mailer backend with small shell-script mailers.

#include "mail/mailer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "mail/mailer_client.h"
#include "support/temp_dir.h"

namespace mail {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

class MailerTest : public ::testing::Test {
 protected:
  std::string Script(const std::string& name, const std::string& body) {
    const fs::path p = dir_.path() / name;
    testing_support::WriteAll(p, "#!/bin/sh\n" + body);
    ::chmod(p.c_str(), 0755);
    return p.string();
  }
  std::string Read(const std::string& name) { return testing_support::ReadAll(dir_.path() / name); }

  testing_support::TempDir dir_;
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
}

TEST_F(MailerTest, FailuresAreToldApart) {
  MailerRun run = RunMailer({Script("fail", "cat >/dev/null; echo 'no route' >&2; exit 3\n")}, "x",
                            milliseconds(10000));
  EXPECT_EQ(run.exit_status, 3);
  EXPECT_EQ(run.output, "no route\n");

  // Exits at once without reading a large message: no SIGPIPE, just its status.
  run = RunMailer({Script("early", "exit 75\n")}, std::string(1 << 20, 'y'), milliseconds(10000));
  EXPECT_EQ(run.exit_status, 75);

  const auto start = std::chrono::steady_clock::now();
  run = RunMailer({Script("hang", "sleep 30\n")}, "x", milliseconds(300));
  EXPECT_TRUE(run.timed_out);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

  run = RunMailer({(dir_.path() / "missing").string()}, "x", milliseconds(1000));
  EXPECT_FALSE(run.started);
  testing_support::WriteAll(dir_.path() / "plain", "not executable");
  run = RunMailer({(dir_.path() / "plain").string()}, "x", milliseconds(1000));
  EXPECT_FALSE(run.started);
  EXPECT_TRUE(FindExecutable("sh").has_value());
}

TEST_F(MailerTest, ClientHandsTheWholeMessageToTheMailer) {
  MailSettings settings;
  settings.SMTPUserName = "Organiser";
  settings.SMTPAccountName = "org@example.org";
  settings.MailerCommand = Script("ok", "cat > \"$(dirname \"$0\")/in\"\n") + " -t -oi";
  roster::ManualClock clock(std::chrono::system_clock::from_time_t(1764950400));
  MailerClient client(settings, clock, nullptr);

  client.SignOn();
  ASSERT_NE(client.SessionID(), 0);
  client.SetMessageSessionID(client.SessionID());
  client.Compose();
  client.SetRecipIndex(0);
  client.SetRecipDisplayName("ann@example.org");
  client.SetMsgSubject("Ann Hello");
  client.SetMsgNoteText("Line one\r\nLine two");
  client.Send(false);
  const std::string wire = Read("in");
  EXPECT_NE(wire.find("To: <ann@example.org>\r\n"), std::string::npos) << wire;
  EXPECT_NE(wire.find("Subject: Ann Hello\r\n"), std::string::npos) << wire;
  EXPECT_NE(wire.find("org@example.org"), std::string::npos) << wire;
  EXPECT_NE(wire.find("\r\n\r\nLine one\r\nLine two"), std::string::npos) << wire;

  // Not an address: the client cannot resolve it.
  client.Compose();
  client.SetRecipIndex(0);
  client.SetRecipDisplayName("Ann Smith");
  EXPECT_THROW(client.Send(false), MailClientError);

  // After logoff nothing can be composed until the next logon.
  client.SignOff();
  EXPECT_THROW(client.Compose(), MailClientError);
}

TEST_F(MailerTest, ClientReportsTheMailersFailures) {
  MailSettings settings;
  roster::ManualClock clock;
  MailerClient client(settings, clock, nullptr);
  client.SetTimeout(milliseconds(300));
  auto message = [&]() -> std::string {
    try {
      client.SignOn();
      client.SetMessageSessionID(client.SessionID());
      client.Compose();
      client.SetRecipIndex(0);
      client.SetRecipDisplayName("a@example.org");
      client.Send(false);
    } catch (const MailClientError& e) {
      return e.what();
    }
    return "no error";
  };

  settings.MailerCommand = (dir_.path() / "nowhere").string() + " -t";
  EXPECT_EQ(message(), "The mailer [" + (dir_.path() / "nowhere").string() +
                           "] was not found or may not be run; install a sendmail-compatible "
                           "program or change the mailer command");
  const std::string fail = Script("fail", "echo 'bad recipient' >&2\nexit 67\n");
  settings.MailerCommand = fail;
  EXPECT_EQ(message(), "The mailer [" + fail + "] failed with exit status 67: bad recipient");
  const std::string hang = Script("hang", "exec sleep 30\n");
  settings.MailerCommand = hang;
  EXPECT_EQ(message(), "The mailer [" + hang + "] did not finish within 1 second and was stopped");
}

}  // namespace
}  // namespace mail
