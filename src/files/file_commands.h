#pragma once
// The File and Tools commands of this area: Open List, Save List, Re-Send Previous Drawing
// (enter and leave re-send mode) and View Previous Drawing's Information.

#include <filesystem>
#include <functional>

#include "core/clock.h"
#include "core/shell_port.h"
#include "files/file_dialogs.h"
#include "files/history.h"
#include "files/list_document.h"
#include "roster/roster.h"

namespace files {

struct FileCommandsDeps {
  roster::Roster& roster;
  FileDialogs& dialogs;
  roster::Shell& shell;
  const roster::Clock& clock;
  std::filesystem::path data_dir;    // "Saved" and "History" live here
  std::function<void()> new_list;    // the New command (mnuNew)
  bool& send_confirmed;              // SendConfirmed of the send dialogs
  ListDocument* document = nullptr;  // the file the roster stands for; none = always ask
  // Told of the archive a re-send was opened from (its newest version).
  std::function<void(const std::filesystem::path&)> resend_opened = nullptr;
};

class FileCommands {
 public:
  explicit FileCommands(FileCommandsDeps deps) : d_(std::move(deps)) {}

  // Writes the current file, asking for a name only when there is none; true when written.
  bool mnuSave_Click();
  bool mnuSaveAs_Click();
  void mnuOpen_Click();
  // Reads `path` as Open List does after its dialog (recent files, drops, the command line).
  bool OpenListFile(const std::filesystem::path& path);
  // Before the roster is replaced: true when it may go (unchanged, saved, or discarded on
  // purpose); false when the organiser cancelled.
  bool MayDiscardChanges();
  void mnuReSendList_Click();
  void mnuViewDrawingLog_Click();

  std::filesystem::path SavedFolder() const { return d_.data_dir / kSavedFolder; }
  std::filesystem::path HistoryFolder() const { return d_.data_dir / kHistoryFolder; }

 private:
  roster::Ui& ui() { return d_.roster.ui(); }
  bool SaveTo(const std::filesystem::path& path);

  FileCommandsDeps d_;
};

}  // namespace files
