// What the command line prints for texts it does not control: names and server replies.
#include "app/cli/terminal_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// What /bin/sh makes of `word`, read back through printf.
std::string ShellReads(const std::string& word) {
  const std::string command = "printf '[%s]' " + word;
  std::FILE* p = ::popen(command.c_str(), "r");
  if (!p) return "popen failed";
  std::string out;
  for (int c; (c = std::fgetc(p)) != EOF;) out += static_cast<char>(c);
  ::pclose(p);
  return out;
}

TEST(TerminalTextTest, ShellQuotedNamesReadBackExactlyAndShowNoControlCharacters) {
  for (const std::string& name :
       {std::string("Ann"), std::string("O'Neil"), std::string("x'; touch PWNED; echo '"),
        std::string("two\nlines"), std::string("\x1B]0;owned\x07 and \x1B[2J"),
        std::string("$(reboot) `id` \"q\" \\"),
        std::string("C1 \xC2\x9B"
                    "31m"),
        std::string("  "), std::string("-n"), std::string("''")}) {
    const std::string quoted = cli::ShellQuote(name);
    EXPECT_EQ(ShellReads(quoted), "[" + name + "]") << quoted;
    for (char c : quoted) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << quoted;
  }
  EXPECT_EQ(cli::ShellQuote("ann@example.org"), "ann@example.org");  // nothing to quote
  EXPECT_EQ(cli::ShellQuote(""), "''");
}

TEST(TerminalTextTest, ControlCharactersAreShownEscaped) {
  EXPECT_EQ(cli::TerminalSafe("Bob\x1B[31m red\x07"), "Bob\\x1B[31m red\\x07");
  EXPECT_EQ(cli::TerminalSafe("a\r\nb\x7F \xC2\x9B x \xC3\xA9"), "a\\x0D\\x0Ab\\x7F \\u009B x é");
  EXPECT_EQ(cli::TerminalSafe("line\r\nnext\x1B", true), "line\r\nnext\\x1B");
}

}  // namespace
