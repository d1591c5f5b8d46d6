#include "ui/qt_shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace ui {

bool QtShell::Open(const std::string& target) {
  const QString text = QString::fromStdString(target).trimmed();
  // Anything without a scheme (or a drive letter that looks like one) is a local path.
  QUrl url = QUrl(text, QUrl::StrictMode);
  if (!url.isValid() || url.scheme().size() <= 1) url = QUrl::fromLocalFile(text);
  if (text.isEmpty() || !url.isValid()) {
    error_ = {5, QCoreApplication::translate("ui::QtShell", "Invalid procedure call or argument")
                     .toStdString()};
    return false;
  }
  if (!QDesktopServices::openUrl(url)) {
    error_ = {
        5, QCoreApplication::translate("ui::QtShell", "No program is set up to open this address")
               .toStdString()};
    return false;
  }
  error_ = {};
  return true;
}

}  // namespace ui
