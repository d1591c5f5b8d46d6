#pragma once
// Case and blanks of protocol words, addresses, keys and file fields: ASCII only, the same
// whatever locale the program runs in.

#include <string>
#include <string_view>

namespace core {

// What std::isspace counts in the C locale.
inline constexpr std::string_view kAsciiSpace = " \t\n\v\f\r";

inline std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// `text` without the characters of `blanks` at either end.
inline std::string_view TrimView(std::string_view text, std::string_view blanks = " \t") {
  const std::size_t b = text.find_first_not_of(blanks);
  if (b == std::string_view::npos) return {};
  return text.substr(b, text.find_last_not_of(blanks) - b + 1);
}

}  // namespace core
