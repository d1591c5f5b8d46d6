#include "settings/provider_replies.h"

#include <algorithm>
#include <cctype>

#include "core/ascii_text.h"
#include "core/tr.h"

namespace mail {

namespace {

bool Has(const std::string& haystack, std::string_view needle) {
  return haystack.find(needle) != std::string::npos;
}

// An enhanced status code as a word of its own: "5.7.3" must not match "5.7.30".
bool HasStatus(const std::string& reply, std::string_view status) {
  for (size_t at = reply.find(status); at != std::string::npos; at = reply.find(status, at + 1)) {
    const size_t end = at + status.size();
    auto part_of_code = [&](size_t i) {
      return std::isdigit(static_cast<unsigned char>(reply[i])) || reply[i] == '.';
    };
    const bool left_ok = at == 0 || !part_of_code(at - 1);
    const bool right_ok = end == reply.size() || !part_of_code(end);
    if (left_ok && right_ok) return true;
  }
  return false;
}

// Enough of Base64 to read a server's challenge; stops at the first character outside it.
std::string DecodeChallenge(std::string_view text) {
  static constexpr std::string_view kAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  unsigned bits = 0;
  int count = 0;
  for (char c : text) {
    const size_t v = kAlphabet.find(c);
    if (v == std::string_view::npos) break;
    bits = (bits << 6) | static_cast<unsigned>(v);
    count += 6;
    if (count >= 8) {
      count -= 8;
      out += static_cast<char>((bits >> count) & 0xFF);
    }
  }
  return out;
}

struct Rule {
  const char* code;    // the reply's three digits
  const char* status;  // enhanced status code, or "" for any
  const char* word;    // a word the text must hold (lower case), or "" for any
  const char* advice;
};

// Most specific first.
constexpr Rule kRules[] = {
    {"535", "5.7.139", "",
     core::TrNoop("Providers",
                  "Microsoft no longer accepts passwords for this account: choose \"Sign in with "
                  "Microsoft\" "
                  "in Tools->Settings instead of a password.")},
    {"550", "5.7.30", "",
     core::TrNoop(
         "Providers",
         "Microsoft 365 has turned off password sign-in for this mailbox: choose \"Sign in with "
         "Microsoft\" in Tools->Settings.")},
    {"535", "5.7.3", "",
     core::TrNoop(
         "Providers",
         "Microsoft refused the sign-in: check the password, or sign in with Microsoft; a work "
         "account may need its administrator to allow authenticated SMTP.")},
    {"554", "5.2.252", "",
     core::TrNoop(
         "Providers",
         "Microsoft refuses mail from an address other than the signed-in account: make \"Your "
         "email address\" the account you sign in with.")},
    {"534", "5.7.9", "",
     core::TrNoop(
         "Providers",
         "Gmail wants an app password: turn on 2-Step Verification, create one at "
         "https://myaccount.google.com/apppasswords and enter it as the password, or sign in with "
         "Google.")},
    {"535", "5.7.8", "",
     core::TrNoop(
         "Providers",
         "The server did not accept the user name and password: check them; Gmail, Yahoo and "
         "iCloud need an app password, not your normal one.")},
    {"530", "5.7.0", "starttls",
     core::TrNoop(
         "Providers",
         "The server wants an encrypted connection first: use port 587 (STARTTLS) or 465 in the "
         "server entry.")},
    {"530", "", "starttls",
     core::TrNoop(
         "Providers",
         "The server wants an encrypted connection first: use port 587 (STARTTLS) or 465 in the "
         "server entry.")},
    {"421", "", "",
     core::TrNoop("Providers",
                  "The server is limiting how fast or how much you send: wait an hour or so, then "
                  "re-send to "
                  "the participants who were not notified.")},
    {"454", "4.7.0", "too many",
     core::TrNoop("Providers",
                  "The server is limiting how fast or how much you send: wait an hour or so, then "
                  "re-send to "
                  "the participants who were not notified.")},
    {"550", "5.4.5", "",
     core::TrNoop(
         "Providers",
         "The daily sending limit of this account is reached: re-send to the participants who were "
         "not notified tomorrow.")},
};

}  // namespace

std::string AdviceForReply(std::string_view reply) {
  const std::string text = core::AsciiLower(reply);
  for (const Rule& rule : kRules) {
    // The code may start any line of a multi-line reply.
    bool code_found = text.compare(0, 3, rule.code) == 0;
    for (size_t nl = text.find('\n'); !code_found && nl != std::string::npos;
         nl = text.find('\n', nl + 1))
      code_found = text.compare(nl + 1, 3, rule.code) == 0;
    if (!code_found) continue;
    if (*rule.status && !HasStatus(text, rule.status)) continue;
    if (*rule.word && !Has(text, rule.word)) continue;
    return core::Tr("Providers", rule.advice);
  }
  return {};
}

bool ReplySaysTokenExpired(std::string_view reply) {
  const std::string text = core::AsciiLower(reply);
  if (text.compare(0, 3, "334") == 0) {
    // The challenge is Base64 of a JSON error such as {"status":"401",...}.
    const std::string decoded =
        core::AsciiLower(DecodeChallenge(reply.substr(std::min<size_t>(4, reply.size()))));
    return Has(decoded, "\"status\"") || Has(decoded, "invalid_token");
  }
  if (text.compare(0, 3, "535") != 0) return false;
  return Has(text, "token") || HasStatus(text, "5.7.3") || Has(text, "expired");
}

}  // namespace mail
