#pragma once
// Small text rules of the SMTP session: the send-time settings check, the server text, the
// login name, what goes into a command line, and the DATA section's transparency.

#include <optional>
#include <string>
#include <string_view>

#include "settings/mail_settings.h"

namespace mail {

// All four rules the session checks before it connects (stricter on the name than the
// settings dialog).
bool SmtpSettingsValid(const MailSettings& settings);

struct ServerAddress {
  std::string host;
  int port = 25;
};
// "host" or "host:port"; nullopt when the port is not a whole number from 1 to 65535.
std::optional<ServerAddress> SplitServerText(std::string_view server);

// The server as "host:port" (the port filled in), for texts that tell the organiser which
// server answered; the setting as it stands when it cannot be split.
std::string HostPortText(std::string_view server);

// One plain line after a documented error text: what went wrong, with which server, and what
// to do next. For a failed connection (by its Winsock number) and for a refusing reply or a
// dropped connection.
std::string ConnectFailureAdvice(std::string_view server, int error_number);
std::string ReplyFailureAdvice(std::string_view server, std::string_view reply);

// The trimmed account name up to its first "@".
std::string LoginName(std::string_view account_name);

// `text` without spaces at either end.
std::string Trim(std::string_view text);

// A value taken from user data for a command line: CR, LF and NUL removed, so the value can
// never end the command or add one.
std::string CommandSafe(std::string_view text);

// The message as it goes between DATA and the final ".": every bare LF or CR becomes CR LF,
// every line starting with "." (the first included) gets a second ".", and the text ends with
// CR LF.
std::string DataSection(std::string_view message);

// What a multi-line EHLO reply offers, looking at every line whatever its separator.
struct EhloOffer {
  bool auth_login = false;
  bool starttls = false;
  bool pipelining = false;
};
EhloOffer ParseEhlo(std::string_view reply);

}  // namespace mail
