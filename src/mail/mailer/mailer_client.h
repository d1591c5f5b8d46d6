#pragma once
// The desktop mail client on this platform: every message is handed, as a complete Internet
// message, to the system mailer named in the settings (a sendmail-compatible command reading
// the message on standard input); the address book is a contacts file the user picks from.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/clock.h"
#include "mail/contacts/address_book.h"
#include "mail/mailer/mail_client.h"
#include "settings/mail_settings.h"

namespace mail {

class MailerClient : public MailClient {
 public:
  // The settings are read at each logon and send, so a changed mailer takes effect at once.
  MailerClient(const MailSettings& settings, const roster::Clock& clock, AddressBook* book);

  // How long one message may take the mailer before it is stopped and the send fails.
  void SetTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }

  void SetDownloadMail(bool on) override { download_mail_ = on; }
  void SetNewSession(bool on) override { new_session_ = on; }
  void SignOn() override;
  std::int32_t SessionID() const override { return session_id_; }
  void SignOff() override;

  void SetMessageSessionID(std::int32_t id) override { message_session_id_ = id; }
  void Compose() override;
  void Show() override;
  int RecipCount() const override { return static_cast<int>(recipients_.size()); }
  void SetRecipIndex(int index) override;
  std::string RecipDisplayName() const override { return Current().display_name; }
  void SetRecipDisplayName(const std::string& name) override { Current().display_name = name; }
  std::string RecipAddress() const override { return Current().address; }
  void SetRecipType(int type) override { Current().type = type; }
  void SetAddressResolveUI(bool on) override { resolve_ui_ = on; }
  void SetMsgSubject(const std::string& subject) override { subject_ = subject; }
  void SetMsgNoteText(const std::string& text) override { text_ = text; }
  void Send(bool dialog) override;

 private:
  struct Recipient {
    std::string display_name;
    std::string address;
    int type = kRecipTypePrimary;
  };
  Recipient& Current();
  const Recipient& Current() const;
  void RequireSession() const;

  const MailSettings& settings_;
  const roster::Clock& clock_;
  AddressBook* book_;
  std::chrono::milliseconds timeout_{std::chrono::seconds(60)};

  bool download_mail_ = false;
  bool new_session_ = false;
  bool resolve_ui_ = false;
  std::int32_t session_id_ = 0;
  std::int32_t last_session_id_ = 0;
  std::int32_t message_session_id_ = 0;
  bool composing_ = false;
  std::vector<Recipient> recipients_;
  int recip_index_ = 0;
  std::string subject_;
  std::string text_;
};

}  // namespace mail
