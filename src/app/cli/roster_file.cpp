#include "app/cli/roster_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "core/tr.h"
#include "files/file_dialogs.h"
#include "files/list_file.h"
#include "mail/message.h"

namespace cli {
namespace {

// The file dialogs of the desktop program, answered without a window: no file is chosen
// interactively, and the load options stay as the dialog prepares them.
class UnattendedDialogs : public files::FileDialogs {
 public:
  std::optional<std::filesystem::path> ShowOpen(const files::FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::filesystem::path> ShowSave(const files::FileDialogRequest&) override {
    return std::nullopt;
  }
  files::LoadOptions ShowLoadOptions(const files::LoadOptions& prepared) override {
    return prepared;
  }
};

}  // namespace

std::unique_ptr<roster::Roster> NewRoster(ConsoleUi& ui) {
  auto r = std::make_unique<roster::Roster>(ui);
  r->SetupGrid();
  r->MessageFooter = mail::BuildMessageFooter();
  return r;
}

void LoadRoster(Context& ctx, roster::Roster& roster, const std::filesystem::path& path,
                bool re_send) {
  {
    std::ifstream probe(path, std::ios::binary);
    if (!probe) {
      const int err = errno;
      throw CliError(kExitBadInput, core::Arg(core::Tr("Cli", "cannot read [%1]: %2"),
                                              {path.string(), std::strerror(err)}));
    }
  }
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    throw CliError(kExitBadInput,
                   core::Arg(core::Tr("Cli", "cannot read [%1]: it is a folder"), {path.string()}));

  // The reader reports its own failures as message boxes; they become the command's error.
  const std::size_t before = ctx.ui.boxes().size();
  ctx.ui.SetEchoing(false);
  UnattendedDialogs dialogs;
  const bool ok = files::LoadParticipantFile(roster, dialogs, path, re_send);
  ctx.ui.SetEchoing(true);
  if (!ok) {
    std::string message = core::Arg(core::Tr("Cli", "cannot read [%1]"), {path.string()});
    if (ctx.ui.boxes().size() > before) message = OneLine(ctx.ui.boxes().back().text);
    throw CliError(kExitBadInput, message);
  }
}

std::string Describe(const roster::Roster& roster, int row) {
  const std::string& name = roster.grid().TextMatrix(row, roster::kColName);
  if (name.empty()) return core::Arg(core::Tr("Cli", "row %1"), {std::to_string(row)});
  return name;
}

}  // namespace cli
