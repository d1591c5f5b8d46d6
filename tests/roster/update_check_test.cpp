#include "roster/update_check.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "roster/http_request.h"
#include "support/fake_ui.h"

namespace {

using roster::mb::kCritical;
using roster::mb::kInformation;

struct ScriptedHttp : roster::HttpPort {
  bool IsInternetConnected() override { return connected; }
  void PostHttpForm(const std::string& h, const std::string& p, const std::string& b,
                    std::function<void(std::string)> done) override {
    ++posts;
    host = h;
    path = p;
    body = b;
    done(reply);
  }
  bool connected = true;
  std::string reply;
  std::string host, path, body;
  int posts = 0;
};

class UpdateCheckTest : public ::testing::Test {
 protected:
  void Check(bool bAbout, const std::string& reply) {
    http.reply = reply;
    finished = false;
    roster::CheckForNewVersion(bAbout, config, "santa@example.org", http, ui,
                               [this] { finished = true; });
    EXPECT_TRUE(finished);
  }
  roster::UpdateCheckConfig config{"3.1.12",
                                   "http://www.example.com/cgi-local/hlmr_versioncheck.cgi",
                                   "http://www.example.com/hollymoor/"};
  ScriptedHttp http;
  testing_support::FakeUi ui;
  bool finished = false;
};

TEST_F(UpdateCheckTest, SameVersionPostsTheAddressAndSaysUpToDate) {
  Check(false, "<html><body>VERSION=3.1.12,</body></html>");
  EXPECT_EQ(http.host, "www.example.com");
  EXPECT_EQ(http.path, "/cgi-local/hlmr_versioncheck.cgi");
  EXPECT_EQ(http.body, "UserEmail=santa@example.org");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "You have the most recent version of Hollymoor\n");
  EXPECT_EQ(ui.boxes[0].style, kInformation);
  EXPECT_EQ(ui.boxes[0].title, "HLMR");
}

TEST_F(UpdateCheckTest, NewerVersionIsShownEvenToTheQuietCheck) {
  for (bool quiet : {false, true}) {
    ui.boxes.clear();
    Check(quiet, "x VERSION=3.2.0,VERSION=9.9.9, y");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text,
              "A new version 3.2.0 is now available for download.\n"
              "Click on the link on the about dialog to download\n"
              "or goto http://www.example.com/hollymoor/\n");
    EXPECT_EQ(ui.boxes[0].style, kInformation);
  }
}

TEST_F(UpdateCheckTest, RepliesThatShowNothing) {
  Check(false, "VERSION=3.2.0 and no comma after it");
  Check(false, "");                  // no connection was opened
  Check(false, "version=3.2.0,");    // searches are case-sensitive
  Check(true, "VERSION=3.1.12,");    // quiet and up to date
  Check(true, "<p>>Error<</p>");     // quiet and failed
  Check(false, "VERSION=3.1.120,");  // not this version's marker: 3.1.120 is news
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_NE(ui.boxes[0].text.find("A new version 3.1.120 "), std::string::npos);
}

TEST_F(UpdateCheckTest, ServerErrorWinsOverAVersionMarker) {
  Check(false, "<b>>Error<</b> VERSION=3.1.12,");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            "Check For Updated Version of Hollymoor\n"
            "Failed: Unable to verify current version number\nTry again later\n");
  EXPECT_EQ(ui.boxes[0].style, kCritical);
}

TEST_F(UpdateCheckTest, NoConnectionIsReportedUnlessQuiet) {
  http.connected = false;
  Check(true, "VERSION=3.1.12,");
  EXPECT_TRUE(ui.boxes.empty());
  Check(false, "VERSION=3.1.12,");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            "Check For Updated Version of Hollymoor\n"
            "Failed: You do not appear to be connected to the internet\n");
  EXPECT_EQ(ui.boxes[0].style, kCritical);
  EXPECT_EQ(http.posts, 0);
}

TEST_F(UpdateCheckTest, BadCheckAddressEndsSilently) {
  config.check_url = "nowhere";
  Check(false, "VERSION=3.1.12,");
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(http.posts, 0);
}

TEST(SplitUrlTest, HostAndPathAfterTheSchemeSlashes) {
  std::string host, path;
  roster::SplitUrl("http://127.0.0.1:8080/a/b.cgi?x=1", host, path);
  EXPECT_EQ(host, "127.0.0.1:8080");
  EXPECT_EQ(path, "/a/b.cgi?x=1");
  EXPECT_THROW(roster::SplitUrl("http://hostonly", host, path), std::invalid_argument);
  EXPECT_EQ(roster::VersionText(3, 1, 12), "3.1.12");
}

TEST(HttpRequestTest, FormPostCarriesTheDocumentedHeaders) {
  std::string r = roster::BuildFormPost("h.example.com", "/v.cgi", "UserEmail=a@b");
  EXPECT_EQ(r.rfind("POST /v.cgi HTTP/1.0\r\n", 0), 0u);
  for (const char* line : {"Host: h.example.com\r\n", "User-Agent: http generic\r\n",
                           "Content-Type: application/x-www-form-urlencoded\r\n",
                           "Pragma: no-cache\r\n", "Content-Length: 13\r\n"})
    EXPECT_NE(r.find(line), std::string::npos) << line;
  EXPECT_EQ(r.substr(r.size() - 17), "\r\n\r\nUserEmail=a@b");
  EXPECT_EQ(roster::BuildFormPost("h\r\nX: y", "/", ""), "");
  EXPECT_EQ(roster::BuildFormPost("h", "/a b", ""), "");
}

TEST(HttpRequestTest, HostPortParsing) {
  EXPECT_EQ(roster::ParseHostPort("example.com")->port, 80);
  EXPECT_EQ(roster::ParseHostPort("127.0.0.1:5050")->port, 5050);
  EXPECT_EQ(roster::ParseHostPort("[::1]:81")->name, "::1");
  EXPECT_FALSE(roster::ParseHostPort("example.com:0"));
  EXPECT_FALSE(roster::ParseHostPort("example.com:99999"));
  EXPECT_FALSE(roster::ParseHostPort(":80"));
  EXPECT_FALSE(roster::ParseHostPort("user@host"));
}

std::string FeedInChunks(roster::HttpReplyReader& reader, const std::string& wire,
                         std::size_t chunk) {
  for (std::size_t i = 0; i < wire.size(); i += chunk)
    if (!reader.Feed(wire.data() + i, std::min(chunk, wire.size() - i))) break;
  reader.Finish();
  return reader.Body();
}

TEST(HttpReplyReaderTest, BodyIsTheSameWhateverTheChunking) {
  std::string body(5000, 'x');
  for (std::size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>('a' + i % 26);
  std::string wire = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + body;
  for (std::size_t chunk : {std::size_t{1}, std::size_t{7}, roster::kHttpReadChunk, wire.size()}) {
    roster::HttpReplyReader reader;
    EXPECT_EQ(FeedInChunks(reader, wire, chunk), body) << chunk;
    EXPECT_EQ(reader.Status(), 200);
  }
}

TEST(HttpReplyReaderTest, ContentLengthCapsAndOddReplies) {
  roster::HttpReplyReader reader;
  std::string wire = "HTTP/1.0 404 Not Found\r\ncontent-length:  5 \r\n\r\nhelloTRAILING";
  EXPECT_FALSE(reader.Feed(wire.data(), wire.size()));
  EXPECT_EQ(reader.Body(), "hello");
  EXPECT_EQ(reader.Status(), 404);

  roster::HttpReplyReader bare;  // no status line: all of it is the reply
  EXPECT_EQ(FeedInChunks(bare, "VERSION=3.1.12,", 3), "VERSION=3.1.12,");

  roster::HttpReplyReader capped(10);
  EXPECT_EQ(FeedInChunks(capped, "HTTP/1.0 200 OK\n\n0123456789abcdef", 4), "0123456789");
}

}  // namespace
