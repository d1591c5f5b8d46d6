#include "mail/wire_message.h"

#include <atomic>
#include <cstdio>
#include <ctime>
#include <random>
#include <string_view>

#include "core/base64.h"

namespace mail {

namespace {

constexpr std::string_view kCrLf = "\r\n";
// RFC 5322's limit on a line, without its CR LF.
constexpr size_t kMaxLine = 998;
// Longest run of text encoded into one encoded word: 45 bytes give 60 Base64 characters, and
// with "=?UTF-8?B?" and "?=" the word stays within the 75 characters RFC 2047 allows.
constexpr size_t kEncodedWordBytes = 45;

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// Header values are single lines: CR LF, lone CR or LF and other control characters become
// one space each.
std::string OneLine(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    unsigned char c = value[i];
    if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
    out += IsControl(c) ? ' ' : static_cast<char>(c);
  }
  return out;
}

// Addresses lose control characters altogether; spaces and the rest stay as stored.
std::string CleanAddress(std::string_view address) {
  std::string out;
  for (unsigned char c : address)
    if (!IsControl(c)) out += static_cast<char>(c);
  return out;
}

bool IsAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

// RFC 2047 encoded words, split only between UTF-8 characters and joined by folding white
// space, so every word and every line stays short.
std::string EncodedWords(std::string_view text) {
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = std::min(text.size(), pos + kEncodedWordBytes);
    // Back off from the middle of a multi-byte character.
    while (end < text.size() && end > pos + 1 &&
           (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
      --end;
    if (!out.empty()) out += "\r\n ";
    out += "=?UTF-8?B?";
    out += Base64Encode(text.substr(pos, end - pos));
    out += "?=";
    pos = end;
  }
  return out;
}

// Needs encoded words: non-ASCII, text a decoder would take for an encoded word, or longer
// than one header line can hold.
bool NeedsEncoding(std::string_view text) {
  return !IsAscii(text) || text.find("=?") != std::string_view::npos || text.size() > 900;
}

bool HasSpecials(std::string_view name) {
  return name.find_first_of("()<>[]:;@\\,.\"") != std::string_view::npos ||
         name.find_first_not_of(' ') == std::string_view::npos;
}

// The display name as an RFC 5322 phrase; a plain name stays exactly as typed.
std::string Phrase(std::string_view raw_name) {
  std::string name = OneLine(raw_name);
  if (name.empty()) return name;
  if (NeedsEncoding(name)) return EncodedWords(name);
  if (!HasSpecials(name)) return name;
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string AddressHeader(std::string_view field, std::string_view name, std::string_view address) {
  std::string line(field);
  line += ": ";
  std::string phrase = Phrase(name);
  line += phrase;
  // An encoded word needs white space after it before a decoder sees its end.
  if (phrase.starts_with("=?")) line += ' ';
  line += '<';
  line += CleanAddress(address);
  line += '>';
  line += kCrLf;
  return line;
}

// Seconds from the epoch to a calendar time read as UTC (proleptic Gregorian days).
long long SecondsAsUtc(const std::tm& t) {
  long long y = t.tm_year + 1900LL - (t.tm_mon < 2);
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long m = t.tm_mon + 1;
  const long long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + t.tm_mday - 1;
  const long long days = era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
  return days * 86400 + t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec;
}

std::string DateValue(const roster::Clock& clock) {
  static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm t = clock.LocalNow();
  // Not every C library keeps the offset in the calendar time: it is the local time's distance
  // from the instant itself.
  const long long instant = std::chrono::system_clock::to_time_t(clock.Now());
  long offset_minutes = static_cast<long>((SecondsAsUtc(t) - instant) / 60);
  char sign = offset_minutes < 0 ? '-' : '+';
  if (offset_minutes < 0) offset_minutes = -offset_minutes;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld", kDays[t.tm_wday],
                t.tm_mday, kMonths[t.tm_mon], t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec, sign,
                offset_minutes / 60, offset_minutes % 60);
  return buf;
}

// The sender's domain when it is a plain host name, else a name that can never clash.
std::string MessageIdDomain(std::string_view from_address) {
  size_t at = from_address.rfind('@');
  if (at != std::string_view::npos) {
    std::string_view domain = from_address.substr(at + 1);
    bool plain = !domain.empty() && domain.front() != '.' && domain.back() != '.' &&
                 domain.find("..") == std::string_view::npos &&
                 domain.find_first_not_of(
                     "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                     "0123456789.-") == std::string_view::npos;
    if (plain) return std::string(domain);
  }
  return "hollymoor.invalid";
}

std::string MessageId(const roster::Clock& clock, std::string_view from_address) {
  static std::atomic<unsigned> counter{0};
  static const unsigned long long process_random = [] {
    std::random_device rd;
    return (static_cast<unsigned long long>(rd()) << 32) ^ rd();
  }();
  auto micros =
      std::chrono::duration_cast<std::chrono::microseconds>(clock.Now().time_since_epoch()).count();
  char buf[96];
  std::snprintf(buf, sizeof buf, "<%lld.%u.%016llx@", static_cast<long long>(micros),
                counter.fetch_add(1), process_random);
  return buf + MessageIdDomain(from_address) + ">";
}

// CR LF for every line end of the typed texts, whatever they were.
std::string CrLfLines(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += kCrLf;
    } else if (c == '\n') {
      out += kCrLf;
    } else {
      out += c;
    }
  }
  return out;
}

// 7bit holds: ASCII without NUL, every line at most 998 octets.
bool FitsSevenBit(std::string_view body) {
  size_t line = 0;
  for (size_t i = 0; i < body.size(); ++i) {
    unsigned char c = body[i];
    if (c >= 0x80 || c == 0) return false;
    if (c == '\r' && i + 1 < body.size() && body[i + 1] == '\n') {
      line = 0;
      ++i;
    } else if (++line > kMaxLine) {
      return false;
    }
  }
  return true;
}

// Quoted-printable (RFC 2045) of a body whose line ends are all CR LF.
std::string QuotedPrintable(std::string_view body) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(body.size() * 2);
  size_t start = 0;
  while (start < body.size()) {
    size_t end = body.find(kCrLf, start);
    bool has_end = end != std::string_view::npos;
    if (!has_end) end = body.size();
    size_t col = 0;
    for (size_t i = start; i < end; ++i) {
      unsigned char c = body[i];
      bool last = i + 1 == end;
      char token[3] = {static_cast<char>(c), 0, 0};
      size_t size = 1;
      if (!((c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last))) {
        token[0] = '=';
        token[1] = kHex[c >> 4];
        token[2] = kHex[c & 15];
        size = 3;
      }
      // Leave room for the "=" of a soft line break.
      if (col + size > 75) {
        out += "=\r\n";
        col = 0;
      }
      out.append(token, size);
      col += size;
    }
    if (has_end) out += kCrLf;
    start = end + (has_end ? kCrLf.size() : 0);
  }
  return out;
}

}  // namespace

std::string BuildWireMessage(const OutgoingMessage& message, const roster::Clock& clock) {
  std::string out;
  out += AddressHeader("From", message.from_name, message.from_address);
  out += AddressHeader("To", message.to_name, message.to_address);

  std::string subject = OneLine(message.subject);
  out += "Subject: ";
  out += NeedsEncoding(subject) ? EncodedWords(subject) : subject;
  out += kCrLf;

  out += "Date: " + DateValue(clock);
  out += kCrLf;
  out += "Message-ID: " + MessageId(clock, CleanAddress(message.from_address));
  out += kCrLf;
  out += "MIME-Version: 1.0\r\n";
  out += "Content-Type: text/plain; charset=UTF-8\r\n";

  std::string body = CrLfLines(message.text);
  body += "\r\n\r\n";
  if (FitsSevenBit(body)) {
    out += "Content-Transfer-Encoding: 7bit\r\n\r\n";
    out += body;
  } else {
    out += "Content-Transfer-Encoding: quoted-printable\r\n\r\n";
    out += QuotedPrintable(body);
  }
  return out;
}

}  // namespace mail
