#include "support/python_service.h"

#include <cstdlib>

namespace testing_support {

QString PythonProgram() {
  const char* python = std::getenv("HM_PYTHON");
  return python ? QString(python) : QString("/usr/bin/python3");
}

QString SupportScript(const char* name) {
  const char* source = std::getenv("HM_SOURCE_DIR");
  return QString(source ? source : HM_SOURCE_DIR_DEFAULT) + "/tests/support/" + name;
}

int StartPythonServer(QProcess& process, const QStringList& args, const char* what,
                      std::string* error) {
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.start(PythonProgram(), args);
  if (!process.waitForStarted(5000)) {
    *error = "cannot start " + PythonProgram().toStdString();
    return 0;
  }
  QByteArray line;
  for (int i = 0; i < 100 && !line.contains('\n'); ++i) {
    process.waitForReadyRead(100);
    line += process.readAll();
    if (process.state() != QProcess::Running) break;
  }
  if (!line.startsWith("READY ")) {
    *error = std::string(what) + " did not start: " + line.toStdString();
    return 0;
  }
  return line.mid(6).trimmed().toInt();
}

void StopPythonServer(QProcess& process) {
  if (process.state() != QProcess::Running) return;
  process.closeWriteChannel();
  if (!process.waitForFinished(3000)) {
    process.kill();
    process.waitForFinished(1000);
  }
}

}  // namespace testing_support
