// The update check's decisions and HTTP framing without a network; the replies a real
// server gives are covered against a local server in tests/ui/update_check_http_test.cpp.
#include "update/update_check.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/fake_ui.h"
#include "update/http_request.h"

namespace {

struct ScriptedHttp : roster::HttpPort {
  bool IsInternetConnected() override { return connected; }
  void PostHttpForm(const std::string&, const std::string&, const std::string& form,
                    std::function<void(std::string)> done) override {
    ++posts;
    body = form;
    done(reply);
  }
  bool connected = true;
  std::string reply;
  std::string body;
  int posts = 0;
};

class UpdateCheckTest : public ::testing::Test {
 protected:
  void Check(bool bAbout, const std::string& reply) {
    http.reply = reply;
    bool finished = false;
    roster::CheckForNewVersion(bAbout, config, "santa@example.org", http, ui,
                               [&] { finished = true; });
    EXPECT_TRUE(finished);
  }
  roster::UpdateCheckConfig config{"3.1.12", "http://www.example.com/v.cgi",
                                   "http://www.example.com/"};
  ScriptedHttp http;
  testing_support::FakeUi ui;
};

TEST_F(UpdateCheckTest, NoConnectionIsReportedUnlessQuietAndNothingIsPosted) {
  http.connected = false;
  Check(true, "");
  EXPECT_TRUE(ui.boxes.empty());
  Check(false, "");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            "Check For Updated Version of Hollymoor\n"
            "Failed: You do not appear to be connected to the internet\n");
  EXPECT_EQ(ui.boxes[0].style, roster::mb::kCritical);
  EXPECT_EQ(ui.boxes[0].title, "HLMR");
  EXPECT_EQ(http.posts, 0);
}

TEST_F(UpdateCheckTest, MarkersAreMatchedExactly) {
  // Without an answer it understands, a check the user started says the server was not
  // reached; the quiet check of the about box says nothing.
  Check(false, "");                // no connection was opened
  Check(false, "version=3.2.0,");  // case-sensitive
  config.check_url = "nowhere";
  Check(false, "VERSION=3.1.12,");
  ASSERT_EQ(ui.boxes.size(), 3u);
  for (const auto& box : ui.boxes) {
    EXPECT_NE(box.text.find("Failed: could not reach the update server\n"), std::string::npos);
    EXPECT_EQ(box.style, roster::mb::kCritical);
  }
  ui.boxes.clear();
  Check(true, "");
  EXPECT_TRUE(ui.boxes.empty());
  config.check_url = "http://h/v.cgi";
  Check(true, "VERSION=3.1.120,");  // a longer version is not this one's marker
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text.rfind("A new version 3.1.120 is now", 0), 0u);
  EXPECT_EQ(http.posts, 3);
}

TEST_F(UpdateCheckTest, OnlyAStrictVersionFromTheServerIsEverShown) {
  for (const char* reply :
       {"VERSION=<a href=\"http://evil.example/\">4.0.0</a>,", "VERSION=4.0,", "VERSION=4.0.0.1,",
        "VERSION=4..0,", "VERSION=4.0.0 ,", "VERSION=123456.0.0,", "VERSION=,", "VERSION=4.0.x,"})
    Check(true, reply);
  EXPECT_TRUE(ui.boxes.empty());
  Check(true, "<b>VERSION=10.0.0,</b>");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text.rfind("A new version 10.0.0 is now", 0), 0u);
}

TEST_F(UpdateCheckTest, TheAddressIsSentFormEncoded) {
  http.reply = "VERSION=3.1.12,";
  roster::CheckForNewVersion(true, config, "a+b c&d=e@example.org", http, ui);
  EXPECT_EQ(http.body, "UserEmail=a%2Bb+c%26d%3De%40example.org");
  roster::CheckForNewVersion(true, config, "Zoë@x.org", http, ui);
  EXPECT_EQ(http.body, "UserEmail=Zo%C3%AB%40x.org");
}

TEST(HttpRequestTest, AddressesSplitAndCannotAddLinesToTheRequest) {
  std::string host, path;
  roster::SplitUrl("http://127.0.0.1:8080/a/b.cgi?x=1", host, path);
  EXPECT_EQ(host + " " + path, "127.0.0.1:8080 /a/b.cgi?x=1");
  EXPECT_THROW(roster::SplitUrl("http://hostonly", host, path), std::invalid_argument);
  EXPECT_EQ(roster::BuildFormPost("h\r\nX: y", "/", ""), "");
  EXPECT_EQ(roster::BuildFormPost("h", "/a b", ""), "");
  EXPECT_EQ(roster::ParseHostPort("127.0.0.1:5050")->port, 5050);
  EXPECT_EQ(roster::ParseHostPort("[::1]:81")->name, "::1");
  EXPECT_EQ(roster::ParseHostPort("example.com")->port, 80);
  for (const char* bad : {"example.com:0", "example.com:99999", ":80", "user@host", "a b"})
    EXPECT_FALSE(roster::ParseHostPort(bad)) << bad;
}

TEST(HttpReplyReaderTest, BodyIsTheSameWhateverTheChunking) {
  std::string body;
  for (int i = 0; i < 5000; ++i) body += static_cast<char>('a' + i % 26);
  const std::string wire = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + body;
  for (std::size_t chunk : {std::size_t{1}, std::size_t{7}, roster::kHttpReadChunk}) {
    roster::HttpReplyReader reader;
    for (std::size_t i = 0; i < wire.size(); i += chunk)
      reader.Feed(wire.data() + i, std::min(chunk, wire.size() - i));
    reader.Finish();
    EXPECT_EQ(reader.Body(), body) << chunk;
  }
}

TEST(HttpReplyReaderTest, ContentLengthCapAndRepliesWithoutStatusLine) {
  roster::HttpReplyReader reader;
  std::string wire = "HTTP/1.0 404 Not Found\r\ncontent-length:  5 \r\n\r\nhelloTRAILING";
  EXPECT_FALSE(reader.Feed(wire.data(), wire.size()));  // nothing more wanted
  EXPECT_EQ(reader.Body(), "hello");
  EXPECT_EQ(reader.Status(), 404);

  roster::HttpReplyReader bare;
  bare.Feed("VER", 3);
  bare.Feed("SION=3.1.12,", 12);
  bare.Finish();
  EXPECT_EQ(bare.Body(), "VERSION=3.1.12,");

  roster::HttpReplyReader capped(10);
  wire = "HTTP/1.0 200 OK\n\n0123456789abcdef";
  capped.Feed(wire.data(), wire.size());
  EXPECT_TRUE(capped.Done());
  EXPECT_EQ(capped.Body(), "0123456789");
}

}  // namespace
