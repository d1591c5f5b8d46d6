#pragma once
// Runs the session engine by hand: the test plays the server and carries out the effects.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <memory>

#include "mail/smtp/smtp_engine.h"
#include "mail/smtp_test_roster.h"

namespace engine_testing {

using mail::SmtpEffect;
using mail::SmtpTimer;
using smtp_testing::Person;
using smtp_testing::ThreePeople;
using Kind = SmtpEffect::Kind;
namespace mb = roster::mb;
using namespace std::chrono_literals;

inline constexpr const char* kEhlo = "250-mail.example.org\r\n250-AUTH LOGIN PLAIN\r\n250 HELP\r\n";
inline constexpr const char* kMailFrom = "MAIL FROM:<alice@example.org>\r\n";

// Carries out the engine's effects by recording them, as a transport would.
class EngineTest : public ::testing::Test {
 protected:
  mail::SmtpEngine& E() {
    if (!engine_) engine_ = std::make_unique<mail::SmtpEngine>(w_->Context());
    return *engine_;
  }
  void Reset() {
    w_ = std::make_unique<smtp_testing::SmtpWorld>();
    engine_.reset();
    effects_.clear();
    log.clear();
    timers.clear();
  }
  void Drain() {
    while (auto e = E().NextEffect()) {
      effects_[e->kind].push_back(*e);
      if (e->kind == Kind::kOpenLog && fail_log_open) {
        E().OnLogOpenFailed();
      } else if (e->kind == Kind::kOpenLog) {
        log.clear();
        log_open = true;
      } else if (e->kind == Kind::kLog) {
        EXPECT_TRUE(log_open) << e->text;
        log.push_back(e->text);
      } else if (e->kind == Kind::kCloseLog) {
        log_open = false;
      } else if (e->kind == Kind::kMessageBox && e->needs_answer) {
        int answer = answers.empty() ? mb::kCancel : answers.front();
        if (!answers.empty()) answers.pop_front();
        E().OnAnswer(answer);
      } else if (e->kind == Kind::kArmTimer) {
        timers[e->timer] = e->delay;
      } else if (e->kind == Kind::kCancelTimer) {
        timers.erase(e->timer);
      }
    }
  }
  // A drawing run with the given server, people and confirmed send dialog.
  void Start(const std::string& server, bool auth,
             const std::vector<Person>& people = ThreePeople(), const std::string& body = "B",
             const std::string& subject = "S") {
    w_->Add(people);
    w_->UseServer(server, auth);
    w_->Confirm(subject, body);
    StartDrawing();
  }
  void StartDrawing() {
    E().SmtpSendDrawing(w_->Drawing());
    Drain();
  }
  void Reply(const std::string& bytes) {
    E().OnBytes(bytes);
    Drain();
  }
  void Fire(SmtpTimer t) {
    ASSERT_TRUE(timers.erase(t)) << "timer not armed";
    E().OnTimer(t);
    Drain();
  }
  std::vector<SmtpEffect>& Of(Kind k) { return effects_[k]; }
  std::vector<SmtpEffect>& Boxes() { return Of(Kind::kMessageBox); }
  std::string Wire() {
    std::string wire;
    for (const SmtpEffect& e : Of(Kind::kSend)) wire += e.text;
    return wire;
  }
  std::string Sent(int back = 1) {  // the last send, or the one before...
    auto& s = Of(Kind::kSend);
    return static_cast<int>(s.size()) < back ? "" : s.end()[-back].text;
  }
  std::string LastStatus() {
    return Of(Kind::kStatus).empty() ? "" : Of(Kind::kStatus).back().text;
  }
  bool HadStatus(const std::string& text) {
    auto& s = Of(Kind::kStatus);
    return std::any_of(s.begin(), s.end(), [&](const SmtpEffect& e) { return e.text == text; });
  }
  int Count(Kind k) { return static_cast<int>(Of(k).size()); }
  void ExpectLastBox(const std::string& text, int style, const std::string& title = "") {
    ASSERT_FALSE(Boxes().empty());
    EXPECT_EQ(Boxes().back().text, text);
    EXPECT_EQ(Boxes().back().style, style);
    EXPECT_EQ(title.empty() ? title : Boxes().back().title, title);
  }

  // Connection, greeting, EHLO and (with login) the two challenges.
  void Login(bool auth, const std::string& ehlo = kEhlo) {
    E().OnConnected();
    Drain();
    Reply("220 mail.example.org ESMTP\r\n");
    Reply(ehlo);
    if (!auth) return;
    Reply("235 2.7.0 Authentication successful\r\n");  // PLAIN: one line, no challenge
  }
  // MAIL, RCPT and DATA accepted; with `dot` also the end of data.
  void OneMessage(bool dot = true) {
    Reply("250 OK\r\n");
    Reply("250 OK\r\n");
    Reply("354 End data with <CR><LF>.<CR><LF>\r\n");
    if (dot) Reply("250 OK queued\r\n");
  }

  std::unique_ptr<smtp_testing::SmtpWorld> w_ = std::make_unique<smtp_testing::SmtpWorld>();
  std::unique_ptr<mail::SmtpEngine> engine_;
  std::map<Kind, std::vector<SmtpEffect>> effects_;
  std::vector<std::string> log;
  std::map<SmtpTimer, std::chrono::milliseconds> timers;
  std::deque<int> answers;
  bool log_open = false, fail_log_open = false;
};

}  // namespace engine_testing
