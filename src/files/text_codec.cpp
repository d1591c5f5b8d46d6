#include "files/text_codec.h"

#include <cstdint>

#include "core/tr.h"
#include "core/utf8.h"

namespace files {

namespace {

// Windows-1252 0x80..0x9F; 0 marks the undefined positions.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// UTF-16 after its byte-order mark; false on an odd byte count or a lone surrogate.
bool Utf16ToUtf8(std::string_view bytes, bool big_endian, std::string& out) {
  if (bytes.size() % 2 != 0) return false;
  out.reserve(bytes.size() / 2 + bytes.size() / 8);
  auto unit = [&](std::size_t i) {
    const auto a = static_cast<std::uint8_t>(bytes[i]);
    const auto b = static_cast<std::uint8_t>(bytes[i + 1]);
    return static_cast<char32_t>(big_endian ? (a << 8 | b) : (b << 8 | a));
  };
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    char32_t c = unit(i);
    if (c >= 0xDC00 && c <= 0xDFFF) return false;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 2 >= bytes.size()) return false;
      const char32_t low = unit(i + 2);
      if (low < 0xDC00 || low > 0xDFFF) return false;
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
      i += 2;
    }
    core::AppendUtf8(out, c);
  }
  return true;
}

constexpr const char* kNulProblem = core::TrNoop(
    "Records",
    "the file holds NUL characters: it is neither UTF-8, UTF-16 with a byte-order mark nor "
    "Windows-1252 text");

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
  const auto* end = p + bytes.size();
  while (p < end) {
    std::uint8_t b = *p;
    if (b < 0x80) {
      ++p;
      continue;
    }
    int len;
    std::uint8_t lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
      len = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      len = 3;
      if (b == 0xE0) lo = 0xA0;  // no overlong forms
      if (b == 0xED) hi = 0x9F;  // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
      len = 4;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
    } else {
      return false;
    }
    if (end - p < len) return false;
    if (p[1] < lo || p[1] > hi) return false;
    for (int i = 2; i < len; ++i)
      if ((p[i] & 0xC0) != 0x80) return false;
    p += len;
  }
  return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    auto b = static_cast<std::uint8_t>(ch);
    if (b < 0x80) {
      out += ch;
    } else if (b < 0xA0) {
      char16_t c = kHigh[b - 0x80];
      core::AppendUtf8(out, c != 0 ? c : b);
    } else {
      core::AppendUtf8(out, b);  // 0xA0..0xFF are Latin-1
    }
  }
  return out;
}

DecodedText DecodeListText(std::string_view bytes) {
  DecodedText decoded;
  const std::string_view mark = bytes.substr(0, 2);
  if (mark == "\xFF\xFE" || mark == "\xFE\xFF") {
    const bool big_endian = mark == "\xFE\xFF";
    if (!Utf16ToUtf8(bytes.substr(2), big_endian, decoded.text)) {
      decoded.text.clear();
      decoded.problem =
          big_endian ? core::Tr("Records",
                                "the file is damaged UTF-16 (big-endian): it ends in the middle "
                                "of a character or holds a broken surrogate pair")
                     : core::Tr("Records",
                                "the file is damaged UTF-16 (little-endian): it ends in the "
                                "middle of a character or holds a broken surrogate pair");
      return decoded;
    }
  } else {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    decoded.text = IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
  }
  if (decoded.text.find('\0') != std::string::npos) {
    decoded.text.clear();
    decoded.problem = core::Tr("Records", kNulProblem);
  }
  return decoded;
}

}  // namespace files
