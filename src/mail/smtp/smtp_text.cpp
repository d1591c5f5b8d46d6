#include "mail/smtp/smtp_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "core/ascii_text.h"
#include "core/tr.h"
#include "mail/smtp/smtp_reply.h"

namespace mail {

namespace {

// Length in characters, counting a UTF-8 sequence as one.
std::size_t CharCount(std::string_view text) {
  std::size_t n = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::string HostPortText(std::string_view server) {
  const std::optional<ServerAddress> a = SplitServerText(server);
  if (!a) return std::string(server);
  return a->host + ":" + std::to_string(a->port);
}

namespace {

// `text` comes marked with TrNoop, so the translation tools find it.
std::string Said(const char* text, const std::string& where) {
  return core::Arg(core::Tr("Smtp", text), {where});
}

}  // namespace

std::string ConnectFailureAdvice(std::string_view server, int error_number) {
  const std::string where = HostPortText(server);
  switch (error_number) {
    case 10061:
      return Said(core::TrNoop(
                      "Smtp",
                      "Nothing accepted the connection at %1: check the server name and port under "
                      "Tools->Setup (587 for STARTTLS, 465 for implicit TLS)."),
                  where);
    case 11001:
      return Said(
          core::TrNoop(
              "Smtp",
              "The server name in %1 could not be found: check it under Tools->Setup and that this "
              "computer is online."),
          where);
    case 10060:
      return Said(
          core::TrNoop(
              "Smtp",
              "%1 did not answer: check the server name and port under Tools->Setup, and that no "
              "firewall blocks that port."),
          where);
    default:
      return Said(
          core::TrNoop(
              "Smtp",
              "The connection to %1 failed: check that this computer is online and the server name "
              "and port under Tools->Setup."),
          where);
  }
}

std::string ReplyFailureAdvice(std::string_view server, std::string_view reply) {
  const std::string where = HostPortText(server);
  const std::string_view code = reply.substr(0, std::min<std::size_t>(3, reply.size()));
  const bool has_code = code.size() == 3 && std::isdigit(static_cast<unsigned char>(code[0]));
  if (code == "535" || code == "534" || code == "530")
    return Said(
        core::TrNoop(
            "Smtp",
            "The server %1 refused the login: check the user name and password under Tools->Setup; "
            "many providers want an app password or a sign-in with the provider instead."),
        where);
  if (has_code && code[0] == '4')
    return Said(core::TrNoop("Smtp",
                             "The server %1 is refusing for now: try again later, then re-send to "
                             "those who were not "
                             "notified."),
                where);
  if (has_code && code[0] == '5')
    return Said(core::TrNoop(
                    "Smtp",
                    "The server %1 refused: check your email address and the server settings under "
                    "Tools->Setup."),
                where);
  if (has_code)
    return Said(
        core::TrNoop(
            "Smtp",
            "The server %1 answered in a way that does not fit this step: check that Tools->Setup "
            "names an SMTP server and its submission port."),
        where);
  return Said(core::TrNoop("Smtp",
                           "The connection to %1 ended: check that this computer is online, then "
                           "re-send to those who "
                           "were not notified."),
              where);
}

bool SmtpSettingsValid(const MailSettings& s) {
  return s.SMTPServer.find('.', 1) != std::string::npos && CharCount(s.SMTPServer) >= 4 &&
         CharCount(s.SMTPAccountName) >= 6 && s.SMTPAccountName.find('@', 1) != std::string::npos &&
         CharCount(s.SMTPUserName) >= 4;
}

std::optional<ServerAddress> SplitServerText(std::string_view server) {
  ServerAddress out;
  std::size_t colon = server.find(':');
  if (colon == std::string_view::npos) {
    out.host = std::string(server);
    return out;
  }
  out.host = std::string(server.substr(0, colon));
  std::string_view port = server.substr(colon + 1);
  int value = 0;
  auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
  if (port.empty() || ec != std::errc() || end != port.data() + port.size() || value < 1 ||
      value > 65535)
    return std::nullopt;
  out.port = value;
  return out;
}

std::string Trim(std::string_view text) { return std::string(core::TrimView(text, " ")); }

std::string LoginName(std::string_view account_name) {
  std::string trimmed = Trim(account_name);
  return trimmed.substr(0, trimmed.find('@'));
}

std::string CommandSafe(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '\r' && c != '\n' && c != '\0') out.push_back(c);
  return out;
}

std::string DataSection(std::string_view message) {
  std::string out;
  out.reserve(message.size() + message.size() / 32 + 4);
  bool line_start = true;
  for (std::size_t i = 0; i < message.size(); ++i) {
    char c = message[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < message.size() && message[i + 1] == '\n') ++i;
      out += "\r\n";
      line_start = true;
      continue;
    }
    if (line_start && c == '.') out.push_back('.');
    out.push_back(c);
    line_start = false;
  }
  if (!line_start) out += "\r\n";
  return out;
}

EhloOffer ParseEhlo(std::string_view reply) {
  EhloOffer offer;
  for (const std::string& line : ReplyLines(reply)) {
    if (line.size() < 4) continue;
    std::string keywords = Upper(line.substr(4));
    if (keywords == "STARTTLS") offer.starttls = true;
    if (keywords == "PIPELINING") offer.pipelining = true;
    // "AUTH LOGIN PLAIN" and the older "AUTH=LOGIN".
    if (keywords.rfind("AUTH", 0) == 0 && keywords.size() > 4 &&
        (keywords[4] == ' ' || keywords[4] == '=')) {
      std::string_view rest = std::string_view(keywords).substr(5);
      while (!rest.empty()) {
        std::size_t sp = rest.find(' ');
        if (rest.substr(0, sp) == "LOGIN") offer.auth_login = true;
        if (sp == std::string_view::npos) break;
        rest.remove_prefix(sp + 1);
      }
    }
  }
  return offer;
}

}  // namespace mail
