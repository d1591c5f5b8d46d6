// The update check end to end over a real socket, against a local HTTP server.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include "roster/update_check.h"
#include "support/fake_ui.h"
#include "ui/qt_http.h"

namespace {

class UpdateCheckHttpTest : public ::testing::Test {
 protected:
  // The server starts with the first test and serves them all. Started here rather than in
  // SetUpTestSuite, whose failures would only mark the tests skipped.
  void SetUp() override {
    if (server_) return;
    dir_ = new QTemporaryDir;
    server_ = new QProcess;
    server_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_->start(
        qEnvironmentVariable("HM_PYTHON", "/usr/bin/python3"),
        {qEnvironmentVariable("HM_SOURCE_DIR") + "/tests/ui/version_server.py", dir_->path()});
    ASSERT_TRUE(server_->waitForStarted(5000));
    ASSERT_TRUE(server_->waitForReadyRead(10000));
    port_ = server_->readLine().trimmed().toInt();
    ASSERT_GT(port_, 0);
  }
  static void TearDownTestSuite() {
    if (!server_) return;
    server_->kill();
    server_->waitForFinished(5000);
    delete server_;
    delete dir_;
    server_ = nullptr;
  }

  // Serves `reply` and runs the check against it; returns the request the server saw.
  std::string Run(bool bAbout, const std::string& reply) {
    QFile f(dir_->filePath("reply"));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reply.data(), static_cast<qint64>(reply.size()));
    f.close();
    QFile::remove(dir_->filePath("last_request"));
    return RunAgainst(bAbout, "http://127.0.0.1:" + std::to_string(port_) + "/reply");
  }

  std::string RunAgainst(bool bAbout, const std::string& url) {
    config_.check_url = url;
    bool finished = false;
    roster::CheckForNewVersion(bAbout, config_, "santa@example.org", http_, ui_,
                               [&] { finished = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished; }, 10000));
    QFile last(dir_->filePath("last_request"));
    return last.open(QIODevice::ReadOnly) ? last.readAll().toStdString() : std::string();
  }

  // The reply text exactly as the check received it.
  std::string Fetch(const std::string& reply) {
    QFile f(dir_->filePath("reply"));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reply.data(), static_cast<qint64>(reply.size()));
    f.close();
    std::string got;
    bool finished = false;
    http_.PostHttpForm("127.0.0.1:" + std::to_string(port_), "/reply", "UserEmail=x",
                       [&](std::string r) {
                         got = std::move(r);
                         finished = true;
                       });
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished; }, 10000));
    return got;
  }

  static inline QTemporaryDir* dir_ = nullptr;
  static inline QProcess* server_ = nullptr;
  static inline int port_ = 0;
  roster::UpdateCheckConfig config_{"3.1.12", "", "http://www.example.com/hollymoor/"};
  ui::QtHttpPort http_{nullptr, 10000, [] { return true; }};
  testing_support::FakeUi ui_;
};

TEST_F(UpdateCheckHttpTest, SameVersionSendsTheDocumentedRequest) {
  std::string request = Run(false, "<html>VERSION=3.1.12,</html>");
  EXPECT_EQ(request.rfind("POST /reply HTTP/1.0\r\n", 0), 0u) << request;
  EXPECT_NE(request.find("User-Agent: http generic\r\n"), std::string::npos);
  EXPECT_NE(request.find("Content-Type: application/x-www-form-urlencoded\r\n"), std::string::npos);
  EXPECT_NE(request.find("Pragma: no-cache\r\n"), std::string::npos);
  const std::string tail = "\r\n\r\nUserEmail=santa@example.org";
  ASSERT_GE(request.size(), tail.size());
  EXPECT_EQ(request.substr(request.size() - tail.size()), tail);
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text, "You have the most recent version of Hollymoor\n");
}

TEST_F(UpdateCheckHttpTest, NewerVersionMarkerWithoutCommaAndServerError) {
  Run(false, "VERSION=3.2.0,");
  Run(false, "VERSION=3.2.0 and nothing after");
  Run(false, "<b>>Error<</b> VERSION=3.1.12,");
  ASSERT_EQ(ui_.boxes.size(), 2u);
  EXPECT_EQ(ui_.boxes[0].text.rfind("A new version 3.2.0 is now available for download.\n", 0), 0u);
  EXPECT_NE(ui_.boxes[1].text.find("Failed: Unable to verify current version number"),
            std::string::npos);
}

TEST_F(UpdateCheckHttpTest, QuietCheckOnlyReportsNews) {
  Run(true, "VERSION=3.1.12,");
  Run(true, ">Error<");
  EXPECT_TRUE(ui_.boxes.empty());
  Run(true, "VERSION=4.0.0,");
  EXPECT_EQ(ui_.boxes.size(), 1u);
}

TEST_F(UpdateCheckHttpTest, RepliesOfOneAndOfSeveralChunksArriveWhole) {
  std::string exact(2048, '.');
  exact.replace(2000, 15, "VERSION=3.1.12,");
  EXPECT_EQ(Fetch(exact), exact);
  std::string longer;
  for (int i = 0; i < 900; ++i) longer += std::to_string(i) + ";";
  longer += "VERSION=3.3.1,";
  EXPECT_EQ(Fetch(longer), longer);
  Run(false, longer);
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_NE(ui_.boxes[0].text.find("3.3.1"), std::string::npos);
}

TEST_F(UpdateCheckHttpTest, NoServerShowsNothingAndDoesNotHang) {
  QTcpServer probe;  // a port that was free a moment ago and now has nobody listening
  ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
  const int closed_port = probe.serverPort();
  probe.close();
  RunAgainst(false, "http://127.0.0.1:" + std::to_string(closed_port) + "/x.cgi");
  EXPECT_TRUE(ui_.boxes.empty());
  EXPECT_EQ(http_.Pending(), 0);
}

TEST_F(UpdateCheckHttpTest, SilentServerIsAbandonedAfterTheTimeOut) {
  QTcpServer silent;  // accepts and never answers
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
  ui::QtHttpPort quick(nullptr, 300, [] { return true; });
  bool finished = false;
  std::string got = "unset";
  quick.PostHttpForm("127.0.0.1:" + std::to_string(silent.serverPort()), "/", "",
                     [&](std::string r) {
                       got = std::move(r);
                       finished = true;
                     });
  EXPECT_TRUE(QTest::qWaitFor([&] { return finished; }, 5000));
  EXPECT_EQ(got, "");
}

}  // namespace
