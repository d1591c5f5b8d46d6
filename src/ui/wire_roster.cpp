#include <QTableView>

#include "core/tr.h"
#include "ui/main_window.h"
#include "ui/participant_dialogs.h"

namespace ui {

namespace {

void NewList(MainWindow& w) {
  roster::Roster& r = w.roster();
  // Leaving re-send mode discards nothing of the organiser's; a changed list is asked about.
  if (!r.ReSendMode && !w.MayDiscardChanges()) return;
  r.ClearList();
  if (r.ReSendMode) {
    r.ReSendMode = false;
    w.RunCommand("mnuClearSelected");  // removes every mark, keeps the exclusion lists
    r.UpdateButtonEnables(false);
  }
  w.document().Reset(r);
}

void EditParticipant(MainWindow& w) {
  roster::Roster& r = w.roster();
  if (r.EditRow < 1) return;
  roster::Grid& g = r.grid();
  const int row = g.Row();
  const int col = g.Col();
  EditDialog dialog(r, &w);
  ExecModal(dialog);
  g.SetRow(row);
  g.SetCol(col);
}

void DeleteParticipant(MainWindow& w) {
  roster::Roster& r = w.roster();
  try {
    r.grid().SetCol(roster::kColName);
    const std::string name = r.grid().Text();
    if (r.ui().MsgBox(core::Arg(core::Tr("Roster", "Delete Participant %1"), {name}),
                      roster::mb::kYesNo | roster::mb::kQuestion) != roster::mb::kYes)
      return;
    if (r.grid().Rows() < 3)
      r.ClearList();
    else
      r.RemoveParticipant();
  } catch (const std::exception&) {
    r.ui().MsgBox(core::Tr("Roster", "Error while deleting Participant"), roster::mb::kCritical);
  }
}

}  // namespace

void WireRosterCommands(MainWindow& w) {
  w.OnCommand("mnuNew", [&w] { NewList(w); });
  w.OnCommand("mnuExit", [&w] { w.close(); });
  w.OnCommand("mnuManualAddition", [&w] {
    ManualAdditionDialog dialog(w.roster(), &w);
    ExecModal(dialog);
  });
  w.OnCommand("mnuEditParticipant", [&w] { EditParticipant(w); });
  w.OnCommand("mnuDeleteParticipant", [&w] { DeleteParticipant(w); });
  // The grid's double-click opens the edit dialog for the row it already chose.
  w.OnCommand("frmEdit", [&w] {
    EditDialog dialog(w.roster(), &w);
    ExecModal(dialog);
  });
}

}  // namespace ui
