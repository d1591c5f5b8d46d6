// Open List, Save List, Re-Send Previous Drawing and View Previous Drawing's Information.
// The archive itself (files::SaveDrawingHistory) is called by the Calculate & Send errand.

#include <memory>

#include "files/file_commands.h"
#include "ui/main_window.h"
#include "ui/qt_file_dialogs.h"
#include "ui/qt_shell.h"
#include "ui/window_run.h"

namespace ui {

namespace {

struct FilePorts {
  explicit FilePorts(QWidget* owner) : dialogs(owner) {}
  QtFileDialogs dialogs;
  QtShell shell;
};

// Built per command: the window's clock may be replaced after wiring.
files::FileCommands Commands(MainWindow& w, FilePorts& ports) {
  return files::FileCommands(
      {w.roster(), ports.dialogs, ports.shell, w.clock(), w.paths().data_dir,
       [&w] { w.RunCommand("mnuNew"); }, w.SendValues.SendConfirmed, &w.document(),
       [&w](const std::filesystem::path& archive) { WindowRunOf(w).SetResendSource(archive); }});
}

}  // namespace

void WireFileCommands(MainWindow& w) {
  auto ports = std::make_shared<FilePorts>(&w);
  w.OnCommand("mnuOpen", [&w, ports] { Commands(w, *ports).mnuOpen_Click(); });
  w.OnCommand("mnuSave", [&w, ports] { Commands(w, *ports).mnuSave_Click(); });
  w.OnCommand("mnuSaveAs", [&w, ports] { Commands(w, *ports).mnuSaveAs_Click(); });
  w.SetFileHooks([&w, ports] { return Commands(w, *ports).MayDiscardChanges(); },
                 [&w, ports](const std::filesystem::path& path) {
                   return Commands(w, *ports).OpenListFile(path);
                 });
  w.OnCommand("mnuReSendList", [&w, ports] { Commands(w, *ports).mnuReSendList_Click(); });
  w.OnCommand("mnuViewDrawingLog", [&w, ports] { Commands(w, *ports).mnuViewDrawingLog_Click(); });
}

}  // namespace ui
