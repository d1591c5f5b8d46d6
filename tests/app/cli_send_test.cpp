// hollymoor-cli send, resend and message against a real SMTP server (aiosmtpd) and the
// scripted fault server, and through the system mailer (msmtp).

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "app/cli_runner.h"
#include "support/smtp_server.h"

namespace cli_test {
namespace {

using testing_support::CapturedMessage;
using testing_support::SmtpServer;
using testing_support::SmtpServerOptions;

// The header's value, unfolded; empty when absent.
std::string Header(const std::string& data, const std::string& name) {
  std::smatch m;
  const std::regex re("(^|\r\n)" + name + ": ([^\r\n]*)");
  return std::regex_search(data, m, re) ? m[2].str() : std::string();
}

std::string Body(const std::string& data) {
  const std::size_t end = data.find("\r\n\r\n");
  return end == std::string::npos ? std::string() : data.substr(end + 4);
}

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& dir,
                                           const std::string& ext) {
  std::vector<std::filesystem::path> out;
  if (std::filesystem::exists(dir))
    for (const auto& e : std::filesystem::directory_iterator(dir))
      if (e.path().extension() == ext) out.push_back(e.path());
  std::sort(out.begin(), out.end());
  return out;
}

const std::vector<Person> kSix = {
    {"Ann", "ann@example.org", "2", "tea, please"},  // Ann and Bob: a group exclusion
    {"Bob", "bob@example.org", "1", ""},
    {"Cat", "cat@example.org", "4", "books"},  // Cat must not draw Dan
    {"Dan", "dan@example.org", "", ""},
    {"Eve", "eve@example.org", "", "socks"},
    {"Fay", "fay@example.org", "", ""},
};

class CliSendTest : public ::testing::Test {
 protected:
  // Starts the server and points the settings at it.
  void Serve(SmtpServerOptions options, bool auth) {
    server_ = std::make_unique<SmtpServer>(std::move(options));
    ASSERT_EQ(server_->error(), "");
    CliResult r = box_.Run(
        {"settings", "--set", "UseSMTP=1", "--set",
         "SMTPServer=127.0.0.1:" + std::to_string(server_->port()), "--set",
         "SMTPAccountName=alice@example.org", "--set", "SMTPUserName=Alice Organiser", "--set",
         std::string("ServerRequiresAuthentication=") + (auth ? "1" : "0"), "--password-stdin"},
        "secret\n");
    ASSERT_EQ(r.exit_code, 0) << r.err;
  }
  // giver -> receiver from the delivered notifications; checks each one on the way.
  std::map<std::string, std::string> Pairs(const std::vector<CapturedMessage>& messages,
                                           const std::vector<Person>& people) {
    std::map<std::string, std::string> pairs;
    static const std::regex trailer("You are a Secret Santa for ([^\r\n]*)");
    for (const CapturedMessage& m : messages) {
      const std::string subject = Header(m.data, "Subject"), body = Body(m.data);
      const std::string giver = subject.substr(0, subject.find(' '));
      std::smatch found;
      const std::string receiver =
          std::regex_search(body, found, trailer) ? found[1].str() : std::string();
      const Person* g = nullptr;
      const Person* r = nullptr;
      for (const Person& p : people) {
        if (p.name == giver) g = &p;
        if (p.name == receiver) r = &p;
      }
      if (!g || !r) {
        ADD_FAILURE() << "unknown giver or receiver in " << m.data;
        continue;
      }
      EXPECT_EQ(subject, giver + " Your Secret Santa Information Enclosed");
      EXPECT_EQ(m.rcpt_to, std::vector<std::string>{g->email}) << giver;
      EXPECT_EQ(Header(m.data, "From"), "Alice Organiser<alice@example.org>");
      EXPECT_TRUE(Has(body, "Special Instructions for " + receiver + ":\r\n" + r->notes));
      EXPECT_TRUE(Has(body, "Important Secret Santa Message!!"));
      EXPECT_TRUE(pairs.emplace(giver, receiver).second) << giver << " twice";
    }
    return pairs;
  }

  CliSandbox box_;
  std::unique_ptr<SmtpServer> server_;
};

TEST_F(CliSendTest, WholeErrandThenReSendToTwo) {
  ASSERT_NO_FATAL_FAILURE(Serve({.auth = true}, /*auth=*/true));
  const auto roster = box_.Write("six.hmr", ListFile(kSix));

  CliResult r = box_.Run({"send", roster.string()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "6 Mail Messages Sent to\nAnn;Bob;Cat;Dan;Eve;Fay;\n");
  EXPECT_TRUE(Has(r.err, "Sending email 6 of 6 to Fay ...")) << r.err;
  EXPECT_FALSE(Has(r.err, "Santa for"));  // the organiser sees no pairs

  const auto messages = server_->Messages();
  ASSERT_EQ(messages.size(), 6u);
  auto pairs = Pairs(messages, kSix);
  ASSERT_EQ(pairs.size(), 6u);
  std::set<std::string> receivers;
  for (const auto& [giver, receiver] : pairs) EXPECT_NE(giver, receiver);
  for (const auto& pair : pairs) receivers.insert(pair.second);
  EXPECT_EQ(receivers.size(), 6u);
  EXPECT_NE(pairs["Ann"], "Bob");
  EXPECT_NE(pairs["Bob"], "Ann");
  EXPECT_NE(pairs["Cat"], "Dan");

  // The archive: the list file (which the re-send below reads back) and the HTML log.
  const auto history = box_.data_dir() / "History";
  const auto lists = FilesIn(history, ".hmr");
  ASSERT_EQ(lists.size(), 1u);
  ASSERT_EQ(FilesIn(history, ".htm").size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(box_.data_dir() / "smtp_session.log"));

  // Re-send two notifications from the archive: the same receivers as before.
  const auto copy = box_.Write("archive.hmr", ReadAll(lists[0]));
  r = box_.Run({"resend", copy.string(), "--to", "Bob", "--to", "Eve"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "2 Mail Messages Re-Sent to\nBob;Eve;\n");
  ASSERT_TRUE(server_->WaitForMessages(8));
  const auto all = server_->Messages();
  ASSERT_EQ(all.size(), 8u);
  auto again = Pairs({all[6], all[7]}, kSix);
  EXPECT_EQ(again,
            (std::map<std::string, std::string>{{"Bob", pairs["Bob"]}, {"Eve", pairs["Eve"]}}));

  r = box_.Run({"resend", copy.string(), "--to", "Zed"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "nobody named 'Zed'"));
  r = box_.Run({"resend", roster.string(), "--to", "Bob"});  // no results in a plain list
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "Error file does not contain Secret Santa history information")) << r.err;
  EXPECT_EQ(server_->Messages().size(), 8u);
}

TEST_F(CliSendTest, TestAddressAndOwnTextsAndAFreeFormMessage) {
  ASSERT_NO_FATAL_FAILURE(Serve({}, /*auth=*/false));
  const std::vector<Person> three(kSix.begin() + 2, kSix.begin() + 5);
  const auto roster = box_.Write("three.hmr", ListFile(three));
  const auto body = box_.Write("body.txt", "Dinner at eight.\n.\nBring a smile\n");

  CliResult r =
      box_.Run({"send", roster.string(), "--subject", "Wichtel news", "--trailer", "Your person is",
                "--body-file", body.string(), "--test-address", "organiser@example.org"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  auto messages = server_->Messages();
  ASSERT_EQ(messages.size(), 3u);
  std::set<std::string> givers;
  for (const CapturedMessage& m : messages) {
    EXPECT_EQ(m.rcpt_to, std::vector<std::string>{"organiser@example.org"});
    const std::string subject = Header(m.data, "Subject");
    EXPECT_EQ(subject.substr(subject.find(' ')), " Wichtel news");
    givers.insert(subject.substr(0, subject.find(' ')));
    EXPECT_EQ(Body(m.data).rfind("Dinner at eight.\r\n.\r\nBring a smile\r\n", 0), 0u) << m.data;
    EXPECT_TRUE(Has(Body(m.data), "Your person is "));
  }
  EXPECT_EQ(givers, (std::set<std::string>{"Cat", "Dan", "Eve"}));

  r = box_.Run({"message", roster.string(), "--subject", "Party", "--body-file", "-"},
               "Saturday, 3 pm\n");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "3 Mail Messages Sent to\nCat;Dan;Eve;\n");
  ASSERT_TRUE(server_->WaitForMessages(6));
  messages = server_->Messages();
  for (std::size_t i = 3; i < 6; ++i) {
    EXPECT_EQ(messages[i].rcpt_to, std::vector<std::string>{three[i - 3].email});
    EXPECT_EQ(Header(messages[i].data, "Subject"), three[i - 3].name + " Party");
    const std::string text = Body(messages[i].data);
    EXPECT_EQ(text.rfind("Saturday, 3 pm\r\n", 0), 0u) << text;
    EXPECT_TRUE(Has(text, "This message was sent to you using the Hollymoor"));
    EXPECT_FALSE(Has(text, "Secret Santa for"));
  }
  // A free-form run archives nothing; the two notification runs of this test did.
  EXPECT_LE(FilesIn(box_.data_dir() / "History", ".hmr").size(), 1u);

  r = box_.Run({"message", roster.string(), "--subject", "Party"});
  EXPECT_EQ(r.exit_code, 2);
}

TEST_F(CliSendTest, RejectedMessageNamesWhoWasNotNotified) {
  ASSERT_NO_FATAL_FAILURE(
      Serve({.scripted = true, .script_args = {"--reject", "RCPT:1:550 5.1.1 unknown"}}, false));
  // Ann and Bob exclude each other: with Cat alone left, no drawing exists and nothing leaves.
  auto roster =
      box_.Write("three.hmr", ListFile(std::vector<Person>(kSix.begin(), kSix.begin() + 3)));
  CliResult r = box_.Run({"send", roster.string()});
  EXPECT_EQ(r.exit_code, 3);
  EXPECT_TRUE(Has(r.err, "Calculation Aborted: You may have too many Exclusions set."));
  EXPECT_FALSE(std::filesystem::exists(box_.data_dir() / "History"));

  roster = box_.Write("three.hmr", ListFile({{"Ann", "ann@example.org", "", ""},
                                             {"Bob", "bob@example.org", "", ""},
                                             {"Cat", "cat@example.org", "", ""}}));
  r = box_.Run({"send", roster.string()});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.err, "SMTP Error: 550 5.1.1 unknown")) << r.err;
  EXPECT_TRUE(Has(r.err, "0 of 3 messages accepted; not notified: Ann, Bob, Cat")) << r.err;
  // The drawing was archived before sending, so the hint can name it.
  const auto lists = FilesIn(box_.data_dir() / "History", ".hmr");
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_TRUE(Has(r.err, "resend " + lists[0].string() + " --to Ann --to Bob --to Cat")) << r.err;
}

TEST_F(CliSendTest, UnusableSettingsStopBeforeTheDrawing) {
  const auto roster = box_.Write("six.hmr", ListFile(kSix));
  // No settings at all: the system mailer path, with a mailer that is not there.
  CliResult r = box_.Run({"settings", "--set", "MailerCommand=/nonexistent/sendmail -t"});
  ASSERT_EQ(r.exit_code, 0);
  r = box_.Run({"send", roster.string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "system mailer [/nonexistent/sendmail] is not installed")) << r.err;
  r = box_.Run({"settings", "--set", "UseSMTP=1"});
  EXPECT_EQ(r.exit_code, 2);  // the dialog's check refuses an empty server, but SMTP is chosen
  r = box_.Run({"send", roster.string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "SMTP settings are incomplete")) << r.err;
  EXPECT_FALSE(std::filesystem::exists(box_.data_dir() / "History"));
}

TEST_F(CliSendTest, SystemMailerPathDeliversThroughMsmtp) {
  if (!std::filesystem::exists("/usr/bin/msmtp")) GTEST_SKIP() << "msmtp is not installed";
  SmtpServer server({});
  ASSERT_EQ(server.error(), "");
  CliResult r = box_.Run(
      {"settings", "--set", "UseSMTP=0", "--set", "SMTPAccountName=alice@example.org", "--set",
       "SMTPUserName=Alice Organiser", "--set",
       "MailerCommand=/usr/bin/msmtp --host=127.0.0.1 --port=" + std::to_string(server.port()) +
           " --from=alice@example.org --auth=off --tls=off -t"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::vector<Person> four(kSix.begin(), kSix.begin() + 4);
  const auto roster = box_.Write("four.hmr", ListFile(four));
  r = box_.Run({"send", roster.string()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("4 Mail Messages Sent to\nAnn;Bob;Cat;Dan;\n", 0), 0u) << r.out;
  ASSERT_TRUE(server.WaitForMessages(4));
  EXPECT_EQ(Pairs(server.Messages(), four).size(), 4u);
}

}  // namespace
}  // namespace cli_test
