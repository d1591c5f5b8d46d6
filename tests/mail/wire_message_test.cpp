#include "mail/wire_message.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "support/temp_dir.h"

namespace {

constexpr long long kWhen = 1796481579;  // Sat, 05 Dec 2026 14:39:39 UTC
const roster::ManualClock kClock{
    std::chrono::system_clock::time_point(std::chrono::seconds(kWhen))};
[[maybe_unused]] const bool kUtc = [] {
#ifdef _WIN32
  _putenv_s("TZ", "UTC");
  _tzset();
#else
  setenv("TZ", "UTC", 1);
  tzset();
#endif
  return true;
}();

TEST(WireMessage, PlainAsciiKeepsTheClassicLayoutWithCrLfBody) {
  mail::OutgoingMessage m{"Santa",           "santa@example.org", "Ann Lee",
                          "ann@example.net", "Ann Lee Gifts",     "One\nTwo\r\nThree\rend"};
  std::string wire = mail::BuildWireMessage(m, kClock);
  size_t id = wire.find("Message-ID: <"), id_end = wire.find("@example.org>\r\n", id);
  ASSERT_NE(id_end, std::string::npos) << wire;
  EXPECT_EQ(wire.substr(0, id),
            "From: Santa<santa@example.org>\r\nTo: Ann Lee<ann@example.net>\r\n"
            "Subject: Ann Lee Gifts\r\nDate: Sat, 05 Dec 2026 14:39:39 +0000\r\n");
  EXPECT_EQ(wire.substr(id_end + 15),
            "MIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\n"
            "Content-Transfer-Encoding: 7bit\r\n\r\nOne\r\nTwo\r\nThree\r\nend\r\n\r\n");
  std::string again = mail::BuildWireMessage(m, kClock);
  EXPECT_NE(again.substr(id, id_end - id), wire.substr(id, id_end - id));  // unique Message-ID
}

// What Python's email package (a real parser) sees in a message: values hex-encoded by key.
std::map<std::string, std::vector<std::string>> ParseWithPython(const std::string& wire) {
  testing_support::TempDir tmp;
  const auto& dir = tmp.path();
  testing_support::WriteAll(dir / "m.eml", wire);
  std::ofstream(dir / "p.py") << R"(import sys, email.policy
from email.parser import BytesParser
m = BytesParser(policy=email.policy.default).parse(open(sys.argv[1], 'rb'))
def out(k, v): print(k, str(v).encode('utf-8').hex() or '-')
for k in m.keys(): out('key', k)
for h in ('From', 'To'):
    for a in m[h].addresses: out(h, a.display_name + '|' + a.addr_spec)
out('Subject', m['Subject'])
out('Date', int(m['Date'].datetime.timestamp()))
out('body', m.get_content().replace('\r\n', '\n'))
out('defects', len(m.defects) + len(m['From'].defects) + len(m['To'].defects))
)";
  const char* py = std::getenv("HM_PYTHON");
  std::string cmd = std::string("timeout 60 ") + (py ? py : "/usr/bin/python3") + " " +
                    (dir / "p.py").string() + " " + (dir / "m.eml").string();
  std::map<std::string, std::vector<std::string>> seen;
  FILE* pipe = popen(cmd.c_str(), "r");
  static char key[64], hex[1 << 16];
  while (pipe && std::fscanf(pipe, "%63s %65535s", key, hex) == 2) {
    std::string value;
    for (size_t i = 0; hex[0] != '-' && hex[i] && hex[i + 1]; i += 2)
      value += static_cast<char>(std::stoi(std::string(hex + i, 2), nullptr, 16));
    seen[key].push_back(value);
  }
  if (pipe) pclose(pipe);
  return seen;
}

using Strings = std::vector<std::string>;

TEST(WireMessage, HostileNamesAndSubjectsCannotForgeHeadersOrSplitAddresses) {
#ifdef _WIN32
  GTEST_SKIP() << "the reference parser is the build machine's Python";
#endif
  std::string long_line(1200, 'x');
  mail::OutgoingMessage m{
      "Smith, John \"JJ\" \\ (Santa)",
      "john@example.org",
      "Zo\xC3\xAB O'Brien\r\nBcc: victim@example.com",
      "zoe@exam\r\nple.net\n",
      "Zo\xC3\xAB \xE2\x98\x83\r\nBcc: victim@example.com\nX-Also: =?x?= " + std::string(90, 'y'),
      "Gr\xC3\xBC\xC3\x9F"
      "e = 100%\r\nTrailing space \n" +
          long_line + "\n.\nend"};
  auto seen = ParseWithPython(mail::BuildWireMessage(m, kClock));
  ASSERT_FALSE(seen.empty()) << "python's email package did not run";
  EXPECT_EQ(seen["key"], (Strings{"From", "To", "Subject", "Date", "Message-ID", "MIME-Version",
                                  "Content-Type", "Content-Transfer-Encoding"}));
  EXPECT_EQ(seen["From"], Strings{"Smith, John \"JJ\" \\ (Santa)|john@example.org"});
  EXPECT_EQ(seen["To"], Strings{"Zo\xC3\xAB O'Brien Bcc: victim@example.com|zoe@example.net"});
  EXPECT_EQ(seen["Subject"], Strings{"Zo\xC3\xAB \xE2\x98\x83 Bcc: victim@example.com X-Also: "
                                     "=?x?= " +
                                     std::string(90, 'y')});
  EXPECT_EQ(seen["Date"], Strings{std::to_string(kWhen)});
  EXPECT_EQ(seen["body"], Strings{"Gr\xC3\xBC\xC3\x9F"
                                  "e = 100%\nTrailing space \n" +
                                  long_line + "\n.\nend\n\n"});
  EXPECT_EQ(seen["defects"], Strings{"0"});
}

}  // namespace
