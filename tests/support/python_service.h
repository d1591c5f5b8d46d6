#pragma once
// The test servers written in Python (SMTP, OAuth2) run as child processes that print
// "READY <port>" once they listen and stop when their standard input closes.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <string>

namespace testing_support {

// HM_PYTHON, or the system's python3. CTest's environment may not reach discovered tests, so
// both this and the source folder have built-in defaults.
QString PythonProgram();

// A file of tests/support in the source tree.
QString SupportScript(const char* name);

// Starts python with `args` and waits for its "READY <port>" line. The port, or 0 with `error`
// set (naming `what`) when the server did not start.
int StartPythonServer(QProcess& process, const QStringList& args, const char* what,
                      std::string* error);

// Closes the server's input and waits for it to end; kills it if it does not.
void StopPythonServer(QProcess& process);

}  // namespace testing_support
