#include "support/oauth_server.h"

#include <QFile>
#include <cstdlib>

namespace testing_support {

OAuthServer::OAuthServer(const QStringList& args) {
  const char* python = std::getenv("HM_PYTHON");
  if (!python) python = "/usr/bin/python3";
  const char* source = std::getenv("HM_SOURCE_DIR");
  if (!source) source = HM_SOURCE_DIR_DEFAULT;
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_.start(
      python, QStringList{QString(source) + "/tests/support/oauth_server.py", dir_.path()} + args);
  if (!process_.waitForStarted(5000)) {
    error_ = "cannot start " + std::string(python);
    return;
  }
  QByteArray line;
  for (int i = 0; i < 100 && !line.contains('\n'); ++i) {
    process_.waitForReadyRead(100);
    line += process_.readAll();
    if (process_.state() != QProcess::Running) break;
  }
  if (!line.startsWith("READY ")) {
    error_ = "authorization server did not start: " + line.toStdString();
    return;
  }
  port_ = line.mid(6).trimmed().toInt();
}

OAuthServer::~OAuthServer() {
  if (process_.state() != QProcess::Running) return;
  process_.closeWriteChannel();
  if (!process_.waitForFinished(3000)) {
    process_.kill();
    process_.waitForFinished(1000);
  }
}

bool OAuthServer::ExpireTokens() {
  process_.write("expire\n");
  QByteArray answer;
  for (int i = 0; i < 50 && !answer.contains('\n'); ++i) {
    process_.waitForReadyRead(100);
    answer += process_.readAll();
  }
  return answer.startsWith("EXPIRED");
}

std::string OAuthServer::FollowInBrowser(const std::string& url) {
  const char* python = std::getenv("HM_PYTHON");
  QProcess browser;
  browser.start(python ? python : "/usr/bin/python3",
                {"-c",
                 "import sys, urllib.request\n"
                 "try:\n"
                 "    print(urllib.request.urlopen(sys.argv[1], timeout=10).read().decode())\n"
                 "except Exception as e:\n"
                 "    print('ERROR', e)\n",
                 QString::fromStdString(url)});
  browser.waitForFinished(15000);
  return browser.readAllStandardOutput().toStdString();
}

std::string OAuthServer::Grants() const {
  QFile f(dir_.path() + "/grants");
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().toStdString();
}

}  // namespace testing_support
