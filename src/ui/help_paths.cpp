#include "ui/help_paths.h"

#include <QCoreApplication>
#include <system_error>
#include <vector>

#include "ui/help_config.h"

namespace ui {

std::filesystem::path FindHelpDir(const std::filesystem::path& program_dir) {
  namespace fs = std::filesystem;
  const fs::path under_prefix = help_config::kHelpDirUnderPrefix;
  std::vector<fs::path> candidates = {
      program_dir.parent_path() / under_prefix,
      program_dir / "help",
      fs::path(help_config::kInstallPrefix) / under_prefix,
  };
  for (const fs::path& dir : candidates) {
    std::error_code ec;
    if (fs::is_regular_file(dir / kHelpPageBasics, ec)) return dir.lexically_normal();
  }
  return candidates.front().lexically_normal();
}

std::filesystem::path FindHelpDir() {
  return FindHelpDir(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
}

}  // namespace ui
