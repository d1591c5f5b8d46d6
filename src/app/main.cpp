#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "ui/help_paths.h"
#include "ui/info_options.h"
#include "ui/main_window.h"

namespace {

ui::AppPaths DefaultPaths() {
  ui::AppPaths paths;
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(data);
  paths.data_dir = data.toStdString();
  paths.config_file = (config + "/settings.ini").toStdString();
  paths.help_dir = ui::FindHelpDir();
  return paths;
}

}  // namespace

int main(int argc, char** argv) {
  // --version and --help answer without a display.
  if (int status = ui::HandleInfoOptions(argc, argv); status >= 0) return status;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Hollymoor");
  QApplication::setOrganizationName("Hollymoor");
  QApplication::setApplicationVersion(HOLLYMOOR_VERSION);
  ui::MainWindow window(DefaultPaths());
  window.Form_Load();
  window.show();
  return QApplication::exec();
}
