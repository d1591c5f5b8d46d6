// hollymoor-cli send, resend and message against a real SMTP server (aiosmtpd) and the
// scripted fault server, and through the system mailer (msmtp).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>
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

// The header's value; empty when absent.
std::string Header(const std::string& data, const std::string& name) {
  std::smatch m;
  const std::regex re("(^|\r\n)" + name + ": ([^\r\n]*)");
  return std::regex_search(data, m, re) ? m[2].str() : std::string();
}

std::string Body(const std::string& data) {
  const std::size_t end = data.find("\r\n\r\n");
  return end == std::string::npos ? std::string() : data.substr(end + 4);
}

const std::vector<Person> kSix = {
    {"Ann", "ann@example.org", "2", "tea, please"},  // Ann and Bob: a group exclusion
    {"Bob", "bob@example.org", "1", ""},
    {"Cat", "cat@example.org", "4", "books"},  // Cat must not draw Dan
    {"Dan", "dan@example.org", "", ""},
    {"Eve", "eve@example.org", "", "socks"},
    {"Fay", "fay@example.org", "", ""},
};

const Person* Named(const std::string& name) {
  for (const Person& p : kSix)
    if (p.name == name) return &p;
  ADD_FAILURE() << "nobody named '" << name << "'";
  return nullptr;
}

class CliSendTest : public ::testing::Test {
 protected:
  // `settings --set A --set B ...`, with the password on standard input when one is given.
  CliResult Settings(const std::vector<std::string>& assignments,
                     const std::string& password = {}) {
    std::vector<std::string> args = {"settings"};
    for (const std::string& a : assignments) args.insert(args.end(), {"--set", a});
    if (!password.empty()) args.push_back("--password-stdin");
    return box_.Run(args, password);
  }
  // Starts the server and points the settings at it.
  void Serve(SmtpServerOptions options, bool auth) {
    server_ = std::make_unique<SmtpServer>(std::move(options));
    ASSERT_EQ(server_->error(), "");
    CliResult r = Settings({"UseSMTP=1", "SMTPServer=127.0.0.1:" + std::to_string(server_->port()),
                            "SMTPAccountName=alice@example.org", "SMTPUserName=Alice Organiser",
                            std::string("ServerRequiresAuthentication=") + (auth ? "1" : "0"),
                            "AllowUnencryptedSMTP=1"},
                           "secret\n");
    ASSERT_EQ(r.exit_code, 0) << r.err;
  }
  std::vector<fs::path> History(const std::string& ext) {
    std::vector<fs::path> out;
    if (fs::exists(box_.data_dir() / "History"))
      for (const auto& e : fs::directory_iterator(box_.data_dir() / "History"))
        if (e.path().extension() == ext) out.push_back(e.path());
    return out;
  }
  // giver -> receiver from the delivered notifications; checks each one on the way.
  std::map<std::string, std::string> Pairs(const std::vector<CapturedMessage>& messages) {
    static const std::regex trailer("You are a Secret Santa for ([^\r\n]*)");
    std::map<std::string, std::string> pairs;
    for (const CapturedMessage& m : messages) {
      const std::string subject = Header(m.data, "Subject"), body = Body(m.data);
      std::smatch found;
      if (!std::regex_search(body, found, trailer)) {
        ADD_FAILURE() << "no receiver in " << m.data;
        continue;
      }
      const Person* g = Named(subject.substr(0, subject.find(' ')));
      const Person* r = Named(found[1]);
      if (!g || !r) continue;
      EXPECT_EQ(subject, g->name + " Your Secret Santa Information Enclosed");
      EXPECT_EQ(m.rcpt_to, std::vector<std::string>{g->email}) << g->name;
      EXPECT_EQ(Header(m.data, "From"), "Alice Organiser<alice@example.org>");
      EXPECT_TRUE(Has(body, "Special Instructions for " + r->name + ":\r\n" + r->notes));
      EXPECT_TRUE(Has(body, "Important Secret Santa Message!!"));
      EXPECT_TRUE(pairs.emplace(g->name, r->name).second) << g->name << " twice";
    }
    return pairs;
  }

  // A send killed (SIGKILL) once two messages are on the server leaves a ledger that holds
  // nobody as reached who was not; resend --pending then reaches exactly the others.
  void KillThenResendPending() {
    const auto roster = box_.Write("six.hmr", ListFile(kSix));
    CliResult r = box_.RunKilledWhen({"send", roster.string()},
                                     [this] { return server_->Messages().size() >= 2; });
    ASSERT_EQ(r.exit_code, -2) << r.err;
    const auto lists = History(".hmr");
    ASSERT_EQ(lists.size(), 1u);

    std::string error;
    const auto ledger = files::ReadLedger(files::LedgerPathFor(lists[0]), error);
    ASSERT_TRUE(ledger) << error;
    EXPECT_FALSE(ledger->finished);
    ASSERT_EQ(ledger->entries.size(), 6u);
    const auto before = Pairs(server_->Messages());
    std::set<std::string> accepted, pending;
    for (const files::LedgerEntry& e : ledger->entries) {
      (e.outcome.state == mail::DeliveryState::kAccepted ? accepted : pending).insert(e.name);
      EXPECT_NE(e.outcome.state, mail::DeliveryState::kInFlight) << e.name;
    }
    // Nobody recorded as reached was not: every accepted message is on the server.
    for (const std::string& name : accepted) EXPECT_TRUE(before.count(name)) << name;
    EXPECT_GE(accepted.size(), 1u);
    EXPECT_GE(pending.size(), 1u);

    const std::size_t first_run = server_->Messages().size();
    r = box_.Run({"resend", lists[0].string(), "--pending"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    ASSERT_TRUE(server_->WaitForMessages(first_run + pending.size()));
    const auto all = server_->Messages();
    ASSERT_EQ(all.size(), first_run + pending.size());
    const auto again = Pairs({all.begin() + static_cast<long>(first_run), all.end()});
    std::set<std::string> resent;
    for (const auto& [giver, receiver] : again) {
      resent.insert(giver);
      if (before.count(giver)) {
        EXPECT_EQ(before.at(giver), receiver) << giver;
      }
    }
    EXPECT_EQ(resent, pending);
    // Between the two runs everyone was reached, each with the receiver of the one drawing.
    auto everyone = before;
    everyone.insert(again.begin(), again.end());
    ExpectValidDrawing(everyone, 6);
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

  auto pairs = Pairs(server_->Messages());
  ExpectValidDrawing(pairs, 6);
  EXPECT_NE(pairs["Ann"], "Bob");
  EXPECT_NE(pairs["Bob"], "Ann");
  EXPECT_NE(pairs["Cat"], "Dan");

  // The archive: the list file (which the re-send below reads back) and the HTML log.
  const auto lists = History(".hmr");
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(History(".htm").size(), 1u);
  EXPECT_TRUE(fs::exists(box_.data_dir() / "smtp_session.log"));

  // Re-send two notifications from the archive: the same receivers as before.
  const auto copy = box_.Write("archive.hmr", ReadAll(lists[0]));
  r = box_.Run({"resend", copy.string(), "--to", "Bob", "--to", "Eve"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "2 Mail Messages Re-Sent to\nBob;Eve;\n");
  ASSERT_TRUE(server_->WaitForMessages(8));
  const auto all = server_->Messages();
  ASSERT_EQ(all.size(), 8u);
  EXPECT_EQ(Pairs({all[6], all[7]}),
            (std::map<std::string, std::string>{{"Bob", pairs["Bob"]}, {"Eve", pairs["Eve"]}}));

  // --pending reaches whoever the archive's ledger does not record as accepted.
  r = box_.Run({"resend", copy.string(), "--pending"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "no delivery ledger beside [" + copy.string() + "]")) << r.err;
  const fs::path ledger = box_.Write("archive.ledger",
                                     "hollymoor-ledger 1\nP\t0\t1\tAnn\nP\t1\t3\tCat\n"
                                     "P\t2\t4\tDan\nS\t0\taccepted\t\nS\t1\tin flight\t\n"
                                     "S\t2\trefused\t550 5.1.1 unknown\n");
  r = box_.Run({"resend", copy.string(), "--pending"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "2 Mail Messages Re-Sent to\nCat;Dan;\n");
  ASSERT_TRUE(server_->WaitForMessages(10));
  EXPECT_EQ(Pairs({server_->Messages()[8], server_->Messages()[9]}),
            (std::map<std::string, std::string>{{"Cat", pairs["Cat"]}, {"Dan", pairs["Dan"]}}));
  testing_support::WriteAll(ledger, "hollymoor-ledger 1\nP\t0\t1\tAnn\nS\t0\taccepted\t\n");
  r = box_.Run({"resend", copy.string(), "--pending"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, "Everyone in [" + copy.string() + "] was notified; nothing to re-send.\n");
  EXPECT_EQ(box_.Run({"resend", copy.string(), "--pending", "--to", "Bob"}).exit_code, 2);

  r = box_.Run({"resend", copy.string(), "--to", "Zed"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "nobody named 'Zed'"));
  r = box_.Run({"resend", roster.string(), "--to", "Bob"});  // no results in a plain list
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "Error file does not contain Secret Santa history information")) << r.err;
  EXPECT_EQ(server_->Messages().size(), 10u);
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
  std::set<std::string> subjects;
  for (const CapturedMessage& m : messages) {
    EXPECT_EQ(m.rcpt_to, std::vector<std::string>{"organiser@example.org"});
    subjects.insert(Header(m.data, "Subject"));
    EXPECT_EQ(Body(m.data).rfind("Dinner at eight.\r\n.\r\nBring a smile\r\n", 0), 0u) << m.data;
    EXPECT_TRUE(Has(Body(m.data), "Your person is "));
  }
  EXPECT_EQ(subjects,
            (std::set<std::string>{"Cat Wichtel news", "Dan Wichtel news", "Eve Wichtel news"}));

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
  // A free-form run archives nothing; the notification run of this test did.
  EXPECT_EQ(History(".hmr").size(), 1u);

  r = box_.Run({"message", roster.string(), "--subject", "Party"});
  EXPECT_EQ(r.exit_code, 2);
}

TEST_F(CliSendTest, MessagesGoOutInTheChosenLanguage) {
  ASSERT_NO_FATAL_FAILURE(Serve({}, /*auth=*/false));
  const std::vector<Person> three(kSix.begin() + 2, kSix.begin() + 5);
  const auto roster = box_.Write("three.hmr", ListFile(three));

  // Chosen on the command line while the program speaks English.
  CliResult r = box_.Run({"send", roster.string(), "--language", "de", "--date", "24.12."});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  auto messages = server_->Messages();
  ASSERT_EQ(messages.size(), 3u);
  for (const CapturedMessage& m : messages) {
    const std::string text = Body(m.data);
    EXPECT_TRUE(Header(m.data, "Subject").ends_with(" Deine Wichtel-Informationen")) << m.data;
    EXPECT_EQ(text.rfind("Wichtige Wichtel-Nachricht!!\r\n", 0), 0u) << text;
    EXPECT_TRUE(Has(text, "Datum der Bescherung: 24.12.\r\n")) << text;
    EXPECT_TRUE(Has(text, "Diese Nachricht wurde Ihnen mit Hollymoor gesendet")) << text;
    EXPECT_FALSE(Has(text, "Secret Santa")) << text;
  }

  // Without --language the messages take the program's language, from the locale.
  box_.locale = "fr_FR.UTF-8";
  r = box_.Run({"message", roster.string(), "--subject", "Party", "--body-file", "-"}, "Samedi\n");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  ASSERT_TRUE(server_->WaitForMessages(6));
  EXPECT_TRUE(Has(Body(server_->Messages()[3].data), "Ce message vous a =C3=A9t=C3=A9 envoy=C3=A9"))
      << server_->Messages()[3].data;

  box_.locale = "C.UTF-8";
  r = box_.Run({"send", roster.string(), "--language", "xx"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "unknown language 'xx' (known: en, de, es, fr, nl, pl)")) << r.err;
  EXPECT_EQ(server_->Messages().size(), 6u);
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
  EXPECT_TRUE(History(".hmr").empty());

  // Names that break naive quoting, or run a command when the hint is pasted.
  const std::string hostile = "x'; touch PWNED; echo '";
  roster = box_.Write("three.hmr", ListFile({{"O'Neil", "ann@example.org", "", ""},
                                             {hostile, "bob@example.org", "", ""},
                                             {"Cat Doe", "cat@example.org", "", ""}}));
  const mode_t old_umask = ::umask(022);
  r = box_.Run({"send", roster.string()});
  ::umask(old_umask);
  EXPECT_EQ(r.exit_code, 1);
  // The refused address costs O'Neil's message only; the others are reached.
  EXPECT_TRUE(
      Has(r.err, "2 of 3 messages accepted; not notified: O'Neil (refused: 550 5.1.1 unknown"))
      << r.err;
  // The drawing was archived before sending, so the hint can name it and its ledger; pasted
  // into a shell, it runs nothing else.
  const auto lists = History(".hmr");
  ASSERT_EQ(lists.size(), 1u);
  const std::string lead = "to notify them: hollymoor-cli resend ";
  const std::size_t at = r.err.find(lead);
  ASSERT_NE(at, std::string::npos) << r.err;
  const std::string words = r.err.substr(at + lead.size(), r.err.find('\n', at) - at - lead.size());
  QProcess shell;
  shell.setWorkingDirectory(QString::fromStdString(box_.dir().string()));
  shell.start("/bin/sh", {"-c", QString::fromStdString("printf '[%s]' " + words)});
  ASSERT_TRUE(shell.waitForFinished(10000));
  EXPECT_EQ(shell.readAllStandardOutput().toStdString(), "[" + lists[0].string() + "][--pending]");
  EXPECT_FALSE(fs::exists(box_.dir() / "PWNED"));

  // Whatever the umask, the data folder and everything in it are the organiser's alone.
  for (const auto& e : fs::recursive_directory_iterator(box_.data_dir())) {
    const auto perms = fs::symlink_status(e.path()).permissions();
    EXPECT_EQ(perms, e.is_directory() ? fs::perms::owner_all
                                      : (fs::perms::owner_read | fs::perms::owner_write))
        << e.path();
  }
  EXPECT_EQ(fs::status(box_.data_dir()).permissions(), fs::perms::owner_all);
}

// Each message is stored, then answered 0.4 s later, so the kill falls while one is in flight.
const SmtpServerOptions kSlowServer{.scripted = true, .script_args = {"--slow", "0.4"}};

TEST_F(CliSendTest, SmtpRunKilledMidwayIsFinishedByResendPending) {
  ASSERT_NO_FATAL_FAILURE(Serve(kSlowServer, false));
  KillThenResendPending();
}

TEST_F(CliSendTest, MailerRunKilledMidwayIsFinishedByResendPending) {
  // The system mailer carries them, one msmtp per message.
  server_ = std::make_unique<SmtpServer>(kSlowServer);
  ASSERT_EQ(server_->error(), "");
  ASSERT_EQ(
      Settings({"UseSMTP=0", "SMTPAccountName=alice@example.org", "SMTPUserName=Alice Organiser",
                "MailerCommand=/usr/bin/msmtp --host=127.0.0.1 --port=" +
                    std::to_string(server_->port()) +
                    " --from=alice@example.org --auth=off --tls=off -t"})
          .exit_code,
      0);
  KillThenResendPending();
}

// Each re-send is told to the drawing's own ledger, so --pending narrows run by run to those
// still waiting, and ends once everyone was reached.
TEST_F(CliSendTest, ResendPendingReachesOnlyThoseStillWaitingAfterEachReSend) {
  ASSERT_NO_FATAL_FAILURE(Serve({.scripted = true,
                                 .script_args = {"--reject", "RCPT:2:550 5.1.1 unknown", "--reject",
                                                 "RCPT:5:550 5.1.1 unknown"}},
                                false));
  CliResult r = box_.Run({"send", box_.Write("six.hmr", ListFile(kSix)).string()});
  EXPECT_EQ(r.exit_code, 1) << r.err;
  const auto lists = History(".hmr");
  ASSERT_EQ(lists.size(), 1u);
  const fs::path archive = lists[0];
  const auto first = Pairs(server_->Messages());
  ASSERT_EQ(first.size(), 4u);
  std::set<std::string> waiting;
  for (const Person& p : kSix)
    if (!first.count(p.name)) waiting.insert(p.name);
  ASSERT_EQ(waiting.size(), 2u);

  // The first re-send reaches one of the two; the other's address is refused again.
  ASSERT_NO_FATAL_FAILURE(Serve(
      {.scripted = true, .script_args = {"--reject", "RCPT:1:550 5.1.1 still unknown"}}, false));
  r = box_.Run({"resend", archive.string(), "--pending"});
  EXPECT_EQ(r.exit_code, 1) << r.err;
  EXPECT_TRUE(Has(r.err, "1 of 2 messages accepted")) << r.err;
  const auto second = Pairs(server_->Messages());
  ASSERT_EQ(second.size(), 1u);
  const std::string reached = second.begin()->first;
  EXPECT_TRUE(waiting.count(reached)) << reached;
  waiting.erase(reached);
  std::string error;
  const auto ledger = files::ReadLedger(files::LedgerPathFor(archive), error);
  ASSERT_TRUE(ledger) << error;
  for (const files::LedgerEntry& e : ledger->entries)
    EXPECT_EQ(e.outcome.state == mail::DeliveryState::kAccepted, !waiting.count(e.name)) << e.name;

  // The next one, through a server that takes everything, reaches exactly the last one.
  ASSERT_NO_FATAL_FAILURE(Serve({}, false));
  r = box_.Run({"resend", archive.string(), "--pending"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  ASSERT_TRUE(server_->WaitForMessages(1));
  const auto third = Pairs(server_->Messages());
  ASSERT_EQ(third.size(), 1u);
  EXPECT_EQ(third.begin()->first, *waiting.begin());
  auto everyone = first;
  everyone.insert(second.begin(), second.end());
  everyone.insert(third.begin(), third.end());
  ExpectValidDrawing(everyone, 6);

  r = box_.Run({"resend", archive.string(), "--pending"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "was notified; nothing to re-send")) << r.out;
  EXPECT_EQ(server_->Messages().size(), 1u);
}

TEST_F(CliSendTest, AFailedArchiveStopsTheErrandBeforeAnythingIsSent) {
  SmtpServer server({});
  ASSERT_EQ(server.error(), "");
  ASSERT_EQ(Settings({"UseSMTP=1", "SMTPServer=127.0.0.1:" + std::to_string(server.port()),
                      "SMTPAccountName=alice@example.org", "SMTPUserName=Alice"})
                .exit_code,
            0);
  fs::create_directories(box_.data_dir());
  testing_support::WriteAll(box_.data_dir() / "History", "a file where the folder should be");
  CliResult r = box_.Run({"send", box_.Write("six.hmr", ListFile(kSix)).string()});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.err, "error: Error while attempting to send messages\n")) << r.err;
  EXPECT_TRUE(Has(r.err, "the drawing could not be archived, so nothing was sent")) << r.err;
  EXPECT_FALSE(Has(r.err, "archived:")) << r.err;
  EXPECT_TRUE(server.Messages().empty());
}

TEST_F(CliSendTest, UnusableSettingsStopBeforeTheDrawing) {
  const auto roster = box_.Write("six.hmr", ListFile(kSix));
  // No settings at all: the system mailer path, with a mailer that is not there.
  ASSERT_EQ(Settings({"MailerCommand=/nonexistent/sendmail -t"}).exit_code, 0);
  CliResult r = box_.Run({"send", roster.string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "system mailer [/nonexistent/sendmail] is not installed")) << r.err;
  // The dialog's check refuses an empty server, but SMTP is chosen.
  EXPECT_EQ(Settings({"UseSMTP=1"}).exit_code, 2);
  r = box_.Run({"send", roster.string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "SMTP settings are incomplete")) << r.err;
  EXPECT_FALSE(fs::exists(box_.data_dir() / "History"));
}

TEST_F(CliSendTest, SystemMailerPathDeliversThroughMsmtp) {
  SmtpServer server({});
  ASSERT_EQ(server.error(), "");
  CliResult r = Settings(
      {"UseSMTP=0", "SMTPAccountName=alice@example.org", "SMTPUserName=Alice Organiser",
       "MailerCommand=/usr/bin/msmtp --host=127.0.0.1 --port=" + std::to_string(server.port()) +
           " --from=alice@example.org --auth=off --tls=off -t"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::vector<Person> four(kSix.begin(), kSix.begin() + 4);
  r = box_.Run({"send", box_.Write("four.hmr", ListFile(four)).string()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("4 Mail Messages Sent to\nAnn;Bob;Cat;Dan;\n", 0), 0u) << r.out;
  ASSERT_TRUE(server.WaitForMessages(4));
  ExpectValidDrawing(Pairs(server.Messages()), 4);
}

}  // namespace
}  // namespace cli_test
