#pragma once
// A scripted mail client: records every message handed to it and every session step, fails
// where the test says.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "mail/mailer/mail_client.h"

namespace testing_support {

class FakeMailClient : public mail::MailClient {
 public:
  using Recip = std::pair<std::string, std::string>;  // display name, address
  struct Sent {
    std::string to, subject, text;
    int type;
    bool resolve_ui;
  };

  // Script. The people the address book returns; nothing = cancelled.
  bool fail_sign_on = false, fail_sign_off = false;
  int fail_send_at = -1;  // the message (counted from 0) the mailer refuses
  std::optional<std::vector<Recip>> book;

  // Record.
  std::vector<Sent> sent;
  std::vector<std::string> log;  // "SignOn(download=0)", "SignOff", "Show", ...
  std::int32_t message_session = -1;

  void SetDownloadMail(bool on) override { download_ = on; }
  void SetNewSession(bool on) override { log.push_back(on ? "NewSession=1" : "NewSession=0"); }
  void SignOn() override {
    log.push_back(std::string("SignOn(download=") + (download_ ? "1)" : "0)"));
    if (fail_sign_on) throw mail::MailClientError("logon refused");
    session_ = ++sessions_;
  }
  std::int32_t SessionID() const override { return session_; }
  void SignOff() override {
    log.push_back("SignOff");
    if (fail_sign_off) throw mail::MailClientError("client busy");
    session_ = 0;
  }
  void SetMessageSessionID(std::int32_t id) override { message_session = id; }
  void Compose() override { recips_.clear(), index_ = 0, subject_.clear(), text_.clear(); }
  void Show() override {
    log.push_back("Show");
    if (!book) throw mail::MailClientError("cancelled");
    recips_ = *book;
  }
  int RecipCount() const override { return static_cast<int>(recips_.size()); }
  void SetRecipIndex(int i) override {
    if (i == RecipCount()) recips_.emplace_back();
    if (i > RecipCount()) throw mail::MailClientError("bad index");
    index_ = i;
  }
  std::string RecipDisplayName() const override { return recips_.at(index_).first; }
  void SetRecipDisplayName(const std::string& n) override { recips_.at(index_).first = n; }
  std::string RecipAddress() const override { return recips_.at(index_).second; }
  void SetRecipType(int t) override { type_ = t; }
  void SetAddressResolveUI(bool on) override { resolve_ui_ = on; }
  void SetMsgSubject(const std::string& s) override { subject_ = s; }
  void SetMsgNoteText(const std::string& t) override { text_ = t; }
  void Send(bool dialog) override {
    if (dialog || session_ == 0) throw mail::MailClientError("not allowed");
    if (static_cast<int>(sent.size()) == fail_send_at)
      throw mail::MailClientError("mailer exit status 75");
    sent.push_back({recips_.at(0).first, subject_, text_, type_, resolve_ui_});
  }

 private:
  bool download_ = false, resolve_ui_ = true;
  std::int32_t session_ = 0, sessions_ = 100;
  std::vector<Recip> recips_;
  int index_ = 0, type_ = 0;
  std::string subject_, text_;
};

}  // namespace testing_support
