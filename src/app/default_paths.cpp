#include "app/default_paths.h"

#include <QDir>
#include <QStandardPaths>

#include "core/private_files.h"

namespace app {

DefaultLocations DefaultPaths(bool create_data_dir) {
  DefaultLocations paths;
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  if (create_data_dir) core::EnsurePrivateFolder(data.toStdString());
  paths.data_dir = data.toStdString();
  paths.config_file = (config + "/settings.ini").toStdString();
  return paths;
}

}  // namespace app
