// vCard 2.1, 3.0 and 4.0: folded lines, QUOTED-PRINTABLE and BASE64 values, CHARSET
// parameters, grouped properties, several addresses per card. Damaged cards give what they
// can; a card without any usable address is counted as skipped.

#include <algorithm>
#include <cctype>
#include <optional>
#include <unordered_set>

#include "core/ascii_text.h"
#include "core/base64.h"
#include "mail/contacts/contacts.h"

namespace mail {

namespace {

bool IEquals(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

bool IContains(std::string_view hay, std::string_view needle) {
  return std::search(hay.begin(), hay.end(), needle.begin(), needle.end(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         }) != hay.end();
}

std::string_view Trim(std::string_view s) { return core::TrimView(s, core::kAsciiSpace); }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string DecodeQuotedPrintable(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '=' && i + 2 < s.size()) {
      int hi = HexValue(s[i + 1]), lo = HexValue(s[i + 2]);
      if (hi >= 0 && lo >= 0) {
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
        continue;
      }
    }
    if (s[i] == '=' && i + 1 == s.size()) break;  // a soft break left at the very end
    out += s[i];
  }
  return out;
}

// Backslash escapes of 3.0 and 4.0 text values.
std::string Unescape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      char n = s[++i];
      out += (n == 'n' || n == 'N') ? ' ' : n;  // a line break inside a name reads as a space
    } else {
      out += s[i];
    }
  }
  return out;
}

// Splits a structured value (N, ORG) at the semicolons that are not escaped.
std::vector<std::string_view> SplitComponents(std::string_view s) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\') {
      ++i;
    } else if (s[i] == ';') {
      parts.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(s.substr(start));
  return parts;
}

struct Property {
  std::string_view name;  // without its group
  std::string value;      // decoded to UTF-8, escapes still in place
};

// Parses "group.NAME;PARAM=x;BARE:value" and decodes the value's transfer encoding and
// character set. Nothing for a line without a name or a colon.
std::optional<Property> ParseProperty(std::string_view line) {
  bool quoted = false;
  std::size_t colon = std::string_view::npos;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"')
      quoted = !quoted;
    else if (line[i] == ':' && !quoted) {
      colon = i;
      break;
    }
  }
  if (colon == std::string_view::npos) return std::nullopt;
  std::string_view head = line.substr(0, colon);
  std::string_view raw = line.substr(colon + 1);

  std::size_t semi = head.find(';');
  std::string_view name = Trim(head.substr(0, semi));
  if (std::size_t dot = name.rfind('.'); dot != std::string_view::npos) name.remove_prefix(dot + 1);
  if (name.empty()) return std::nullopt;

  bool quoted_printable = false, base64 = false;
  std::string_view charset;
  while (semi != std::string_view::npos) {
    std::size_t next = head.find(';', semi + 1);
    std::string_view param = Trim(head.substr(semi + 1, next - semi - 1));
    semi = next;
    std::size_t eq = param.find('=');
    std::string_view key = eq == std::string_view::npos ? std::string_view() : param.substr(0, eq);
    std::string_view val = eq == std::string_view::npos ? param : param.substr(eq + 1);
    if (!val.empty() && val.front() == '"' && val.back() == '"' && val.size() >= 2)
      val = val.substr(1, val.size() - 2);
    if (key.empty() || IEquals(key, "ENCODING")) {
      if (IEquals(val, "QUOTED-PRINTABLE")) quoted_printable = true;
      if (IEquals(val, "BASE64") || IEquals(val, "B")) base64 = true;
    } else if (IEquals(key, "CHARSET")) {
      charset = val;
    }
  }

  std::string bytes = quoted_printable ? DecodeQuotedPrintable(raw)
                      : base64         ? Base64Decode(raw)
                                       : std::string(raw);
  return Property{name, ConvertCharset(bytes, charset)};
}

// True when a line's parameters announce quoted-printable, whose soft line breaks ("=" at the
// end of a line) join the next line without any leading white space.
bool IsQuotedPrintableLine(std::string_view line) {
  std::size_t colon = line.find(':');
  return colon != std::string_view::npos && IContains(line.substr(0, colon), "QUOTED-PRINTABLE");
}

struct Card {
  bool v21 = false;
  std::string fn, n, nickname, org;
  std::vector<std::string> addresses;
  std::unordered_set<std::string> seen;
};

std::string CardName(const Card& card) {
  auto text = [&](std::string_view s) {
    return std::string(Trim(card.v21 ? std::string(s) : Unescape(s)));
  };
  std::string name = text(card.fn);
  if (!name.empty()) return name;
  if (!card.n.empty()) {
    // family; given; additional; prefixes; suffixes -> "prefix given additional family suffix"
    std::vector<std::string_view> c = SplitComponents(card.n);
    c.resize(5);
    for (int idx : {3, 1, 2, 0, 4}) {
      std::string part = text(c[idx]);
      std::replace(part.begin(), part.end(), ',', ' ');
      part = std::string(Trim(part));
      if (part.empty()) continue;
      if (!name.empty()) name += ' ';
      name += part;
    }
    if (!name.empty()) return name;
  }
  name = text(card.nickname);
  if (!name.empty()) return name;
  if (!card.org.empty()) name = text(SplitComponents(card.org).front());
  return name;
}

void FinishCard(const Card& card, ContactsLoad& out) {
  if (card.addresses.empty()) {
    ++out.skipped;
    return;
  }
  const std::string name = CleanName(CardName(card));
  for (const std::string& address : card.addresses)
    out.contacts.push_back({name.empty() ? address : name, address});
}

void AddAddress(Card& card, std::string_view value) {
  std::string_view v = Trim(value);
  if (v.size() > 7 && IEquals(v.substr(0, 7), "mailto:")) v.remove_prefix(7);
  if (v.size() >= 2 && v.front() == '<' && v.back() == '>') v = v.substr(1, v.size() - 2);
  if (!LooksLikeAddress(v)) return;
  if (card.seen.emplace(v).second) card.addresses.emplace_back(v);
}

}  // namespace

ContactsLoad ParseVCards(std::string_view text) {
  ContactsLoad out;
  std::optional<Card> card;

  auto handle = [&](std::string_view line) {
    std::optional<Property> p = ParseProperty(line);
    if (!p) return;
    if (IEquals(p->name, "BEGIN") && IEquals(Trim(p->value), "VCARD")) {
      if (card) FinishCard(*card, out);  // the previous card never ended
      card.emplace();
      return;
    }
    if (!card) return;
    if (IEquals(p->name, "END")) {
      if (IEquals(Trim(p->value), "VCARD")) {
        FinishCard(*card, out);
        card.reset();
      }
    } else if (IEquals(p->name, "VERSION")) {
      card->v21 = Trim(p->value) == "2.1";
    } else if (IEquals(p->name, "EMAIL")) {
      AddAddress(*card, p->value);
    } else if (IEquals(p->name, "FN")) {
      if (card->fn.empty()) card->fn = std::move(p->value);
    } else if (IEquals(p->name, "N")) {
      if (card->n.empty()) card->n = std::move(p->value);
    } else if (IEquals(p->name, "NICKNAME")) {
      if (card->nickname.empty()) card->nickname = std::move(p->value);
    } else if (IEquals(p->name, "ORG")) {
      if (card->org.empty()) card->org = std::move(p->value);
    }
  };

  // Unfold: a line that begins with a space or tab continues the one before; a
  // quoted-printable line ending in "=" continues on the next line as it stands.
  std::string logical;
  bool have_logical = false;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view physical = text.substr(pos, end - pos);
    pos = end + 1;
    if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;

    if (have_logical && !logical.empty() && logical.back() == '=' &&
        IsQuotedPrintableLine(logical)) {
      logical.pop_back();
      logical.append(physical);
      continue;
    }
    if (have_logical && !physical.empty() && (physical[0] == ' ' || physical[0] == '\t')) {
      logical.append(physical.substr(1));
      continue;
    }
    if (have_logical) handle(logical);
    logical.assign(physical);
    have_logical = true;
    if (end == text.size()) break;
  }
  if (have_logical) handle(logical);
  if (card) FinishCard(*card, out);  // cut off at the end of the file
  return out;
}

}  // namespace mail
