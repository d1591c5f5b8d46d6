// hollymoor-cli resend after faults, against the scripted SMTP server: a re-send killed in
// the middle, and the notifications of a change that did not all arrive. Re-sends go on in
// the drawing's own ledger; History never gains a second drawing.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "app/cli_runner.h"
#include "files/ledger.h"
#include "support/smtp_server.h"

namespace cli_test {
namespace {

namespace fs = std::filesystem;
using testing_support::CapturedMessage;
using testing_support::SmtpServer;
using testing_support::SmtpServerOptions;
using Pairs = std::map<std::string, std::string>;

const std::vector<Person> kSix = {
    {"Ann", "ann@example.org", "", ""}, {"Bob", "bob@example.org", "", ""},
    {"Cat", "cat@example.org", "", ""}, {"Dan", "dan@example.org", "", ""},
    {"Eve", "eve@example.org", "", ""}, {"Fay", "fay@example.org", "", ""},
};

// giver -> receiver of each message from `from` on; a giver twice is a failure.
Pairs Notified(const std::vector<CapturedMessage>& messages, std::size_t from = 0) {
  static const std::regex subject("(^|\r\n)Subject: ([^ \r\n]+) ");
  static const std::regex trailer("You are a Secret Santa for ([^\r\n]*)");
  Pairs out;
  for (std::size_t i = from; i < messages.size(); ++i) {
    std::smatch s, t;
    const std::string& data = messages[i].data;
    if (!std::regex_search(data, s, subject) || !std::regex_search(data, t, trailer)) {
      ADD_FAILURE() << data;
      continue;
    }
    EXPECT_TRUE(out.emplace(s[2], t[1]).second) << s[2] << " twice";
  }
  return out;
}

std::set<std::string> Givers(const Pairs& pairs) {
  std::set<std::string> out;
  for (const auto& [giver, receiver] : pairs) out.insert(giver);
  return out;
}

class CliResendTest : public ::testing::Test {
 protected:
  void Serve(SmtpServerOptions options) {
    server_ = std::make_unique<SmtpServer>(std::move(options));
    ASSERT_EQ(server_->error(), "");
    CliResult r = box_.Run({"settings", "--set", "UseSMTP=1", "--set", "AllowUnencryptedSMTP=1",
                            "--set", "SMTPServer=127.0.0.1:" + std::to_string(server_->port()),
                            "--set", "SMTPAccountName=alice@example.org", "--set",
                            "SMTPUserName=Alice", "--set", "ServerRequiresAuthentication=0"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
  }
  std::vector<fs::path> History(const std::string& ext) const {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(box_.data_dir() / "History"))
      if (e.path().extension() == ext) out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
  }
  std::map<std::string, mail::DeliveryState> Ledger(const fs::path& archive) {
    std::string error;
    const auto contents = files::ReadLedger(files::LedgerPathFor(archive), error);
    EXPECT_TRUE(contents) << error;
    std::map<std::string, mail::DeliveryState> out;
    if (contents)
      for (const files::LedgerEntry& e : contents->entries) out[e.name] = e.outcome.state;
    return out;
  }

  CliSandbox box_;
  std::unique_ptr<SmtpServer> server_;
};

TEST_F(CliResendTest, AReSendKilledMidwayLeavesItsRecordAndTheNextReachesTheRest) {
  // Every address refused at first: all six wait for a re-send.
  ASSERT_NO_FATAL_FAILURE(
      Serve({.scripted = true, .script_args = {"--reject", "RCPT:1+:550 5.1.1 unknown"}}));
  CliResult r = box_.Run({"send", box_.Write("six.hmr", ListFile(kSix)).string()});
  ASSERT_EQ(r.exit_code, 1) << r.err;
  const fs::path archive = History(".hmr").at(0);

  // Each MAIL is answered 0.3 s late, so the kill falls while a message is on its way.
  ASSERT_NO_FATAL_FAILURE(Serve({.scripted = true, .script_args = {"--slow-mail", "0.3"}}));
  r = box_.RunKilledWhen({"resend", archive.string(), "--pending"},
                         [this] { return server_->Messages().size() >= 2; });
  ASSERT_EQ(r.exit_code, -2) << r.err;
  const Pairs killed = Notified(server_->Messages());
  std::set<std::string> accepted, waiting;
  for (const auto& [name, state] : Ledger(archive))
    (state == mail::DeliveryState::kAccepted ? accepted : waiting).insert(name);
  EXPECT_EQ(accepted.size() + waiting.size(), 6u);
  // Nobody is recorded as reached who was not, and at most the last message is unrecorded.
  for (const std::string& name : accepted) EXPECT_TRUE(killed.count(name)) << name;
  EXPECT_GE(accepted.size(), 1u);
  EXPECT_LE(killed.size() - accepted.size(), 1u);

  ASSERT_NO_FATAL_FAILURE(Serve({.scripted = true}));
  r = box_.Run({"resend", archive.string(), "--pending"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const Pairs rest = Notified(server_->Messages());
  EXPECT_EQ(Givers(rest), waiting);
  Pairs everyone = killed;
  for (const auto& [giver, receiver] : rest) {
    if (killed.count(giver)) {
      EXPECT_EQ(killed.at(giver), receiver) << giver;
    }
    everyone[giver] = receiver;
  }
  ExpectValidDrawing(everyone, 6);
  for (const auto& [name, state] : Ledger(archive))
    EXPECT_EQ(state, mail::DeliveryState::kAccepted) << name;
  // Still one drawing in History, with its one ledger.
  EXPECT_EQ(History(".hmr").size(), 1u);
  EXPECT_EQ(History(".ledger").size(), 1u);
  r = box_.Run({"resend", archive.string(), "--pending"});
  EXPECT_TRUE(Has(r.out, "nothing to re-send")) << r.out;
}

TEST_F(CliResendTest, ChangeNotificationsThatFailedAreReSentFromTheirVersion) {
  ASSERT_NO_FATAL_FAILURE(Serve({.scripted = true}));
  CliResult r = box_.Run({"send", box_.Write("six.hmr", ListFile(kSix)).string()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const fs::path first = History(".hmr").at(0);

  // Ivy joins; the second message of the join (to Ivy, the last row) is refused.
  ASSERT_NO_FATAL_FAILURE(
      Serve({.scripted = true, .script_args = {"--reject", "RCPT:2:550 5.1.1 no such mailbox"}}));
  r = box_.Run({"join", first.string(), "--name", "Ivy", "--email", "ivy@example.org"});
  ASSERT_EQ(r.exit_code, 1) << r.err;
  EXPECT_TRUE(Has(r.err, "not notified: Ivy")) << r.err;
  const Pairs join = Notified(server_->Messages());
  ASSERT_EQ(join.size(), 1u);
  const std::string giver = join.begin()->first;
  const fs::path v2 = first.parent_path() / (first.stem().string() + "-v2.hmr");
  EXPECT_EQ(Ledger(v2),
            (std::map<std::string, mail::DeliveryState>{{giver, mail::DeliveryState::kAccepted},
                                                        {"Ivy", mail::DeliveryState::kRefused}}));

  // --pending from the first archive goes on from the new version and reaches Ivy alone.
  ASSERT_NO_FATAL_FAILURE(Serve({.scripted = true}));
  r = box_.Run({"resend", first.string(), "--pending"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(Givers(Notified(server_->Messages())), std::set<std::string>{"Ivy"});
  EXPECT_EQ(Ledger(v2).at("Ivy"), mail::DeliveryState::kAccepted);
  r = box_.Run({"resend", first.string(), "--pending"});
  EXPECT_TRUE(Has(r.out, "nothing to re-send")) << r.out;
  EXPECT_EQ(History(".hmr").size(), 2u);  // the drawing and its one change

  // Ivy leaves again; the changed givers' messages all fail, and the version written for the
  // change says so although the earlier ledgers record those givers as reached.
  ASSERT_NO_FATAL_FAILURE(
      Serve({.scripted = true, .script_args = {"--reject", "RCPT:1+:451 4.3.0 try later"}}));
  r = box_.Run({"leave", first.string(), "--name", "Ivy"});
  ASSERT_EQ(r.exit_code, 1) << r.err;
  const fs::path v3 = first.parent_path() / (first.stem().string() + "-v3.hmr");
  std::set<std::string> changed;
  for (const auto& [name, state] : Ledger(v3)) {
    EXPECT_NE(state, mail::DeliveryState::kAccepted) << name;
    changed.insert(name);
  }
  ASSERT_FALSE(changed.empty());
  ASSERT_NO_FATAL_FAILURE(Serve({.scripted = true}));
  r = box_.Run({"resend", first.string(), "--pending"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const auto resent = server_->Messages();
  EXPECT_EQ(Givers(Notified(resent)), changed);
  // Their new message still says it replaces the one they had.
  for (const CapturedMessage& m : resent)
    EXPECT_TRUE(Has(m.data, "This message replaces the Secret Santa message you received"))
        << m.data;
}

}  // namespace
}  // namespace cli_test
