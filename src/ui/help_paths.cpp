#include "ui/help_paths.h"

#include <QCoreApplication>
#include <system_error>
#include <vector>

#include "ui/help_config.h"
#include "ui/translator.h"

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

std::filesystem::path LocalizedHelpPage(const std::filesystem::path& help_dir, const char* page) {
  const std::filesystem::path own = help_dir / CurrentLanguage().toStdString() / page;
  std::error_code ec;
  return std::filesystem::is_regular_file(own, ec) ? own : help_dir / page;
}

std::filesystem::path FindHelpDir() {
  return FindHelpDir(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
}

}  // namespace ui
