#pragma once
// The desktop mail client as the desktop-mail operations see it: one session, one message
// being composed, its recipients, and Send. The members mirror the classic session and
// messages controls one to one, so a Windows Simple MAPI backend fits behind it unchanged.
// A failing platform call throws MailClientError, the error that reaches the operation.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace mail {

class MailClientError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr int kRecipTypePrimary = 1;

class MailClient {
 public:
  virtual ~MailClient() = default;

  // The session (MapiSess).
  virtual void SetDownloadMail(bool on) = 0;
  virtual void SetNewSession(bool on) = 0;
  virtual void SignOn() = 0;  // throws when the logon fails or is cancelled
  virtual std::int32_t SessionID() const = 0;
  virtual void SignOff() = 0;

  // The message (MapiMess).
  virtual void SetMessageSessionID(std::int32_t id) = 0;
  virtual void Compose() = 0;
  // The address book for the composed message; the people chosen become its recipients.
  // Throws when it is cancelled.
  virtual void Show() = 0;
  virtual int RecipCount() const = 0;
  virtual void SetRecipIndex(int index) = 0;
  virtual std::string RecipDisplayName() const = 0;
  virtual void SetRecipDisplayName(const std::string& name) = 0;
  virtual std::string RecipAddress() const = 0;
  virtual void SetRecipType(int type) = 0;
  virtual void SetAddressResolveUI(bool on) = 0;
  virtual void SetMsgSubject(const std::string& subject) = 0;
  virtual void SetMsgNoteText(const std::string& text) = 0;
  // Hands the composed message to the client; with dialog false the user is not shown it.
  virtual void Send(bool dialog) = 0;
};

}  // namespace mail
