// hollymoor-cli join and leave against a real SMTP server (aiosmtpd): a sent drawing of eight
// changes without a redraw, and exactly the givers concerned hear about it.

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
using Pairs = std::map<std::string, std::string>;

const std::vector<Person> kEight = {
    {"Ann", "ann@example.org", "2", ""}, {"Bob", "bob@example.org", "1", ""},
    {"Cat", "cat@example.org", "4", ""}, {"Dan", "dan@example.org", "", "vinyl"},
    {"Eve", "eve@example.org", "", ""},  {"Fay", "fay@example.org", "", ""},
    {"Gus", "gus@example.org", "7", ""}, {"Hal", "hal@example.org", "", ""},
};

// giver -> receiver as an archived list file holds them (fields 2 and 4).
Pairs ArchivedPairs(const fs::path& list) {
  static const std::regex record(
      "\"([^\"]*)\",\"([^\"]*)\",\"([^\"]*)\",\"([^\"]*)\",\"([^\"]*)\"");
  Pairs pairs;
  const std::string text = ReadAll(list);
  for (std::sregex_iterator it(text.begin(), text.end(), record), end; it != end; ++it)
    pairs[(*it)[2]] = (*it)[4];
  return pairs;
}

std::set<std::string> Differing(const Pairs& before, const Pairs& after) {
  std::set<std::string> out;
  for (const auto& [giver, receiver] : after) {
    auto it = before.find(giver);
    if (it == before.end() || it->second != receiver) out.insert(giver);
  }
  return out;
}

// Who each message went to (the subject's first word) and whom it names as receiver.
Pairs Notified(const std::vector<CapturedMessage>& messages, std::size_t from) {
  static const std::regex subject("(^|\r\n)Subject: ([^ \r\n]+) ");
  static const std::regex trailer("You are a Secret Santa for ([^\r\n]*)");
  Pairs out;
  for (std::size_t i = from; i < messages.size(); ++i) {
    std::smatch s, t;
    const std::string& data = messages[i].data;
    EXPECT_TRUE(std::regex_search(data, s, subject) && std::regex_search(data, t, trailer)) << data;
    if (!s.empty() && !t.empty()) out[s[2]] = t[1];
  }
  return out;
}

class CliAmendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server_ = std::make_unique<SmtpServer>(testing_support::SmtpServerOptions{});
    ASSERT_EQ(server_->error(), "");
    CliResult r =
        box_.Run({"settings", "--set", "UseSMTP=1", "--set", "AllowUnencryptedSMTP=1", "--set",
                  "SMTPServer=127.0.0.1:" + std::to_string(server_->port()), "--set",
                  "SMTPAccountName=alice@example.org", "--set", "SMTPUserName=Alice Organiser",
                  "--set", "ServerRequiresAuthentication=0"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
  }
  fs::path History(const std::string& name) const { return box_.data_dir() / "History" / name; }
  // The one first-version archive in History.
  fs::path FirstArchive() const {
    for (const auto& e : fs::directory_iterator(box_.data_dir() / "History"))
      if (e.path().extension() == ".hmr" &&
          e.path().stem().string().find("-v") == std::string::npos)
        return e.path();
    return {};
  }
  static std::string Stem(const fs::path& p) { return p.stem().string(); }

  CliSandbox box_;
  std::unique_ptr<SmtpServer> server_;
};

TEST_F(CliAmendTest, AJoinerAndADropOutNotifyExactlyTheGiversConcerned) {
  CliResult r = box_.Run({"send", box_.Write("eight.hmr", ListFile(kEight)).string()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  ASSERT_TRUE(server_->WaitForMessages(8));
  const fs::path first = FirstArchive();
  ASSERT_FALSE(first.empty());
  const Pairs v1 = ArchivedPairs(first);
  ASSERT_EQ(v1.size(), 8u);

  // Ivy joins: two messages, one to the giver who now has Ivy, one to Ivy.
  r = box_.Run({"join", first.string(), "--name", "Ivy", "--email", "ivy@example.org", "--notes",
                "puzzles"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  ASSERT_TRUE(server_->WaitForMessages(10));
  const fs::path v2_path = History(Stem(first) + "-v2.hmr");
  ASSERT_TRUE(fs::exists(v2_path)) << r.err;
  EXPECT_TRUE(fs::exists(History(Stem(first) + "-v2.htm")));
  const Pairs v2 = ArchivedPairs(v2_path);
  ExpectValidDrawing(v2, 9);
  const std::set<std::string> changed = Differing(v1, v2);
  ASSERT_EQ(changed.size(), 2u);  // the giver and the newcomer
  ASSERT_TRUE(changed.count("Ivy"));
  const std::string giver = *std::find_if(changed.begin(), changed.end(),
                                          [](const std::string& n) { return n != "Ivy"; });
  EXPECT_EQ(v2.at(giver), "Ivy");
  EXPECT_EQ(v2.at("Ivy"), v1.at(giver));
  EXPECT_EQ(r.out, "notified: " + giver + ", Ivy\n");
  EXPECT_FALSE(Has(r.out + r.err, "Secret Santa for"));  // the organiser sees no pair

  auto messages = server_->Messages();
  ASSERT_EQ(messages.size(), 10u);
  EXPECT_EQ(Notified(messages, 8), (Pairs{{giver, "Ivy"}, {"Ivy", v2.at("Ivy")}}));
  for (std::size_t i = 8; i < 10; ++i) {
    const bool to_giver = messages[i].rcpt_to[0] != "ivy@example.org";
    EXPECT_EQ(Has(messages[i].data,
                  "This message replaces the Secret Santa message you received "
                  "earlier."),
              to_giver)
        << messages[i].data;
  }

  // One run, one ledger: both people the join notified are recorded as reached.
  std::string error;
  const auto ledger = files::ReadLedger(files::LedgerPathFor(v2_path), error);
  ASSERT_TRUE(ledger) << error;
  std::set<std::string> reached;
  for (const files::LedgerEntry& e : ledger->entries)
    if (e.outcome.state == mail::DeliveryState::kAccepted) reached.insert(e.name);
  EXPECT_EQ(reached, (std::set<std::string>{giver, "Ivy"}));

  // Dan leaves; naming the first archive still changes the newest version.
  r = box_.Run({"leave", first.string(), "--name", "Dan"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const fs::path v3_path = History(Stem(first) + "-v3.hmr");
  ASSERT_TRUE(fs::exists(v3_path)) << r.err;
  const Pairs v3 = ArchivedPairs(v3_path);
  ExpectValidDrawing(v3, 8);
  EXPECT_FALSE(v3.count("Dan"));
  const std::set<std::string> movers = Differing(v2, v3);
  ASSERT_FALSE(movers.empty());
  ASSERT_TRUE(server_->WaitForMessages(10 + movers.size()));
  messages = server_->Messages();
  Pairs expected;
  for (const std::string& m : movers) expected[m] = v3.at(m);
  EXPECT_EQ(Notified(messages, 10), expected);
  EXPECT_EQ(messages.size(), 10 + movers.size());
  // Every exclusion still holds; the earlier versions stay as they were.
  EXPECT_NE(v3.at("Ann"), "Bob");
  EXPECT_NE(v3.at("Bob"), "Ann");
  EXPECT_NE(v3.at("Cat"), "Dan");
  EXPECT_EQ(ArchivedPairs(first), v1);
  EXPECT_EQ(ArchivedPairs(v2_path), v2);

  // Re-sending from the first archive goes on from the newest version, where Ivy exists.
  r = box_.Run({"resend", first.string(), "--to", "Ivy"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.err, Stem(first) + "-v3.hmr")) << r.err;
  ASSERT_TRUE(server_->WaitForMessages(11 + movers.size()));
  EXPECT_EQ(Notified(server_->Messages(), 10 + movers.size()), (Pairs{{"Ivy", v3.at("Ivy")}}));
}

TEST_F(CliAmendTest, AnImpossibleChangeSendsNothingAndSaysWhy) {
  // Ann -> Bob -> Cat -> Ann, and Ann may not give to Cat: without Bob nobody can.
  const fs::path archive = box_.Write("three.hmr",
                                      "\"3\",\"Ann\",\"ann@example.org\",\"Bob\",\"\"\r\n"
                                      "\"\",\"Bob\",\"bob@example.org\",\"Cat\",\"\"\r\n"
                                      "\"\",\"Cat\",\"cat@example.org\",\"Ann\",\"\"\r\n");
  CliResult r = box_.Run({"leave", archive.string(), "--name", "Bob"});
  EXPECT_EQ(r.exit_code, 3);
  EXPECT_TRUE(Has(r.err, "once Bob leaves, nobody may give to the person Bob gives to")) << r.err;
  EXPECT_TRUE(Has(r.err, "full redraw")) << r.err;
  r = box_.Run({"leave", archive.string(), "--name", "Zed"});
  EXPECT_EQ(r.exit_code, 2);
  r = box_.Run({"join", archive.string(), "--name", "Ann", "--email", "a2@example.org"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "there is already a participant named Ann")) << r.err;
  r = box_.Run({"join", archive.string(), "--name", "Ivy"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_FALSE(fs::exists(box_.dir() / "three-v2.hmr"));
  EXPECT_TRUE(server_->Messages().empty());
}

}  // namespace
}  // namespace cli_test
