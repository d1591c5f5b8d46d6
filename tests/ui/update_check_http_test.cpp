// The update check end to end over a real socket, against a local HTTP server.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include "support/fake_ui.h"
#include "ui/qt_http.h"
#include "update/update_check.h"

namespace {

constexpr char kUpToDate[] = "You have the most recent version of Hollymoor\n";
constexpr char kServerError[] =
    "Check For Updated Version of Hollymoor\n"
    "Failed: Unable to verify current version number\nTry again later\n";
constexpr char kUnreachable[] =
    "Check For Updated Version of Hollymoor\nFailed: could not reach the update server\n"
    "Check your internet connection, or try again later\n";
constexpr char kNews320[] =
    "A new version 3.2.0 is now available for download.\n"
    "Click on the link on the about dialog to download\n"
    "or goto http://www.example.com/hollymoor/\n";

class UpdateCheckHttpTest : public ::testing::Test {
 protected:
  // One server for all tests, started here: a failure in SetUpTestSuite would only mark the
  // tests skipped.
  void SetUp() override {
    if (server_) return;
    server_ = new QProcess;
    server_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_->start(
        qEnvironmentVariable("HM_PYTHON", "/usr/bin/python3"),
        {qEnvironmentVariable("HM_SOURCE_DIR") + "/tests/ui/version_server.py", dir_.path()});
    ASSERT_TRUE(server_->waitForReadyRead(10000));
    port_ = server_->readLine().trimmed().toInt();
    ASSERT_GT(port_, 0);
  }
  static void TearDownTestSuite() {
    if (!server_) return;
    server_->kill();
    server_->waitForFinished(5000);
    delete server_;
    server_ = nullptr;
  }

  void Serve(const std::string& reply) {
    QFile f(dir_.filePath("reply"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reply.data(), static_cast<qint64>(reply.size()));
  }

  // Runs the check against `url`; returns the request the server saw.
  std::string Check(bool bAbout, const std::string& url) {
    QFile::remove(dir_.filePath("last_request"));
    roster::UpdateCheckConfig config{"3.1.12", url, "http://www.example.com/hollymoor/"};
    bool finished = false;
    roster::CheckForNewVersion(bAbout, config, "santa@example.org", http_, ui_,
                               [&] { finished = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished; }, 10000));
    QFile last(dir_.filePath("last_request"));
    return last.open(QIODevice::ReadOnly) ? last.readAll().toStdString() : std::string();
  }
  std::string Check(bool bAbout) {
    return Check(bAbout, "http://127.0.0.1:" + std::to_string(port_) + "/reply");
  }

  // The reply text exactly as the port hands it over.
  std::string Fetch(const std::string& reply) {
    Serve(reply);
    std::string got = "unset";
    http_.PostHttpForm("127.0.0.1:" + std::to_string(port_), "/reply", "",
                       [&](std::string r) { got = std::move(r); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return got != "unset"; }, 10000));
    return got;
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& b : ui_.boxes) out.push_back(b.text);
    return out;
  }

  static inline QTemporaryDir dir_;
  static inline QProcess* server_ = nullptr;
  static inline int port_ = 0;
  ui::QtHttpPort http_{nullptr, 10000, [] { return true; }};
  testing_support::FakeUi ui_;
};

TEST_F(UpdateCheckHttpTest, SendsTheDocumentedRequest) {
  Serve("<html>VERSION=3.1.12,</html>");
  const std::string request = Check(false);
  EXPECT_EQ(request.rfind("POST /reply HTTP/1.0\r\n", 0), 0u) << request;
  for (const char* header :
       {"User-Agent: http generic\r\n", "Content-Type: application/x-www-form-urlencoded\r\n",
        "Pragma: no-cache\r\n", "Content-Length: 29\r\n"})
    EXPECT_NE(request.find(header), std::string::npos) << header;
  EXPECT_TRUE(request.ends_with("\r\n\r\nUserEmail=santa%40example.org")) << request;
  EXPECT_EQ(Texts(), std::vector<std::string>{kUpToDate});
  EXPECT_EQ(ui_.boxes[0].style, roster::mb::kInformation);
}

TEST_F(UpdateCheckHttpTest, EachReplyGetsItsMessageAndAQuietCheckOnlyNews) {
  const std::tuple<const char*, bool, std::vector<std::string>> cases[] = {
      {"x VERSION=3.2.0,VERSION=9.9.9, y", false, {kNews320}},
      {"VERSION=3.2.0 and no comma after it", false, {kUnreachable}},
      {"<b>>Error<</b> VERSION=3.1.12,", false, {kServerError}},  // the error wins
      {"VERSION=3.1.12,", true, {}},
      {">Error<", true, {}},
      {"VERSION=3.2.0,", true, {kNews320}}};
  for (const auto& [reply, quiet, expected] : cases) {
    ui_.boxes.clear();
    Serve(reply);
    Check(quiet);
    EXPECT_EQ(Texts(), expected) << reply << " quiet " << quiet;
  }
}

TEST_F(UpdateCheckHttpTest, RepliesOfOneAndOfSeveralChunksArriveWhole) {
  std::string exact(2048, '.');
  exact.replace(2000, 15, "VERSION=3.1.12,");
  EXPECT_EQ(Fetch(exact), exact);
  std::string longer;  // the server writes it in pieces of 1,000 bytes
  for (int i = 0; i < 900; ++i) longer += std::to_string(i) + ";";
  longer += "VERSION=3.2.0,";
  EXPECT_EQ(Fetch(longer), longer);
}

TEST_F(UpdateCheckHttpTest, NoServerIsReportedOnlyWhenAskedAndASilentOneIsAbandoned) {
  QTcpServer probe;  // a port that was free a moment ago and now has nobody listening
  ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
  const int closed_port = probe.serverPort();
  probe.close();
  // The user asked, so the user hears that nothing answered; the quiet check stays quiet.
  Check(false, "http://127.0.0.1:" + std::to_string(closed_port) + "/x.cgi");
  EXPECT_EQ(Texts(), std::vector<std::string>{kUnreachable});
  ui_.boxes.clear();
  Check(true, "http://127.0.0.1:" + std::to_string(closed_port) + "/x.cgi");
  EXPECT_TRUE(ui_.boxes.empty());
  EXPECT_EQ(http_.Pending(), 0);

  QTcpServer silent;  // accepts and never answers
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
  ui::QtHttpPort quick(nullptr, 300, [] { return true; });
  std::string got = "unset";
  quick.PostHttpForm("127.0.0.1:" + std::to_string(silent.serverPort()), "/", "",
                     [&](std::string r) { got = std::move(r); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return got != "unset"; }, 5000));
  EXPECT_EQ(got, "");
}

TEST(UpdateCheckHttpsTest, TheAddressTravelsEncryptedToATrustedServerOnly) {
  QTemporaryDir dir;
  QProcess openssl;
  openssl.start("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt",
                            "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2", "-subj",
                            "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                            dir.filePath("key.pem"), "-out", dir.filePath("cert.pem")});
  ASSERT_TRUE(openssl.waitForFinished(10000));
  ASSERT_EQ(openssl.exitCode(), 0) << openssl.readAllStandardError().toStdString();
  {
    QFile reply(dir.filePath("v.cgi"));
    ASSERT_TRUE(reply.open(QIODevice::WriteOnly));
    reply.write("VERSION=3.2.0,");
  }
  QProcess server;
  server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  server.start(qEnvironmentVariable("HM_PYTHON", "/usr/bin/python3"),
               {qEnvironmentVariable("HM_SOURCE_DIR") + "/tests/ui/version_server.py", dir.path(),
                dir.filePath("cert.pem"), dir.filePath("key.pem")});
  ASSERT_TRUE(server.waitForReadyRead(10000));
  const int port = server.readLine().trimmed().toInt();
  ASSERT_GT(port, 0);
  const roster::UpdateCheckConfig config{"3.1.12",
                                         "https://127.0.0.1:" + std::to_string(port) + "/v.cgi",
                                         "http://www.example.com/hollymoor/"};
  auto check = [&](ui::QtHttpPort& http, testing_support::FakeUi& ui) {
    QFile::remove(dir.filePath("last_request"));
    bool finished = false;
    roster::CheckForNewVersion(true, config, "santa@example.org", http, ui,
                               [&] { finished = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished; }, 10000));
  };

  // A certificate nobody vouches for: nothing is posted and nothing is shown.
  ui::QtHttpPort untrusting(nullptr, 10000, [] { return true; });
  testing_support::FakeUi quiet;
  check(untrusting, quiet);
  EXPECT_TRUE(quiet.boxes.empty());
  EXPECT_FALSE(QFile::exists(dir.filePath("last_request")));

  ui::QtHttpPort trusting(nullptr, 10000, [] { return true; });
  trusting.AddCaCertificates(QSslCertificate::fromPath(dir.filePath("cert.pem")));
  testing_support::FakeUi ui;
  check(trusting, ui);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, kNews320);
  QFile last(dir.filePath("last_request"));
  ASSERT_TRUE(last.open(QIODevice::ReadOnly));
  EXPECT_TRUE(last.readAll().endsWith("\r\n\r\nUserEmail=santa%40example.org"));
  server.kill();
  server.waitForFinished(5000);
}

}  // namespace
