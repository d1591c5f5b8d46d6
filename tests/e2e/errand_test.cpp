// Calculate & Send through the real window: participants typed in, exclusions set with the
// mouse, the drawing sent through Debian's aiosmtpd, the archive checked against what
// arrived, and a re-send to chosen people.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "mail/send_values.h"
#include "support/qt_helpers.h"
#include "support/smtp_server.h"
#include "ui/main_window.h"
#include "ui/smtp_runner.h"

namespace {

using namespace std::chrono_literals;
using testing_support::SmtpServer;
using testing_support::SmtpServerOptions;

const std::vector<std::array<const char*, 3>> kPeople = {
    {"Alice Archer", "alice@example.org", "Books about birds"},
    {"Ben Archer", "ben@example.org", "Garden tools"},
    {"Chandra Patel", "chandra@example.net", "Tea"},
    {"Dmitri Volkov", "dmitri@example.com", "Board games"},
    {"Elena Garcia", "elena@example.org", "Puzzles"},
    {"Femi Adeyemi", "femi@example.net", "Coffee"},
};

std::string Between(const std::string& text, const std::string& before, const std::string& after) {
  std::size_t b = text.find(before);
  if (b == std::string::npos) return {};
  b += before.size();
  std::size_t e = text.find(after, b);
  return e == std::string::npos ? std::string() : text.substr(b, e - b);
}

// Giver name -> receiver name, read from the delivered notifications.
std::map<std::string, std::string> Pairs(const std::vector<testing_support::CapturedMessage>& ms) {
  std::map<std::string, std::string> pairs;
  for (const auto& m : ms) {
    // The subject starts with the giver's name on both paths (the desktop-mail path puts only
    // the address into To).
    std::string giver =
        Between(m.data, "\r\nSubject: ", std::string(" ") + mail::kDefaultMailSubject + "\r\n");
    std::string receiver =
        Between(m.data, "Notes, Gift Suggestions, or Special Instructions for ", ":\r\n");
    pairs[giver] = receiver;
  }
  return pairs;
}

// Everyone gives to somebody else, and nobody is drawn twice.
void ExpectAValidAssignment(const std::map<std::string, std::string>& pairs) {
  std::set<std::string> receivers;
  for (const auto& [giver, receiver] : pairs) {
    EXPECT_NE(giver, receiver);
    receivers.insert(receiver);
  }
  EXPECT_EQ(receivers.size(), pairs.size());
}

class ErrandTest : public ::testing::Test {
 protected:
  ErrandTest() : window_(ui::AppPaths{dir_.path().toStdString(), {}, {}}) {
    window_.Form_Load();
    window_.qt_ui().SetStatusListener([this](const std::string& s) { statuses_.push_back(s); });
    QObject::connect(&ui::SmtpRunnerOf(window_), &ui::SmtpRunner::finished,
                     [this] { ++finished_; });
  }
  ~ErrandTest() override { ui::SetModalHandler(nullptr); }

  void UseServer(const SmtpServer& server) {
    auto& s = window_.MailSettings;
    s.UseSMTP = true;
    s.SMTPServer = "127.0.0.1:" + std::to_string(server.port());
    s.SMTPUserName = "Santa Organiser";
    s.SMTPAccountName = "organiser@example.org";
    mail::SmtpTimeouts t;
    t.command = t.greeting = t.data_start = t.data_end = 5s;
    t.reconnect_first = t.reconnect_second = 10ms;
    ui::SmtpRunnerOf(window_).SetTimeouts(t);
  }

  // The desktop-mail path: msmtp hands every message to the server.
  void UseMailer(const SmtpServer& server) {
    const QString rc = dir_.path() + "/msmtprc";
    std::ofstream(rc.toStdString()) << "defaults\nauth off\ntls off\naccount default\n"
                                    << "host 127.0.0.1\nport " << server.port()
                                    << "\nfrom organiser@example.org\n";
    QFile::setPermissions(rc, QFileDevice::ReadOwner | QFileDevice::WriteOwner);  // msmtp insists
    auto& s = window_.MailSettings;
    s.UseSMTP = false;
    s.SMTPUserName = "Santa Organiser";
    s.SMTPAccountName = "organiser@example.org";
    s.MailerCommand = "/usr/bin/msmtp -C " + rc.toStdString() + " -t -oi";
  }

  void TypeParticipants() { testing_support::AddByHand(window_, kPeople); }

  void Press(int row, int col) { window_.MSFlexGrid_MouseDown(row, col); }
  void Trigger(const char* name) {
    QAction* a = window_.findChild<QAction*>(name);
    ASSERT_TRUE(a->isEnabled()) << name;
    a->trigger();
  }

  // Chooses Calculate & Send, confirms frmSend, and waits for the run to end.
  void CalculateAndSend(const char* command = "mnuCalculateSend") {
    const int before = finished_;
    ui::SetModalHandler([](QDialog& d) {
      EXPECT_EQ(d.objectName(), "frmSend");
      d.findChild<QPushButton*>("cmdSend")->click();
      return d.result();
    });
    Trigger(command);
    ui::SetModalHandler(nullptr);
    // The SMTP run goes on in socket events; the desktop-mail path is done on return.
    if (window_.MailSettings.UseSMTP) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return finished_ > before; }, 20000));
    }
  }

  std::vector<QString> History(const char* pattern) {
    QDir dir(dir_.path() + "/History");
    std::vector<QString> out;
    for (const QString& f : dir.entryList({pattern}, QDir::Files)) out.push_back(dir.filePath(f));
    return out;
  }

  // Giver -> receiver as the archived list file holds them (fields 2 and 4 of every record).
  std::map<std::string, std::string> ArchivedPairs(const QString& path) {
    std::map<std::string, std::string> pairs;
    std::istringstream list(Read(path));
    for (std::string line; std::getline(list, line);) {
      std::vector<std::string> fields;
      for (std::size_t p = 0; (p = line.find('"', p)) != std::string::npos;) {
        std::size_t e = line.find('"', p + 1);
        fields.push_back(line.substr(p + 1, e - p - 1));
        p = e + 1;
      }
      EXPECT_EQ(fields.size(), 5u) << line;
      if (fields.size() == 5) pairs[fields[1]] = fields[3];
    }
    return pairs;
  }

  std::string Read(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // Re-Send Previous Drawing with the given archive, then marks the named participants.
  void ReSend(const QString& archive, const std::vector<std::string>& names) {
    ui::SetModalHandler([archive](QDialog& d) {
      auto* fd = qobject_cast<QFileDialog*>(&d);
      EXPECT_NE(fd, nullptr) << d.objectName().toStdString();
      if (!fd) return int(QDialog::Rejected);
      fd->selectFile(archive);
      fd->QDialog::done(QDialog::Accepted);
      return fd->result();
    });
    Trigger("mnuReSendList");
    ui::SetModalHandler(nullptr);
    ASSERT_TRUE(window_.roster().ReSendMode);
    const roster::Grid& g = window_.roster().grid();
    for (const std::string& name : names)
      for (int r = 1; r < g.Rows(); ++r)
        if (g.TextMatrix(r, roster::kColName) == name) Press(r, roster::kColName);
  }

  QTemporaryDir dir_;
  testing_support::MessageBoxCatcher boxes_;
  ui::MainWindow window_;
  std::vector<std::string> statuses_;
  int finished_ = 0;
};

TEST_F(ErrandTest, SixParticipantsWithExclusionsAreNotifiedAndArchived) {
  SmtpServer server(SmtpServerOptions{});
  ASSERT_EQ(server.error(), "");
  UseServer(server);
  TypeParticipants();
  // The Archers exclude each other; Chandra may not draw Dmitri or Elena.
  Press(1, roster::kColName);
  Press(2, roster::kColName);
  Trigger("SETGRP");
  Press(4, roster::kColName);
  Press(5, roster::kColName);
  Press(3, roster::kColName);
  Trigger("mnuSetIndividualExclusion");
  Trigger("mnuClearSelected");
  ASSERT_EQ(window_.roster().grid().TextMatrix(1, roster::kColExclusions), "2");
  ASSERT_EQ(window_.roster().grid().TextMatrix(2, roster::kColExclusions), "1");
  ASSERT_EQ(window_.roster().grid().TextMatrix(3, roster::kColExclusions), "4,5");

  CalculateAndSend();
  ASSERT_TRUE(server.WaitForMessages(6));
  const auto messages = server.Messages();
  ASSERT_EQ(messages.size(), 6u);
  const auto pairs = Pairs(messages);
  ASSERT_EQ(pairs.size(), 6u);
  ExpectAValidAssignment(pairs);
  EXPECT_NE(pairs.at("Alice Archer"), "Ben Archer");
  EXPECT_NE(pairs.at("Ben Archer"), "Alice Archer");
  EXPECT_NE(pairs.at("Chandra Patel"), "Dmitri Volkov");
  EXPECT_NE(pairs.at("Chandra Patel"), "Elena Garcia");

  // The archive holds the same pairs: list file field 4, one log row per participant.
  auto lists = History("*.hmr");
  auto logs = History("*.htm");
  ASSERT_EQ(lists.size(), 1u);
  ASSERT_EQ(logs.size(), 1u);
  const auto archived = ArchivedPairs(lists[0]);
  EXPECT_EQ(archived, pairs);

  // The organiser saw no pair: the result column stayed hidden numbers, no status text or
  // message box paired anyone with their receiver.
  const roster::Grid& g = window_.roster().grid();
  for (int r = 1; r <= 6; ++r) {
    int n = 0;
    EXPECT_TRUE(roster::ParseNumber(g.TextMatrix(r, roster::kColResult), n));
    EXPECT_EQ(g.CellAt(r, roster::kColResult).fore, roster::kHiddenColor);
  }
  for (const auto& [giver, receiver] : pairs) {
    for (const std::string& s : statuses_)
      EXPECT_FALSE(s.find(receiver) != std::string::npos && s.find(giver) != std::string::npos)
          << s;
    for (const auto& b : boxes_.boxes)
      EXPECT_EQ(b.text.find(giver + " -> "), std::string::npos);
  }
  EXPECT_EQ(boxes_.boxes.back().text,
            "6 Mail Messages Sent to\nAlice Archer;Ben Archer;Chandra Patel;Dmitri Volkov;"
            "Elena Garcia;Femi Adeyemi;\n");
  EXPECT_FALSE(window_.findChild<QAction*>("mnuCalculateSend")->isEnabled());
}

TEST_F(ErrandTest, ReSendReachesExactlyTheMarkedPeopleWithTheSameReceivers) {
  SmtpServer server(SmtpServerOptions{});
  ASSERT_EQ(server.error(), "");
  UseServer(server);
  TypeParticipants();
  CalculateAndSend();
  ASSERT_TRUE(server.WaitForMessages(6));
  const auto first = Pairs(server.Messages());
  auto lists = History("*.hmr");
  ASSERT_EQ(lists.size(), 1u);

  // A fresh window, as on another day: only the archive is left.
  Trigger("mnuNew");
  ReSend(lists[0], {"Ben Archer", "Elena Garcia"});
  EXPECT_EQ(window_.findChild<QAction*>("CALCSEND")->toolTip(), "Re-Send...");
  CalculateAndSend("CALCSEND");
  ASSERT_TRUE(server.WaitForMessages(8));
  const auto all = server.Messages();
  ASSERT_EQ(all.size(), 8u);
  const auto again = Pairs({all[6], all[7]});
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(again.at("Ben Archer"), first.at("Ben Archer"));
  EXPECT_EQ(again.at("Elena Garcia"), first.at("Elena Garcia"));
  // The run ends with the New command: re-send mode is over, the roster empty.
  EXPECT_FALSE(window_.roster().ReSendMode);
  EXPECT_EQ(window_.roster().ParticipantCount(), 0);
  EXPECT_EQ(window_.findChild<QAction*>("mnuReSendList")->text(), "Re-Send Previous Drawing...");
}

TEST_F(ErrandTest, TheSameErrandThroughTheSystemMailer) {
  SmtpServer server(SmtpServerOptions{});
  ASSERT_EQ(server.error(), "");
  UseMailer(server);
  TypeParticipants();
  Press(1, roster::kColName);
  Press(2, roster::kColName);
  Trigger("SETGRP");
  CalculateAndSend();
  ASSERT_TRUE(server.WaitForMessages(6));
  const auto pairs = Pairs(server.Messages());
  ASSERT_EQ(pairs.size(), 6u);
  ExpectAValidAssignment(pairs);
  EXPECT_NE(pairs.at("Alice Archer"), "Ben Archer");
  EXPECT_NE(pairs.at("Ben Archer"), "Alice Archer");
  EXPECT_EQ(History("*.hmr").size(), 1u);
  EXPECT_EQ(History("*.htm").size(), 1u);
  ASSERT_FALSE(boxes_.boxes.empty());
  EXPECT_EQ(boxes_.boxes.back().text.rfind("6 Mail Messages Sent to\n", 0), 0u)
      << boxes_.boxes.back().text;

  auto lists = History("*.hmr");
  Trigger("mnuNew");
  ReSend(lists[0], {"Chandra Patel"});
  CalculateAndSend("CALCSEND");
  ASSERT_TRUE(server.WaitForMessages(7));
  const auto all = server.Messages();
  ASSERT_EQ(all.size(), 7u);
  EXPECT_EQ(Pairs({all[6]}).at("Chandra Patel"), pairs.at("Chandra Patel"));
  EXPECT_FALSE(window_.roster().ReSendMode);
}

TEST_F(ErrandTest, AServerFailingAfterTheThirdMessageLosesNobody) {
  SmtpServer failing(SmtpServerOptions{true, false, false, false,
                                       {"--reject", "DOT:4+:451 4.3.0 queue full"}});
  ASSERT_EQ(failing.error(), "");
  UseServer(failing);
  TypeParticipants();
  // The run reconnects while messages remain, recomposing each time, until the count of
  // composed messages reaches the roster's rows; then the server's error ends it.
  CalculateAndSend();
  ASSERT_EQ(failing.Messages().size(), 3u);
  const auto delivered = Pairs(failing.Messages());
  ASSERT_GE(boxes_.boxes.size(), 2u);
  EXPECT_EQ(boxes_.boxes[boxes_.boxes.size() - 2].text, "SMTP Error: 451 4.3.0 queue full\r\n");

  // Then the organiser is told exactly who is still waiting.
  const std::string told = boxes_.boxes.back().text;
  const std::string prefix = "These participants were not notified:\n";
  ASSERT_EQ(told.rfind(prefix, 0), 0u) << told;
  std::vector<std::string> missing;
  std::string names = told.substr(prefix.size(), told.find('\n', prefix.size()) - prefix.size());
  for (std::size_t p = 0, e; (e = names.find(';', p)) != std::string::npos; p = e + 1)
    missing.push_back(names.substr(p, e - p));
  ASSERT_EQ(missing.size(), 3u) << told;
  for (const std::string& name : missing) EXPECT_EQ(delivered.count(name), 0u) << name;

  // Re-sending to exactly those people through a working server completes the errand with
  // the archived receivers.
  SmtpServer working(SmtpServerOptions{});
  ASSERT_EQ(working.error(), "");
  UseServer(working);
  auto lists = History("*.hmr");
  ASSERT_EQ(lists.size(), 1u);
  const auto archived = ArchivedPairs(lists[0]);
  for (const auto& [giver, receiver] : delivered) EXPECT_EQ(archived.at(giver), receiver);
  Trigger("mnuNew");
  ReSend(lists[0], missing);
  CalculateAndSend("CALCSEND");
  ASSERT_TRUE(working.WaitForMessages(3));
  const auto resent = Pairs(working.Messages());
  ASSERT_EQ(resent.size(), 3u);
  for (const std::string& name : missing) EXPECT_EQ(resent.at(name), archived.at(name)) << name;
  EXPECT_EQ(boxes_.boxes.back().text.rfind("3 Mail Messages Re-Sent to\n", 0), 0u);
}

TEST_F(ErrandTest, CancelInTheSendDialogArchivesAndSendsNothing) {
  SmtpServer server(SmtpServerOptions{});
  ASSERT_EQ(server.error(), "");
  UseServer(server);
  TypeParticipants();
  ui::SetModalHandler([](QDialog& d) {
    d.findChild<QPushButton*>("cmdCancel")->click();
    return d.result();
  });
  Trigger("CALCSEND");
  QTest::qWait(200);
  EXPECT_TRUE(server.Messages().empty());
  EXPECT_TRUE(History("*").empty());
  EXPECT_EQ(statuses_.back(), "Ready");
  EXPECT_TRUE(window_.findChild<QAction*>("mnuCalculateSend")->isEnabled());
}

}  // namespace
