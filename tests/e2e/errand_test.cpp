// Calculate & Send through the real window: participants typed in, exclusions set with the
// mouse, the drawing sent through Debian's aiosmtpd (directly or through msmtp), the archive
// checked against what arrived, and re-sends to chosen people.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>
#include <regex>
#include <set>

#include "files/ledger.h"
#include "mail/send_values.h"
#include "support/qt_helpers.h"
#include "support/smtp_server.h"
#include "ui/smtp_runner.h"

namespace {

using namespace std::chrono_literals;
using testing_support::CapturedMessage;
using testing_support::SmtpServer;
using Pairs = std::map<std::string, std::string>;
using Names = std::vector<std::string>;

const std::vector<std::array<const char*, 3>> kPeople = {
    {"Alice Archer", "alice@example.org", "Books about birds"},
    {"Ben Archer", "ben@example.org", "Garden tools"},
    {"Chandra Patel", "chandra@example.net", "Tea"},
    {"Dmitri Volkov", "dmitri@example.com", "Board games"},
    {"Elena Garcia", "elena@example.org", "Puzzles"},
    {"Femi Adeyemi", "femi@example.net", "Coffee"},
};

// Giver -> receiver from the notifications delivered after the first `skip`. The subject
// starts with the giver's name on both paths (the desktop-mail path puts only the address
// into To).
Pairs Delivered(const SmtpServer& server, std::size_t skip = 0) {
  static const std::regex re(std::string("\r\nSubject: (.*) ") + mail::kDefaultMailSubject +
                             "\r\n[\\s\\S]*Special Instructions for (.*):\r\n");
  Pairs pairs;
  const std::vector<CapturedMessage> all = server.Messages();
  for (std::size_t i = skip; i < all.size(); ++i) {
    std::smatch m;
    if (!std::regex_search(all[i].data, m, re)) {
      ADD_FAILURE() << "no pair in " << all[i].data;
      continue;
    }
    EXPECT_TRUE(pairs.emplace(m[1], m[2]).second) << m[1] << " twice";
  }
  return pairs;
}

// Everyone gives to somebody else, and nobody is drawn twice.
void ExpectValid(const Pairs& pairs) {
  std::set<std::string> receivers;
  for (const auto& [giver, receiver] : pairs) {
    EXPECT_NE(giver, receiver);
    receivers.insert(receiver);
  }
  EXPECT_EQ(pairs.size(), kPeople.size());
  EXPECT_EQ(receivers.size(), pairs.size());
}

class ErrandTest : public testing_support::WindowTest {
 protected:
  ErrandTest() {
    window_.qt_ui().SetStatusListener([this](const std::string& s) { statuses_.push_back(s); });
    QObject::connect(&ui::SmtpRunnerOf(window_), &ui::SmtpRunner::finished,
                     [this] { ++finished_; });
    mail::SmtpTimeouts t;
    t.command = t.greeting = t.data_start = t.data_end = 5s;
    t.reconnect_first = t.reconnect_second = 10ms;
    ui::SmtpRunnerOf(window_).SetTimeouts(t);
    testing_support::AddByHand(window_, kPeople);
  }

  // Starts a server and sends to it directly or, with `mailer`, through msmtp.
  SmtpServer& Serve(testing_support::SmtpServerOptions options = {}, bool mailer = false) {
    servers_.push_back(std::make_unique<SmtpServer>(std::move(options)));
    const std::string port = std::to_string(servers_.back()->port());
    EXPECT_EQ(servers_.back()->error(), "");
    auto& s = window_.MailSettings;
    s.UseSMTP = !mailer;
    s.SMTPServer = "127.0.0.1:" + port;
    s.SMTPUserName = "Santa Organiser";
    s.SMTPAccountName = "organiser@example.org";
    s.AllowUnencryptedSMTP = true;
    s.MailerCommand = "/usr/bin/msmtp --host=127.0.0.1 --port=" + port +
                      " --from=organiser@example.org --auth=off --tls=off -t -oi";
    return *servers_.back();
  }

  void Press(int row) { window_.MSFlexGrid_MouseDown(row, roster::kColName); }
  void Trigger(const char* name) {
    ASSERT_TRUE(Action(name)->isEnabled()) << name;
    Action(name)->trigger();
  }

  // Chooses the command, confirms frmSend, and waits for the run to end (the SMTP run goes
  // on in socket events; the desktop-mail path is done on return).
  void Send(const char* command = "mnuCalculateSend") {
    const int before = finished_;
    ui::SetModalHandler([](QDialog& d) {
      EXPECT_EQ(d.objectName(), "frmSend");
      d.findChild<QPushButton*>("cmdSend")->click();
      return d.result();
    });
    Trigger(command);
    ui::SetModalHandler(nullptr);
    if (window_.MailSettings.UseSMTP) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return finished_ > before; }, 20000));
    }
  }

  std::vector<std::string> History(const char* pattern) {
    QDir dir(QString::fromStdString((dir_.path() / "History").string()));
    std::vector<std::string> out;
    for (const QString& f : dir.entryList({pattern}, QDir::Files))
      out.push_back(dir.filePath(f).toStdString());
    return out;
  }

  // Giver -> receiver as the one archived list file holds them (fields 2 and 4).
  Pairs Archived() {
    const auto lists = History("*.hmr");
    EXPECT_EQ(lists.size(), 1u);
    if (lists.empty()) return {};
    static const std::regex record(
        "\"[^\"]*\",\"([^\"]*)\",\"[^\"]*\",\"([^\"]*)\",\"[^\"]*\"\r\n");
    const std::string text = testing_support::ReadAll(lists[0]);
    Pairs pairs;
    for (std::sregex_iterator i(text.begin(), text.end(), record), e; i != e; ++i)
      pairs[(*i)[1]] = (*i)[2];
    return pairs;
  }

  // On a fresh roster (as on another day, only the archive left), re-sends the archived
  // drawing to the named people; returns what the server received this time.
  Pairs ReSendTo(const SmtpServer& server, const Names& names) {
    const std::size_t before = server.Messages().size();
    const std::string archive = History("*.hmr").at(0);
    Trigger("mnuNew");
    ui::SetModalHandler([&](QDialog& d) {
      auto* fd = qobject_cast<QFileDialog*>(&d);
      EXPECT_NE(fd, nullptr) << d.objectName().toStdString();
      if (!fd) return int(QDialog::Rejected);
      fd->selectFile(QString::fromStdString(archive));
      fd->QDialog::done(QDialog::Accepted);
      return fd->result();
    });
    Trigger("mnuReSendList");
    ui::SetModalHandler(nullptr);
    EXPECT_TRUE(roster().ReSendMode);
    // Whoever the archive's ledger does not record as reached comes marked already.
    marked_on_open_.clear();
    for (int r = 1; r < roster().grid().Rows(); ++r)
      if (roster().IsMarked(r)) marked_on_open_.push_back(Cell(r, roster::kColName));
    for (const std::string& name : names)
      for (int r = 1; r < roster().grid().Rows(); ++r)
        if (Cell(r, roster::kColName) == name && !roster().IsMarked(r)) Press(r);
    Send("CALCSEND");
    EXPECT_TRUE(server.WaitForMessages(before + names.size()));
    EXPECT_FALSE(roster().ReSendMode);  // the run ends with the New command
    EXPECT_EQ(roster().ParticipantCount(), 0);
    return Delivered(server, before);
  }

  std::vector<std::unique_ptr<SmtpServer>> servers_;
  std::vector<std::string> statuses_;
  Names marked_on_open_;
  int finished_ = 0;
};

TEST_F(ErrandTest, SixWithExclusionsAreNotifiedArchivedAndReSentToTwo) {
  SmtpServer& server = Serve();
  // The Archers exclude each other; Chandra may not draw Dmitri or Elena.
  Press(1);
  Press(2);
  Trigger("SETGRP");
  Press(4);
  Press(5);
  Press(3);
  Trigger("mnuSetIndividualExclusion");
  Trigger("mnuClearSelected");
  ASSERT_EQ(Cell(3, roster::kColExclusions), "4,5");

  Send();
  ASSERT_TRUE(server.WaitForMessages(6));
  const Pairs pairs = Delivered(server);
  ExpectValid(pairs);
  EXPECT_NE(pairs.at("Alice Archer"), "Ben Archer");
  EXPECT_NE(pairs.at("Ben Archer"), "Alice Archer");
  EXPECT_NE(pairs.at("Chandra Patel"), "Dmitri Volkov");
  EXPECT_NE(pairs.at("Chandra Patel"), "Elena Garcia");
  EXPECT_EQ(Archived(), pairs);
  EXPECT_EQ(History("*.htm").size(), 1u);

  // The organiser saw no pair: no status text or message box joined a giver to a receiver.
  for (const auto& [giver, receiver] : pairs) {
    for (const std::string& s : statuses_)
      EXPECT_FALSE(s.find(receiver) != std::string::npos && s.find(giver) != std::string::npos)
          << s;
    for (const auto& b : boxes_.boxes) EXPECT_EQ(b.text.find(giver + " -> "), std::string::npos);
  }
  EXPECT_EQ(boxes_.boxes.back().text,
            "6 Mail Messages Sent to\nAlice Archer;Ben Archer;Chandra Patel;Dmitri Volkov;"
            "Elena Garcia;Femi Adeyemi;\n");

  // A re-send, as on another day, reaches exactly the marked people with the same receivers.
  EXPECT_EQ(
      ReSendTo(server, {"Ben Archer", "Elena Garcia"}),
      (Pairs{{"Ben Archer", pairs.at("Ben Archer")}, {"Elena Garcia", pairs.at("Elena Garcia")}}));
  EXPECT_EQ(boxes_.boxes.back().text, "2 Mail Messages Re-Sent to\nBen Archer;Elena Garcia;\n");
}

TEST_F(ErrandTest, TheSameErrandThroughTheSystemMailer) {
  SmtpServer& server = Serve({}, /*mailer=*/true);
  Press(1);
  Press(2);
  Trigger("SETGRP");
  Send();
  ASSERT_TRUE(server.WaitForMessages(6));
  const Pairs pairs = Delivered(server);
  ExpectValid(pairs);
  EXPECT_NE(pairs.at("Alice Archer"), "Ben Archer");
  EXPECT_NE(pairs.at("Ben Archer"), "Alice Archer");
  EXPECT_EQ(Archived(), pairs);
  EXPECT_EQ(boxes_.boxes.back().text.rfind("6 Mail Messages Sent to\n", 0), 0u);

  EXPECT_EQ(ReSendTo(server, {"Chandra Patel"}),
            (Pairs{{"Chandra Patel", pairs.at("Chandra Patel")}}));
}

TEST_F(ErrandTest, AServerFailingAfterTheThirdMessageLosesNobody) {
  SmtpServer& failing =
      Serve({.scripted = true, .script_args = {"--reject", "DOT:4+:421 4.3.0 queue full"}});
  // The run reconnects while messages remain, recomposing each time, until the count of
  // composed messages reaches the roster's rows; then the server's error ends it.
  Send();
  const Pairs delivered = Delivered(failing);
  ASSERT_EQ(delivered.size(), 3u);
  ASSERT_GE(boxes_.boxes.size(), 2u);
  EXPECT_EQ(boxes_.boxes.end()[-2].text,
            "SMTP Error: 421 4.3.0 queue full\r\n"
            "The server is limiting how fast or how much you send: wait an hour or so, then "
            "re-send to the participants who were not notified.");

  // Then the organiser is told exactly who is still waiting, in roster order.
  Names missing;
  std::string told = "These participants were not notified:\n";
  for (const auto& p : kPeople)
    if (!delivered.count(p[0])) {
      missing.push_back(p[0]);
      told += std::string(p[0]) + ";";
    }
  told += "\n";
  EXPECT_EQ(boxes_.boxes.back().text.rfind(told, 0), 0u) << boxes_.boxes.back().text;

  // Re-sending to exactly those people through a working server completes the errand with
  // the archived receivers.
  const Pairs archived = Archived();
  for (const auto& [giver, receiver] : delivered) EXPECT_EQ(archived.at(giver), receiver);
  const Pairs resent = ReSendTo(Serve(), missing);
  EXPECT_EQ(marked_on_open_, missing);
  ASSERT_EQ(resent.size(), 3u);
  for (const std::string& name : missing) EXPECT_EQ(resent.at(name), archived.at(name)) << name;
  EXPECT_EQ(boxes_.boxes.back().text.rfind("3 Mail Messages Re-Sent to\n", 0), 0u);

  // The drawing's own ledger now holds everyone as reached: opened again, nobody is marked.
  std::string error;
  const auto ledger = files::ReadLedger(files::LedgerPathFor(History("*.hmr").at(0)), error);
  ASSERT_TRUE(ledger) << error;
  EXPECT_TRUE(files::NotAccepted(ledger->entries).empty());
}

TEST_F(ErrandTest, CancelInTheSendDialogArchivesAndSendsNothing) {
  SmtpServer& server = Serve();
  ui::SetModalHandler([](QDialog& d) {
    d.findChild<QPushButton*>("cmdCancel")->click();
    return d.result();
  });
  Trigger("CALCSEND");
  QTest::qWait(200);
  EXPECT_TRUE(server.Messages().empty());
  EXPECT_TRUE(History("*").empty());
  EXPECT_EQ(statuses_.back(), "Ready");
  EXPECT_FALSE(Cell(1, roster::kColResult).empty());  // the hidden drawing stays
  EXPECT_TRUE(Action("mnuCalculateSend")->isEnabled());
}

TEST_F(ErrandTest, MarkupInANameIsShownAsTextInTheRealBoxes) {
  // Rendered as markup, this name would make the summary box read /dev/zero until memory ran
  // out.
  testing_support::AddByHand(window_, {{"<img src=/dev/zero>", "img@example.org", "<b>hi</b>"}});
  SmtpServer& server = Serve();
  ui::SetMessageBoxHandler(nullptr);  // the boxes a user would see, closed as they appear
  std::vector<std::pair<QString, Qt::TextFormat>> shown;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown.emplace_back(box->text(), box->textFormat());
      box->done(QMessageBox::Ok);
    }
  });
  closer.start(20);
  Send();
  ASSERT_TRUE(server.WaitForMessages(kPeople.size() + 1));
  closer.stop();
  ASSERT_FALSE(shown.empty());
  EXPECT_TRUE(shown.back().first.contains("Femi Adeyemi;<img src=/dev/zero>;"))
      << shown.back().first.toStdString();
  for (const auto& [text, format] : shown) EXPECT_EQ(format, Qt::PlainText) << text.toStdString();
  EXPECT_EQ(testing_support::Find<QLabel>(window_, "Panel1")->textFormat(), Qt::PlainText);
}

}  // namespace
