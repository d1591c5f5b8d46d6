#include "files/file_commands.h"

#include <system_error>

#include "core/private_files.h"
#include "core/tr.h"
#include "files/amend_archive.h"
#include "files/history.h"
#include "files/list_document.h"
#include "files/list_file.h"
#include "files/pending.h"

namespace files {

namespace {

// Translated where used; a translation keeps the "name (pattern)|pattern" pairs.
constexpr const char* kListFilter =
    core::TrNoop("Files", "All Files (*.*)|*.*|SecretSanta Files (*.hmr)|*.hmr");

// The process's current folder is left alone (other areas resolve paths against it); the
// dialogs start in the folder instead.
bool EnsureFolder(const std::filesystem::path& folder) { return core::EnsurePrivateFolder(folder); }

}  // namespace

bool FileCommands::SaveTo(const std::filesystem::path& path) {
  if (!SaveParticipantFile(d_.roster, path, false)) return false;
  if (d_.document) d_.document->Reset(d_.roster, path);
  return true;
}

bool FileCommands::mnuSave_Click() {
  if (!d_.document || d_.document->Path().empty()) return mnuSaveAs_Click();
  ui().SetStatusText(core::Tr("Status", "Saving participants to File..."));
  const bool saved = SaveTo(d_.document->Path());
  ui().SetStatusText(core::Tr("Status", "Ready"));
  return saved;
}

bool FileCommands::mnuSaveAs_Click() {
  ui().SetStatusText(core::Tr("Status", "Saving participants to File..."));
  bool saved = false;
  const auto folder = SavedFolder();
  const std::filesystem::path current = d_.document ? d_.document->Path() : std::filesystem::path();
  if (EnsureFolder(folder)) {
    FileDialogRequest request;
    request.filter = core::Tr("Files", "SecretSanta Files (*.hmr)|*.hmr");
    request.filter_index = 1;
    request.initial_dir = current.empty() ? folder : current.parent_path();
    request.file_name =
        current.empty() ? DateTimeName(d_.clock) + kListExtension : current.filename().string();
    request.default_extension = kListExtension;
    request.overwrite_prompt = true;
    request.path_must_exist = true;
    if (auto path = d_.dialogs.ShowSave(request)) saved = SaveTo(WithListExtension(*path));
  }
  ui().SetStatusText(core::Tr("Status", "Ready"));
  return saved;
}

bool FileCommands::MayDiscardChanges() {
  if (!d_.document || !d_.document->Modified(d_.roster)) return true;
  const std::string name = d_.document->DisplayName();
  const std::string question =
      name.empty() ? core::Tr("Files",
                              "Do you want to save the changes to the participant list?\nYour "
                              "changes are lost if you do not save them.")
                   : core::Arg(core::Tr("Files",
                                        "Do you want to save the changes to [%1]?\nYour changes "
                                        "are lost if you do not save them."),
                               {name});
  const int answer =
      ui().MsgBox(question, roster::mb::kSaveDiscardCancel | roster::mb::kExclamation);
  if (answer == roster::mb::kNo) return true;
  if (answer == roster::mb::kYes) return mnuSave_Click();
  return false;
}

void FileCommands::mnuOpen_Click() {
  if (!MayDiscardChanges()) return;
  roster::Roster& r = d_.roster;
  if (r.ReSendMode) {
    r.ReSendMode = false;
    r.ResetSelection(false);
    r.UpdateButtonEnables(false);
  }
  ui().SetStatusText(core::Tr("Status", "Adding participants from File..."));
  const auto folder = SavedFolder();
  if (EnsureFolder(folder)) {
    FileDialogRequest request;
    request.filter = core::Tr("Files", kListFilter);
    request.filter_index = 2;
    request.initial_dir = folder;
    if (auto path = d_.dialogs.ShowOpen(request)) OpenListFile(*path);
  }
  ui().SetStatusText(core::Tr("Status", "Ready"));
}

namespace {

// Notes whether the organiser chose to replace the roster or to add to it.
class RecordingDialogs : public FileDialogs {
 public:
  explicit RecordingDialogs(FileDialogs& inner) : inner_(inner) {}
  std::optional<std::filesystem::path> ShowOpen(const FileDialogRequest& r) override {
    return inner_.ShowOpen(r);
  }
  std::optional<std::filesystem::path> ShowSave(const FileDialogRequest& r) override {
    return inner_.ShowSave(r);
  }
  LoadOptions ShowLoadOptions(const LoadOptions& prepared) override {
    chosen = inner_.ShowLoadOptions(prepared);
    return chosen;
  }
  LoadOptions chosen{true};

 private:
  FileDialogs& inner_;
};

}  // namespace

bool FileCommands::OpenListFile(const std::filesystem::path& path) {
  roster::Roster& r = d_.roster;
  if (r.ReSendMode) {
    r.ReSendMode = false;
    r.ResetSelection(false);
    r.UpdateButtonEnables(false);
  }
  const bool was_empty = r.ParticipantCount() == 0;
  RecordingDialogs dialogs(d_.dialogs);
  const bool read = LoadParticipantFile(r, dialogs, path, false);
  r.UpdateButtonEnables(false);
  if (d_.document) {
    // A file read into an empty roster is that file; one added to a roster is an edit of it.
    if (!read)
      d_.document->Reset(r);
    else if (was_empty || dialogs.chosen.clear_list)
      d_.document->Reset(r, path);
    else
      d_.document->MarkChanged();
  }
  return read;
}

void FileCommands::mnuReSendList_Click() {
  roster::Roster& r = d_.roster;
  if (r.ReSendMode) {
    d_.new_list();
    return;
  }
  if (!MayDiscardChanges()) return;
  const std::string status = ui().StatusText();
  ui().SetStatusText(core::Tr("Status", "Select Previous Drawing File from Saved History..."));
  const auto folder = HistoryFolder();
  // The roster is replaced only once a drawing was picked; a cancelled dialog keeps it.
  if (!EnsureFolder(folder)) {
    ui().SetStatusText(status);
    return;
  }
  FileDialogRequest request;
  request.filter = core::Tr("Files", kListFilter);
  request.filter_index = 2;
  request.initial_dir = folder;
  auto path = d_.dialogs.ShowOpen(request);
  if (path) path = LatestArchiveVersion(*path);  // a changed drawing goes on from its newest
  if (!path) {
    ui().SetStatusText(status);
    return;
  }
  r.ClearList();
  if (!LoadParticipantFile(r, d_.dialogs, *path, true)) {
    if (d_.document) d_.document->Reset(r);  // the organiser already chose to let it go
    d_.new_list();
    return;
  }
  if (d_.document) d_.document->Reset(r);
  r.UpdateButtonEnables(true);
  d_.send_confirmed = false;
  r.ReSendMode = true;
  r.UpdateButtonEnables(false);
  r.SetReplacingRows(ReplacingRows(r, *path));
  if (d_.resend_opened) d_.resend_opened(*path);
  // Whoever the archive's ledger does not record as reached is marked already; archives
  // without a recorded run leave the choice to the organiser.
  std::error_code ec;
  const auto ledger_size = std::filesystem::file_size(LedgerPathFor(*path), ec);
  if (!ec && ledger_size > 0) {
    std::string error;
    if (!MarkPendingOfEveryVersion(r, *path, error))
      ui().MsgBox(core::Arg(core::Tr("Files", "Nobody was marked for re-sending: %1"), {error}),
                  roster::mb::kExclamation);
  }
  ui().SetStatusText(core::Tr("Status", roster::Roster::kReSendModeStatus));
}

void FileCommands::mnuViewDrawingLog_Click() {
  ui().SetStatusText(core::Tr("Status", "Select Previous Drawing Log File from Saved History..."));
  const auto folder = HistoryFolder();
  if (!EnsureFolder(folder)) return;
  FileDialogRequest request;
  request.filter = core::Tr("Files", "All Files (*.*)|*.*|SecretSanta Log Files (*.htm)|*.htm");
  request.filter_index = 2;
  request.initial_dir = folder;
  auto path = d_.dialogs.ShowOpen(request);
  if (!path) return;
  const std::string log = LatestLogVersion(*path).string();
  if (!d_.shell.Open(log)) {
    ui().MsgBox(core::Arg(core::Tr("Files",
                                   "Unable to open [%1]\nNo program on this computer could show "
                                   "it; open the file with a web browser."),
                          {log}),
                roster::mb::kExclamation);
  }
  ui().SetStatusText("");
}

}  // namespace files
