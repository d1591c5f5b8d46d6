#include "mail/wire_message.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using std::chrono::seconds;

// 2026-12-05 14:39:39 UTC, a Saturday.
constexpr long long kWhen = 1796481579;

roster::ManualClock Clock() {
  return roster::ManualClock(std::chrono::system_clock::time_point(seconds(kWhen)));
}

class WireMessage : public ::testing::Test {
 protected:
  void SetUp() override {
    old_tz_ = std::getenv("TZ") ? std::getenv("TZ") : "";
    had_tz_ = std::getenv("TZ") != nullptr;
    setenv("TZ", "UTC", 1);
    tzset();
  }
  void TearDown() override {
    if (had_tz_)
      setenv("TZ", old_tz_.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  std::string old_tz_;
  bool had_tz_ = false;
};

std::vector<std::string> Lines(const std::string& header) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < header.size()) {
    size_t end = header.find("\r\n", pos);
    lines.push_back(header.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

TEST_F(WireMessage, PlainAsciiKeepsTheClassicLayoutAndCrLfBody) {
  auto clock = Clock();
  mail::OutgoingMessage m{"Santa Organiser",
                          "santa@example.org",
                          "Ann Lee",
                          "ann@example.net",
                          "Ann Lee Your Secret Santa Information Enclosed",
                          "Line one\nLine two\r\nLine three\rend"};
  std::string wire = mail::BuildWireMessage(m, clock);
  size_t split = wire.find("\r\n\r\n");
  ASSERT_NE(split, std::string::npos);
  std::vector<std::string> h = Lines(wire.substr(0, split + 2));
  ASSERT_EQ(h.size(), 8u);
  EXPECT_EQ(h[0], "From: Santa Organiser<santa@example.org>");
  EXPECT_EQ(h[1], "To: Ann Lee<ann@example.net>");
  EXPECT_EQ(h[2], "Subject: Ann Lee Your Secret Santa Information Enclosed");
  EXPECT_EQ(h[3], "Date: Sat, 05 Dec 2026 14:39:39 +0000");
  EXPECT_TRUE(h[4].starts_with("Message-ID: <") && h[4].ends_with("@example.org>")) << h[4];
  EXPECT_EQ(h[5], "MIME-Version: 1.0");
  EXPECT_EQ(h[6], "Content-Type: text/plain; charset=UTF-8");
  EXPECT_EQ(h[7], "Content-Transfer-Encoding: 7bit");
  EXPECT_EQ(wire.substr(split + 4), "Line one\r\nLine two\r\nLine three\r\nend\r\n\r\n");

  // A second message gets its own identifier.
  std::string again = mail::BuildWireMessage(m, clock);
  EXPECT_NE(Lines(again.substr(0, again.find("\r\n\r\n") + 2))[4], h[4]);
}

// Parses a message with Python's email package and reports what a mail program would see.
std::map<std::string, std::vector<std::string>> ParseWithPython(const std::string& wire) {
  const char* python = std::getenv("HM_PYTHON");
  std::string py = python ? python : "/usr/bin/python3";
  auto dir = std::filesystem::temp_directory_path() / ("hm_wire_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "msg.eml", std::ios::binary) << wire;
  std::ofstream(dir / "parse.py") << R"(import sys, email.policy
from email.parser import BytesParser
msg = BytesParser(policy=email.policy.default).parse(open(sys.argv[1], 'rb'))
def out(k, v): print(k, str(v).encode('utf-8').hex() or '-')
for k in msg.keys(): out('key', k)
defects = len(msg.defects)
for h in ('From', 'To'):
    defects += len(msg[h].defects)
    for a in msg[h].addresses:
        out(h + '.name', a.display_name); out(h + '.addr', a.addr_spec)
out('Subject', msg['Subject'])
out('Date', int(msg['Date'].datetime.timestamp()))
out('body', msg.get_content().replace('\r\n', '\n'))
out('defects', defects)
)";
  std::string cmd =
      "timeout 60 " + py + " " + (dir / "parse.py").string() + " " + (dir / "msg.eml").string();
  std::map<std::string, std::vector<std::string>> result;
  FILE* pipe = popen(cmd.c_str(), "r");
  if (!pipe) return result;
  char key[64], hex[65536];
  while (std::fscanf(pipe, "%63s %65535s", key, hex) == 2) {
    std::string value;
    if (std::string(hex) != "-")
      for (size_t i = 0; hex[i] && hex[i + 1]; i += 2)
        value += static_cast<char>(std::stoi(std::string(hex + i, 2), nullptr, 16));
    result[key].push_back(value);
  }
  pclose(pipe);
  std::filesystem::remove_all(dir);
  return result;
}

TEST_F(WireMessage, HostileNamesAndSubjectsCannotForgeHeadersOrAddresses) {
  auto clock = Clock();
  std::string long_line(1200, 'x');
  mail::OutgoingMessage m{
      "Smith, John (Santa)",
      "john.smith@example.org",
      "Zo\xC3\xAB \"Z\" O'Brien\r\nBcc: victim@example.com",
      "zoe@exam\r\nple.net\n",
      "Zo\xC3\xAB \xE2\x98\x83 gifts\r\nBcc: victim@example.com\nX-Also: 2 =?x?= " +
          std::string(100, 'y'),
      "Gr\xC3\xBC\xC3\x9F"
      "e = 100%\r\nTrailing space \n" +
          long_line + "\n.\nend"};
  auto seen = ParseWithPython(mail::BuildWireMessage(m, clock));
  ASSERT_FALSE(seen.empty()) << "python's email package did not run";

  EXPECT_EQ(seen["key"],
            (std::vector<std::string>{"From", "To", "Subject", "Date", "Message-ID", "MIME-Version",
                                      "Content-Type", "Content-Transfer-Encoding"}));
  EXPECT_EQ(seen["From.name"], std::vector<std::string>{"Smith, John (Santa)"});
  EXPECT_EQ(seen["From.addr"], std::vector<std::string>{"john.smith@example.org"});
  EXPECT_EQ(seen["To.name"],
            std::vector<std::string>{"Zo\xC3\xAB \"Z\" O'Brien Bcc: victim@example.com"});
  EXPECT_EQ(seen["To.addr"], std::vector<std::string>{"zoe@example.net"});
  EXPECT_EQ(seen["Subject"],
            std::vector<std::string>{"Zo\xC3\xAB \xE2\x98\x83 gifts Bcc: victim@example.com "
                                     "X-Also: 2 =?x?= " +
                                     std::string(100, 'y')});
  EXPECT_EQ(seen["Date"], std::vector<std::string>{std::to_string(kWhen)});
  EXPECT_EQ(seen["body"], std::vector<std::string>{"Gr\xC3\xBC\xC3\x9F"
                                                   "e = 100%\nTrailing space \n" +
                                                   long_line + "\n.\nend\n\n"});
  EXPECT_EQ(seen["defects"], std::vector<std::string>{"0"});
}

TEST_F(WireMessage, QuotedNamesAndPlainAsciiParseBackUnchanged) {
  auto clock = Clock();
  mail::OutgoingMessage m{"O'Neil \\ \"Boss\"", "a@example.org", "   ",
                          "b@example.org",      "Plain subject", "Body"};
  std::string wire = mail::BuildWireMessage(m, clock);
  EXPECT_NE(wire.find("From: \"O'Neil \\\\ \\\"Boss\\\"\"<a@example.org>\r\n"), std::string::npos);
  auto seen = ParseWithPython(wire);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen["From.name"], std::vector<std::string>{"O'Neil \\ \"Boss\""});
  EXPECT_EQ(seen["To.addr"], std::vector<std::string>{"b@example.org"});
  EXPECT_EQ(seen["body"], std::vector<std::string>{"Body\n\n"});
  EXPECT_EQ(seen["defects"], std::vector<std::string>{"0"});
}

}  // namespace
