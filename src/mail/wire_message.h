#pragma once
// The message as it goes on the wire, shared by both delivery paths (SMTP and the system
// mailer): header, empty line, body with CR LF line ends. The SMTP transport adds
// dot-stuffing and the end-of-data line; nothing here does.

#include <string>

#include "core/clock.h"

namespace mail {

struct OutgoingMessage {
  std::string from_name;     // SMTPUserName
  std::string from_address;  // SMTPAccountName, as stored
  std::string to_name;       // the participant's name
  std::string to_address;    // RecipientAddress(): the test address or the participant's
  std::string subject;       // MessageSubject()
  std::string text;          // NotificationText() or FreeFormText()
};

// From, To, Subject, Date (from `clock`), Message-ID, MIME-Version, Content-Type (UTF-8
// plain text) and Content-Transfer-Encoding, the empty line, then the text followed by
// CR LF CR LF. Plain ASCII names and subjects keep the classic layout ("From: Name<addr>");
// names holding specials are quoted, non-ASCII becomes RFC 2047 encoded words, and line
// breaks or other control characters in header values become spaces, so a value can never
// start a new header. The body goes as 7bit when it is ASCII with short lines, otherwise
// quoted-printable.
std::string BuildWireMessage(const OutgoingMessage& message, const roster::Clock& clock);

}  // namespace mail
