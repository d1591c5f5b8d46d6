#include "ui/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace ui {

bool QtShell::Open(const std::string& target) {
  const QString text = QString::fromStdString(target).trimmed();
  // Anything without a scheme (or a drive letter that looks like one) is a local path.
  QUrl url = QUrl(text, QUrl::StrictMode);
  if (!url.isValid() || url.scheme().size() <= 1) url = QUrl::fromLocalFile(text);
  if (text.isEmpty() || !url.isValid()) {
    error_ = {5, "Invalid procedure call or argument"};
    return false;
  }
  if (!QDesktopServices::openUrl(url)) {
    error_ = {5, "No program is set up to open this address"};
    return false;
  }
  error_ = {};
  return true;
}

}  // namespace ui
