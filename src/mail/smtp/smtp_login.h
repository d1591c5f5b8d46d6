#pragma once
// Login mechanisms of the SMTP session. The engine picks one from what the server offers
// in its EHLO reply, sends its first line, and passes every 334 challenge to it until the
// server answers 235 or something else. A token mechanism plugs in by implementing the
// interface and being offered by MakeLogin's caller.

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "settings/mail_settings.h"

namespace mail {

class LoginMechanism {
 public:
  virtual ~LoginMechanism() = default;
  // The mechanism's name as servers advertise it after "AUTH".
  virtual std::string Name() const = 0;
  // The AUTH command line, without CR LF (it may carry an initial response).
  virtual std::string Start() = 0;
  // The line answering a 334 challenge (its text after "334 "), without CR LF; nullopt when
  // the mechanism has no more to say, which ends the login as failed.
  virtual std::optional<std::string> Answer(std::string_view challenge) = 0;
  // Whether the login failed with `final_reply` because its token is no longer good, so that
  // a renewed token is worth one more try.
  virtual bool TokenRejected(std::string_view final_reply) const {
    (void)final_reply;
    return false;
  }
};

// The mechanisms a server's EHLO reply names after "AUTH" (or the older "AUTH="), upper case.
std::set<std::string> OfferedMechanisms(std::string_view ehlo_reply);

// With SMTPAuthMethod "oauth2": XOAUTH2 when offered, else OAUTHBEARER, presenting
// OAuthAccessToken for OAuthAccount (or the sender address). Otherwise PLAIN when offered,
// else LOGIN. nullptr when the server offers none of those.
std::unique_ptr<LoginMechanism> MakeLogin(const std::set<std::string>& offered,
                                          const MailSettings& settings);

}  // namespace mail
