#include "support/oauth_server.h"

#include <QFile>

#include "support/python_service.h"

namespace testing_support {

OAuthServer::OAuthServer(const QStringList& args) {
  port_ =
      StartPythonServer(process_, QStringList{SupportScript("oauth_server.py"), dir_.path()} + args,
                        "authorization server", &error_);
}

OAuthServer::~OAuthServer() { StopPythonServer(process_); }

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
  QProcess browser;
  browser.start(PythonProgram(),
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
