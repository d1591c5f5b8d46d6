#include <QApplication>

#include "app/default_paths.h"
#include "ui/help_paths.h"
#include "ui/info_options.h"
#include "ui/main_window.h"
#include "ui/translator.h"

int main(int argc, char** argv) {
  // --version and --help answer without a display; the help in the locale's language.
  if (ui::AskedInfoOption(argc, argv) == ui::InfoOption::kHelp) {
    QCoreApplication info(argc, argv);
    ui::InstallTranslations(QLocale::system(), ui::FindTranslationsDir());
    return ui::HandleInfoOptions(argc, argv);
  }
  if (int status = ui::HandleInfoOptions(argc, argv); status >= 0) return status;
  QApplication app(argc, argv);
  QApplication::setApplicationName(app::kApplicationName);
  QApplication::setOrganizationName(app::kOrganizationName);
  QApplication::setApplicationVersion(HOLLYMOOR_VERSION);
  // Wayland compositors match the window to its desktop entry (and icon) by this name.
  QApplication::setDesktopFileName("com.example.Hollymoor");
  ui::InstallTranslations(QLocale::system(), ui::FindTranslationsDir());
  const app::DefaultLocations defaults = app::DefaultPaths();
  ui::AppPaths paths;
  paths.data_dir = defaults.data_dir;
  paths.config_file = defaults.config_file;
  paths.help_dir = ui::FindHelpDir();
  ui::MainWindow window(paths);
  window.Form_Load();
  window.show();
  // A list file named on the command line (as a file manager passes it) is opened at once.
  const QStringList args = QApplication::arguments();
  if (args.size() > 1 && !args[1].startsWith('-')) window.OpenListFile(args[1].toStdString());
  return QApplication::exec();
}
