#pragma once
// The File and Tools commands of this area: Open List, Save List, Re-Send Previous Drawing
// (enter and leave re-send mode) and View Previous Drawing's Information.

#include <filesystem>
#include <functional>

#include "core/clock.h"
#include "core/shell_port.h"
#include "files/file_dialogs.h"
#include "files/history.h"
#include "roster/roster.h"

namespace files {

struct FileCommandsDeps {
  roster::Roster& roster;
  FileDialogs& dialogs;
  roster::Shell& shell;
  const roster::Clock& clock;
  std::filesystem::path data_dir;  // "Saved" and "History" live here
  std::function<void()> new_list;  // the New command (mnuNew)
  bool& send_confirmed;            // SendConfirmed of the send dialogs
};

class FileCommands {
 public:
  explicit FileCommands(FileCommandsDeps deps) : d_(std::move(deps)) {}

  void mnuSave_Click();
  void mnuOpen_Click();
  void mnuReSendList_Click();
  void mnuViewDrawingLog_Click();

  std::filesystem::path SavedFolder() const { return d_.data_dir / kSavedFolder; }
  std::filesystem::path HistoryFolder() const { return d_.data_dir / kHistoryFolder; }

 private:
  roster::Ui& ui() { return d_.roster.ui(); }

  FileCommandsDeps d_;
};

}  // namespace files
