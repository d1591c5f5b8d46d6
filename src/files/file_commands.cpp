#include "files/file_commands.h"

#include <system_error>

#include "files/amend_archive.h"
#include "files/history.h"
#include "files/list_file.h"
#include "files/pending.h"

namespace files {

namespace {

constexpr const char* kListFilter = "All Files (*.*)|*.*|SecretSanta Files (*.hmr)|*.hmr";

// The process's current folder is left alone (other areas resolve paths against it); the
// dialogs start in the folder instead.
bool EnsureFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return std::filesystem::is_directory(folder, ec);
}

}  // namespace

void FileCommands::mnuSave_Click() {
  ui().SetStatusText("Saving participants to File...");
  const auto folder = SavedFolder();
  if (EnsureFolder(folder)) {
    FileDialogRequest request;
    request.filter = "SecretSanta Files (*.hmr)|*.hmr";
    request.filter_index = 1;
    request.initial_dir = folder;
    request.file_name = DateTimeName(d_.clock) + kListExtension;
    request.overwrite_prompt = true;
    request.path_must_exist = true;
    if (auto path = d_.dialogs.ShowSave(request)) SaveParticipantFile(d_.roster, *path, false);
  }
  ui().SetStatusText("Ready");
}

void FileCommands::mnuOpen_Click() {
  roster::Roster& r = d_.roster;
  if (r.ReSendMode) {
    r.ReSendMode = false;
    r.ResetSelection(false);
    r.UpdateButtonEnables(false);
  }
  ui().SetStatusText("Adding participants from File...");
  const auto folder = SavedFolder();
  if (EnsureFolder(folder)) {
    FileDialogRequest request;
    request.filter = kListFilter;
    request.filter_index = 2;
    request.initial_dir = folder;
    if (auto path = d_.dialogs.ShowOpen(request)) {
      LoadParticipantFile(r, d_.dialogs, *path, false);
      r.UpdateButtonEnables(false);
    }
  }
  ui().SetStatusText("Ready");
}

void FileCommands::mnuReSendList_Click() {
  roster::Roster& r = d_.roster;
  if (r.ReSendMode) {
    d_.new_list();
    return;
  }
  r.ClearList();
  ui().SetStatusText("Select Previous Drawing File from Saved History...");
  const auto folder = HistoryFolder();
  if (!EnsureFolder(folder)) {
    d_.new_list();
    return;
  }
  FileDialogRequest request;
  request.filter = kListFilter;
  request.filter_index = 2;
  request.initial_dir = folder;
  auto path = d_.dialogs.ShowOpen(request);
  if (path) path = LatestArchiveVersion(*path);  // a changed drawing goes on from its newest
  if (!path || !LoadParticipantFile(r, d_.dialogs, *path, true)) {
    d_.new_list();
    return;
  }
  r.UpdateButtonEnables(true);
  d_.send_confirmed = false;
  r.ReSendMode = true;
  r.UpdateButtonEnables(false);
  // Whoever the archive's ledger does not record as reached is marked already; archives
  // without a recorded run leave the choice to the organiser.
  std::error_code ec;
  const auto ledger_size = std::filesystem::file_size(LedgerPathFor(*path), ec);
  if (!ec && ledger_size > 0) {
    std::string error;
    if (!MarkPending(r, *path, error))
      ui().MsgBox("Nobody was marked for re-sending: " + error, roster::mb::kExclamation);
  }
  ui().SetStatusText(roster::Roster::kReSendModeStatus);
}

void FileCommands::mnuViewDrawingLog_Click() {
  ui().SetStatusText("Select Previous Drawing Log File from Saved History...");
  const auto folder = HistoryFolder();
  if (!EnsureFolder(folder)) return;
  FileDialogRequest request;
  request.filter = "All Files (*.*)|*.*|SecretSanta Log Files (*.htm)|*.htm";
  request.filter_index = 2;
  request.initial_dir = folder;
  auto path = d_.dialogs.ShowOpen(request);
  if (!path) return;
  d_.shell.Open(LatestLogVersion(*path).string());
  ui().SetStatusText("");
}

}  // namespace files
