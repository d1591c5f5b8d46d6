// Tools menu: Add Late Participant..., Remove Participant from Drawing... and Print Sealed
// Slips..., all on an archived drawing chosen from History.

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <random>

#include "files/amend_archive.h"
#include "files/history.h"
#include "files/ledger.h"
#include "files/list_file.h"
#include "mail/event_details.h"
#include "settings/file_settings_store.h"
#include "ui/main_window.h"
#include "ui/qt_file_dialogs.h"
#include "ui/qt_ui.h"
#include "ui/send_dialogs.h"
#include "ui/slips_pdf.h"
#include "ui/smtp_runner.h"
#include "ui/window_run.h"
#include "ui/wire_mapi.h"

namespace ui {

namespace {

namespace fs = std::filesystem;

void Tell(MainWindow& w, const std::string& text, int style) {
  roster::Ui& ui = w.qt_ui();
  ui.MsgBox(text, style);
}

// The newest version of an archived drawing the organiser picks; nothing when cancelled.
std::optional<fs::path> ChooseArchive(MainWindow& w, QtFileDialogs& dialogs) {
  const fs::path folder = w.paths().data_dir / files::kHistoryFolder;
  std::error_code ec;
  fs::create_directories(folder, ec);
  files::FileDialogRequest request;
  request.filter =
      QCoreApplication::translate("Files", "All Files (*.*)|*.*|SecretSanta Files (*.hmr)|*.hmr")
          .toStdString();
  request.filter_index = 2;
  request.initial_dir = folder;
  auto path = dialogs.ShowOpen(request);
  if (!path) return std::nullopt;
  return files::LatestArchiveVersion(*path);
}

// Reads the archive into a roster of its own: the window's list stays as it is.
std::unique_ptr<roster::Roster> LoadArchive(MainWindow& w, QtFileDialogs& dialogs,
                                            const fs::path& archive) {
  auto r = std::make_unique<roster::Roster>(w.qt_ui());
  r->SetupGrid();
  if (!files::LoadParticipantFile(*r, dialogs, archive, true)) return nullptr;
  return r;
}

// Name, address and notes of a late participant; false when cancelled. OK needs an address:
// the newcomer's message goes there, and a list file holds nobody without one.
bool AskNewcomer(MainWindow& w, std::string& name, std::string& email, std::string& notes) {
  QDialog dialog(&w);
  dialog.setObjectName("frmLateParticipant");
  dialog.setWindowTitle(QCoreApplication::translate("Dialogs", "Add Late Participant"));
  auto* name_box = new QLineEdit(&dialog);
  name_box->setObjectName("txtLateName");
  auto* email_box = new QLineEdit(&dialog);
  email_box->setObjectName("txtLateEmail");
  auto* notes_box = new QLineEdit(&dialog);
  notes_box->setObjectName("txtLateNotes");
  auto* why = new QLabel(
      QObject::tr("The newcomer's Secret Santa message goes to this address, so it is needed."),
      &dialog);
  why->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    if (email_box->text().trimmed().isEmpty()) {
      Tell(w,
           QObject::tr("Please enter an e-mail address for the late participant: their Secret "
                       "Santa message goes there, and the drawing's list file keeps an address "
                       "for everybody.")
               .toStdString(),
           roster::mb::kExclamation);
      email_box->setFocus();
      return;
    }
    dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* form = new QFormLayout(&dialog);
  form->addRow(QObject::tr("Name"), name_box);
  form->addRow(QObject::tr("Email Address"), email_box);
  form->addRow(QString(), why);
  form->addRow(QObject::tr("Notes"), notes_box);
  form->addRow(buttons);
  if (ExecModal(dialog) != QDialog::Accepted) return false;
  name = name_box->text().trimmed().toStdString();
  email = email_box->text().trimmed().toStdString();
  notes = notes_box->text().toStdString();
  return true;
}

std::string Names(const roster::Roster& r, const std::vector<int>& rows) {
  std::string out;
  for (int row : rows)
    out += (out.empty() ? "" : ", ") + r.grid().TextMatrix(row, roster::kColName);
  return out;
}

// Sends the new messages of a change: the window's roster holds the new version in re-send
// mode with the changed givers marked, and the run goes through the window's sender like any
// other, recorded in that version's ledger. False when the organiser cancelled the send dialog.
bool SendChange(MainWindow& w, const fs::path& amended) {
  w.SendValues.SendConfirmed = false;
  mail::FileSettingsStore store(w.paths().config_file);
  w.SendValues.Event = mail::LoadDefaultEventDetails(store);
  if (!ShowFrmSend(&w, w.SendValues, w.MailSettings).SendConfirmed) return false;
  WindowRun& run = WindowRunOf(w);
  run.ContinueLedgerAt(files::LedgerPathFor(amended));
  run.Begin(RowsToNotify(w.roster()), /*progress=*/true, /*drawing=*/true);
  if (w.MailSettings.UseSMTP) {
    SmtpRunnerOf(w).SmtpSendDrawing();  // the runner's end ends the window's run
  } else {
    MapiSendDrawing(w);
    run.End();
  }
  return true;
}

// Archives the change, puts the window into re-send mode on the new version with exactly the
// changed givers marked, and notifies them. `replacing` are the rows told that their message
// replaces an earlier one.
void ArchiveAndSend(MainWindow& w, QtFileDialogs& dialogs, roster::Roster& changed,
                    const fs::path& archive, const files::DrawingChange& change,
                    std::vector<int> replacing) {
  if (SmtpRunnerOf(w).Active()) return;  // one run at a time
  // The new version replaces the list in the window.
  if (!w.MayDiscardChanges()) return;
  const auto amended = files::WriteAmendedArchive(changed, archive, change.changed_rows);
  if (!amended) return;
  const std::string names = Names(changed, change.changed_rows);
  roster::Roster& r = w.roster();
  if (r.ReSendMode) w.RunCommand("mnuNew");
  r.ClearList();
  if (!files::LoadParticipantFile(r, dialogs, *amended, true)) {
    w.RunCommand("mnuNew");
    return;
  }
  r.UpdateButtonEnables(true);
  r.ReSendMode = true;
  r.UpdateButtonEnables(false);
  for (int row : change.changed_rows) {
    r.grid().SetRow(row);
    r.grid().SetCol(roster::kColName);
    r.MSFlexGrid_MouseDown(row, roster::kColName);
  }
  r.SetReplacingRows(std::move(replacing));
  // Should the organiser send later, with Calculate & Send, it goes on from this version.
  WindowRunOf(w).SetResendSource(*amended);
  w.qt_ui().SetStatusText(core::Tr("Status", roster::Roster::kReSendModeStatus));
  if (SendChange(w, *amended)) return;
  Tell(w,
       QObject::tr("The change is saved as %1.\nNothing was sent. To notify exactly the people "
                   "whose Secret Santa changed (%2), use Calculate & Send now; they are marked "
                   "for Re-Send.")
           .arg(QString::fromStdString(amended->filename().string()), QString::fromStdString(names))
           .toStdString(),
       roster::mb::kInformation);
}

roster::Xoshiro256 OsSeeded() {
  std::random_device device;
  return roster::Xoshiro256((static_cast<std::uint64_t>(device()) << 32) ^ device());
}

void AddLateParticipant(MainWindow& w, QtFileDialogs& dialogs) {
  const auto archive = ChooseArchive(w, dialogs);
  if (!archive) return;
  auto drawing = LoadArchive(w, dialogs, *archive);
  if (!drawing) return;
  std::string name, email, notes;
  if (!AskNewcomer(w, name, email, notes)) return;
  auto random = OsSeeded();
  const auto change = files::JoinDrawing(*drawing, name, email, notes, random);
  if (!change.ok) {
    Tell(w,
         change.bad_input
             ? change.reason
             : QObject::tr("No place in this drawing keeps every exclusion: %1.\nOnly a full "
                           "redraw can include %2: add them to the list and use Calculate & "
                           "Send.")
                   .arg(QString::fromStdString(change.reason), QString::fromStdString(name))
                   .toStdString(),
         roster::mb::kExclamation);
    return;
  }
  // The newcomer is the last row; only their giver had a message before.
  ArchiveAndSend(w, dialogs, *drawing, *archive, change,
                 {change.changed_rows.begin(), change.changed_rows.end() - 1});
}

void RemoveFromDrawing(MainWindow& w, QtFileDialogs& dialogs) {
  const auto archive = ChooseArchive(w, dialogs);
  if (!archive) return;
  auto drawing = LoadArchive(w, dialogs, *archive);
  if (!drawing) return;
  QDialog dialog(&w);
  dialog.setObjectName("frmRemoveFromDrawing");
  dialog.setWindowTitle(QCoreApplication::translate("Dialogs", "Remove Participant from Drawing"));
  auto* name_box = new QLineEdit(&dialog);
  name_box->setObjectName("txtLeaverName");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* form = new QFormLayout(&dialog);
  form->addRow(QObject::tr("Participant who leaves"), name_box);
  form->addRow(buttons);
  if (ExecModal(dialog) != QDialog::Accepted) return;
  const std::string name = name_box->text().trimmed().toStdString();
  int row = 0;
  for (int r = 1; r <= drawing->ParticipantCount(); ++r)
    if (drawing->grid().TextMatrix(r, roster::kColName) == name) row = r;
  if (row == 0) {
    Tell(w,
         QObject::tr("Nobody named %1 takes part in this drawing.")
             .arg(QString::fromStdString(name))
             .toStdString(),
         roster::mb::kExclamation);
    return;
  }
  auto random = OsSeeded();
  const auto change = files::LeaveDrawing(*drawing, row, random);
  if (!change.ok) {
    Tell(w,
         QObject::tr("No change to this drawing keeps every exclusion: %1.\nOnly a full redraw "
                     "can go on without %2.")
             .arg(QString::fromStdString(change.reason), QString::fromStdString(name))
             .toStdString(),
         roster::mb::kExclamation);
    return;
  }
  ArchiveAndSend(w, dialogs, *drawing, *archive, change, change.changed_rows);
}

void PrintSlips(MainWindow& w, QtFileDialogs& dialogs) {
  const auto archive = ChooseArchive(w, dialogs);
  if (!archive) return;
  auto drawing = LoadArchive(w, dialogs, *archive);
  if (!drawing) return;
  files::FileDialogRequest request;
  request.filter = QObject::tr("PDF Files (*.pdf)|*.pdf").toStdString();
  request.filter_index = 1;
  request.initial_dir = archive->parent_path();
  request.file_name = archive->stem().string() + "-slips.pdf";
  request.overwrite_prompt = true;
  const auto pdf = dialogs.ShowSave(request);
  if (!pdf) return;
  std::vector<int> rows;
  for (int row = 1; row <= drawing->ParticipantCount(); ++row) rows.push_back(row);
  // When the ledgers say some messages never arrived, those givers are the ones who need a
  // slip most.
  std::string no_ledger;
  const auto unreached = files::UnreachedRows(*drawing, *archive, no_ledger);
  if (unreached && !unreached->empty() && unreached->size() < rows.size()) {
    const QString question =
        QObject::tr(
            "No message reached %1. Print slips only for them?\n\nNo prints a slip "
            "for everybody.")
            .arg(QString::fromStdString(Names(*drawing, *unreached)));
    if (w.qt_ui().MsgBox(question.toStdString(), roster::mb::kYesNo | roster::mb::kQuestion,
                         roster::kDefaultTitle) == roster::mb::kYes)
      rows = *unreached;
  }
  std::vector<Slip> slips;
  const roster::Grid& g = drawing->grid();
  for (int row : rows) {
    int receiver = 0;
    roster::ParseNumber(g.TextMatrix(row, roster::kColResult), receiver);
    slips.push_back({g.TextMatrix(row, roster::kColName),
                     files::ReceiverName(g, row),
                     g.TextMatrix(receiver, roster::kColNotes),
                     {}});
  }
  std::string error;
  if (!WriteSlipsPdf(slips, pdf->string(), error))
    Tell(w,
         QObject::tr("The slips could not be printed: %1")
             .arg(QString::fromStdString(error))
             .toStdString(),
         roster::mb::kCritical);
  else
    Tell(w,
         QObject::tr("%1 slips saved to %2.\nPrint on both sides (flip on the long edge), cut, "
                     "and fold each slip along its dotted line with the printed back inwards.")
             .arg(static_cast<qulonglong>(slips.size()))
             .arg(QString::fromStdString(pdf->string()))
             .toStdString(),
         roster::mb::kInformation);
}

}  // namespace

void WireAmendCommands(MainWindow& w) {
  auto dialogs = std::make_shared<QtFileDialogs>(&w);
  w.OnCommand("mnuAddLateParticipant", [&w, dialogs] { AddLateParticipant(w, *dialogs); });
  w.OnCommand("mnuRemoveFromDrawing", [&w, dialogs] { RemoveFromDrawing(w, *dialogs); });
  w.OnCommand("mnuPrintSlips", [&w, dialogs] { PrintSlips(w, *dialogs); });
}

}  // namespace ui
