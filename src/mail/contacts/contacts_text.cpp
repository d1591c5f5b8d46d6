// Character sets of contacts files, and reading a file whatever its layout.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "core/tr.h"
#include "core/utf8.h"
#include "mail/contacts/contacts.h"

namespace mail {

namespace {

// Windows-1252 at 0x80..0x9F; the five unassigned bytes keep their C1 code points.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

enum class SingleByte { kLatin1, kCp1252, kLatin9 };

std::string FromSingleByte(std::string_view bytes, SingleByte set) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (unsigned char c : bytes) {
    std::uint32_t cp = c;
    if (set == SingleByte::kCp1252 && c >= 0x80 && c < 0xA0) {
      cp = kCp1252High[c - 0x80];
    } else if (set == SingleByte::kLatin9) {
      switch (c) {
        case 0xA4:
          cp = 0x20AC;
          break;
        case 0xA6:
          cp = 0x0160;
          break;
        case 0xA8:
          cp = 0x0161;
          break;
        case 0xB4:
          cp = 0x017D;
          break;
        case 0xB8:
          cp = 0x017E;
          break;
        case 0xBC:
          cp = 0x0152;
          break;
        case 0xBD:
          cp = 0x0153;
          break;
        case 0xBE:
          cp = 0x0178;
          break;
        default:
          break;
      }
    }
    core::AppendUtf8(out, cp);
  }
  return out;
}

std::string FromUtf16(std::string_view bytes, bool little_endian) {
  std::string out;
  out.reserve(bytes.size() / 2);
  auto unit = [&](std::size_t i) -> std::uint32_t {
    auto lo = static_cast<unsigned char>(bytes[i + (little_endian ? 0 : 1)]);
    auto hi = static_cast<unsigned char>(bytes[i + (little_endian ? 1 : 0)]);
    return (static_cast<std::uint32_t>(hi) << 8) | lo;
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    std::uint32_t u = unit(i);
    if (u >= 0xD800 && u < 0xDC00 && i + 3 < bytes.size()) {
      std::uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        core::AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    if (u >= 0xD800 && u < 0xE000) u = 0xFFFD;  // a lone surrogate
    core::AppendUtf8(out, u);
  }
  return out;
}

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  const std::size_t n = s.size();
  while (i < n) {
    auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    int extra;
    std::uint32_t min;
    if ((c & 0xE0) == 0xC0) {
      extra = 1, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, min = 0x10000;
    } else {
      return false;
    }
    if (i + extra >= n) return false;
    std::uint32_t cp = c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      auto cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return false;
    i += extra + 1;
  }
  return true;
}

std::string DecodeContactsText(std::string_view bytes) {
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
    bytes.remove_prefix(3);
  else if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE")
    return FromUtf16(bytes.substr(2), true);
  else if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF")
    return FromUtf16(bytes.substr(2), false);
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return FromSingleByte(bytes, SingleByte::kCp1252);
}

std::string ConvertCharset(std::string_view bytes, std::string_view charset) {
  const std::string cs = Upper(charset);
  if (cs == "ISO-8859-1" || cs == "ISO8859-1" || cs == "LATIN1" || cs == "LATIN-1")
    return FromSingleByte(bytes, SingleByte::kLatin1);
  if (cs == "ISO-8859-15" || cs == "ISO8859-15" || cs == "LATIN9")
    return FromSingleByte(bytes, SingleByte::kLatin9);
  if (cs == "WINDOWS-1252" || cs == "CP1252" || cs == "CP-1252")
    return FromSingleByte(bytes, SingleByte::kCp1252);
  // UTF-8, US-ASCII and anything unknown: keep valid UTF-8, otherwise read as Windows-1252.
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return FromSingleByte(bytes, SingleByte::kCp1252);
}

std::string CleanName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  bool space = false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) <= ' ') {
      space = !out.empty();
      continue;
    }
    if (space) out += ' ';
    space = false;
    out += c;
  }
  return out;
}

bool LooksLikeAddress(std::string_view s) {
  const std::size_t at = s.find('@');
  if (at == std::string_view::npos || at == 0 || at + 1 >= s.size()) return false;
  if (s.find('@', at + 1) != std::string_view::npos) return false;
  return std::none_of(s.begin(), s.end(), [](char c) {
    return c == ' ' || c == '\t' || c == '<' || c == '>' || c == ',' || c == ';' || c == '"' ||
           static_cast<unsigned char>(c) < 0x20;
  });
}

ContactsLoad ParseContacts(std::string_view data) {
  const std::string text = DecodeContactsText(data);
  // vCard when some line starts a card; exports may carry junk before the first one.
  for (std::size_t i = 0; i < text.size();) {
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (Upper(std::string_view(text).substr(i, 11)) == "BEGIN:VCARD") return ParseVCards(text);
    i = text.find('\n', i);
    if (i == std::string::npos) break;
  }
  return ParseContactsCsv(text);
}

ContactsLoad LoadContactsFile(const std::filesystem::path& path) {
  ContactsLoad refused;
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    refused.error = core::Arg(core::Tr("Contacts", "The contacts file [%1] is not a regular file"),
                              {path.string()});
    return refused;
  }
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > kMaxContactsFileBytes) {
    refused.error = core::Arg(core::Tr("Contacts", "The contacts file [%1] is larger than %2 MB"),
                              {path.string(), std::to_string(kMaxContactsFileBytes >> 20)});
    return refused;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ContactsLoad failed;
    failed.error = core::Arg(core::Tr("Contacts", "The contacts file [%1] could not be opened"),
                             {path.string()});
    return failed;
  }
  std::string bytes;
  bytes.resize(
      static_cast<std::size_t>(std::min<std::uintmax_t>(ec ? 0 : size, kMaxContactsFileBytes)));
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  // It may have grown since: read on, up to the cap.
  for (char buf[1 << 16]; in && bytes.size() <= kMaxContactsFileBytes;) {
    in.read(buf, sizeof buf);
    bytes.append(buf, static_cast<std::size_t>(in.gcount()));
  }
  if (bytes.size() > kMaxContactsFileBytes) {
    refused.error = core::Arg(core::Tr("Contacts", "The contacts file [%1] is larger than %2 MB"),
                              {path.string(), std::to_string(kMaxContactsFileBytes >> 20)});
    return refused;
  }
  if (in.bad()) {
    ContactsLoad failed;
    failed.error = core::Arg(core::Tr("Contacts", "The contacts file [%1] could not be read"),
                             {path.string()});
    return failed;
  }
  return ParseContacts(bytes);
}

}  // namespace mail
