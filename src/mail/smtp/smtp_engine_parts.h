#pragma once
// Shared by the files the session engine is split into; not for use outside them.

#include <string>

#include "mail/smtp/smtp_engine.h"

namespace mail {

namespace mb = roster::mb;
using Kind = SmtpEffect::Kind;

inline constexpr const char* kCrLf = "\r\n";
// Stands in the session log for every line that carries login data.
inline constexpr const char* kLoginPlaceholder = "********";

inline SmtpEffect Fx(Kind kind, std::string text = {}) {
  SmtpEffect e;
  e.kind = kind;
  e.text = std::move(text);
  return e;
}

}  // namespace mail
