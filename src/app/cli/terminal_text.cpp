#include "app/cli/terminal_text.h"

#include <cstdint>
#include <cstdio>

namespace cli {

namespace {

bool IsPlainShellChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::string_view("@%+=:,./_-").find(c) != std::string_view::npos;
}

std::string Hex(const char* format, unsigned value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

}  // namespace

std::string TerminalSafe(std::string_view text, bool keep_line_breaks) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<std::uint8_t>(text[i]);
    if (keep_line_breaks && (b == '\n' || b == '\r')) {
      out += static_cast<char>(b);
    } else if (b < 0x20 || b == 0x7F) {
      out += Hex("\\x%02X", b);
    } else if (b == 0xC2 && i + 1 < text.size() && static_cast<std::uint8_t>(text[i + 1]) < 0xA0 &&
               static_cast<std::uint8_t>(text[i + 1]) >= 0x80) {
      out += Hex("\\u%04X", static_cast<std::uint8_t>(text[++i]));
    } else {
      out += static_cast<char>(b);
    }
  }
  return out;
}

std::string ShellQuote(std::string_view text) {
  bool plain = !text.empty();
  for (char c : text) plain = plain && IsPlainShellChar(c);
  if (plain) return std::string(text);
  std::string out = "'";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<std::uint8_t>(text[i]);
    if (b == '\'') {
      out += "'\\''";
    } else if ((b < 0x20 && b != '\n') || b == 0x7F ||
               (b == 0xC2 && i + 1 < text.size() &&
                static_cast<std::uint8_t>(text[i + 1]) >= 0x80 &&
                static_cast<std::uint8_t>(text[i + 1]) < 0xA0)) {
      // Outside the quotes, the shell makes the character; the terminal never sees it raw.
      std::string octal;
      const int n = b == 0xC2 ? 2 : 1;
      for (int k = 0; k < n; ++k)
        octal += Hex("\\%03o", static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]));
      i += static_cast<std::size_t>(n - 1);
      out += "'\"$(printf '" + octal + "')\"'";
    } else {
      out += static_cast<char>(b);
    }
  }
  out += "'";
  return out;
}

}  // namespace cli
