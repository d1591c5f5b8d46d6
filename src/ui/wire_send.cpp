#include "files/history.h"
#include "files/ledger.h"
#include "mail/event_details.h"
#include "roster/calculate_send.h"
#include "settings/file_settings_store.h"
#include "ui/drawing_options_dialog.h"
#include "ui/main_window.h"
#include "ui/send_dialogs.h"
#include "ui/smtp_runner.h"
#include "ui/window_run.h"
#include "ui/wire_mapi.h"

namespace ui {

namespace {

// Calculate & Send as the window runs it: its dialog, its archive folder, its two senders.
class WindowErrand : public roster::SendErrand {
 public:
  explicit WindowErrand(MainWindow& w) : w_(w) {}
  bool ConfirmSend() override {
    w_.SendValues.SendConfirmed = false;
    mail::FileSettingsStore store(w_.paths().config_file);
    // The roster file's own details, else the last ones typed.
    const std::filesystem::path roster_file = w_.document().Path();
    w_.SendValues.Event = mail::EventDetailsFor(roster_file, store);
    if (!ShowFrmSend(&w_, w_.SendValues, w_.MailSettings).SendConfirmed) return false;
    mail::SaveDefaultEventDetails(store, w_.SendValues.Event);
    if (!roster_file.empty() && !w_.roster().ReSendMode &&
        !mail::SaveRosterEventDetails(roster_file, w_.SendValues.Event))
      w_.qt_ui().MsgBox(QObject::tr("The event details could not be saved next to %1; they are "
                                    "kept as the default for the next exchange.")
                            .arg(QString::fromStdString(roster_file.filename().string()))
                            .toStdString(),
                        roster::mb::kExclamation, roster::kDefaultTitle);
    return true;
  }
  void SaveDrawingHistory() override {
    WindowRun& run = WindowRunOf(w_);
    if (w_.roster().ReSendMode && !run.ResendSource().empty()) {
      // The drawing's own ledger records the re-send as it goes; History gains no copy.
      run.ContinueLedgerAt(files::ResendLedger(w_.roster(), run.ResendSource()));
      return;
    }
    const auto archive = files::SaveDrawingHistory(w_.roster(), w_.clock(), w_.paths().data_dir);
    if (!archive.empty()) {
      run.KeepLedgerAt(files::LedgerPathFor(archive));
      return;
    }
    // Nothing leaves without its archive: a re-send would have nothing to work from.
    const auto folder = w_.paths().data_dir / files::kHistoryFolder;
    w_.qt_ui().MsgBox(
        QObject::tr("The drawing could not be saved in the History folder [%1], so no message "
                    "was sent. Your list is unchanged.\n\nMake sure that folder can be written "
                    "to and the disk has free space, then choose Calculate & Send again.")
            .arg(QString::fromStdString(folder.string()))
            .toStdString(),
        roster::mb::kCritical, roster::kDefaultTitle);
    for (const char* name : {"mnuCalculateView", "mnuCalculateSend", "CALCVIEW", "CALCSEND"})
      w_.roster().commands().SetEnabled(name, true);
    throw ArchiveFailed{};
  }
  struct ArchiveFailed {};
  bool UseSMTP() const override { return w_.MailSettings.UseSMTP; }
  void SmtpSendDrawing() override {
    WindowRunOf(w_).Begin(RowsToNotify(w_.roster()), /*progress=*/true, /*drawing=*/true);
    SmtpRunnerOf(w_).SmtpSendDrawing();
  }
  void MapiSendDrawing() override {
    WindowRunOf(w_).Begin(RowsToNotify(w_.roster()), /*progress=*/true, /*drawing=*/true);
    ui::MapiSendDrawing(w_);
    WindowRunOf(w_).End();
  }

 private:
  MainWindow& w_;
};

}  // namespace

void WireSendCommands(MainWindow& w) {
  WindowRun& run = WindowRunOf(w);
  run.SetStopHook([&w] { SmtpRunnerOf(w).RequestStop(); });
  // An SMTP run goes on in socket events after its command returns; its end frees the window.
  QObject::connect(&SmtpRunnerOf(w), &SmtpRunner::finished, &w, [&run] { run.End(); });
  w.OnCommand("mnuCalculateSend", [&w] {
    // One errand at a time: an SMTP run goes on in socket events after this returns.
    if (SmtpRunnerOf(w).Active()) return;
    WindowErrand errand(w);
    ApplyDrawingOptions(w);
    try {
      roster::CalculateAndSend(w.roster(), errand);
    } catch (const WindowErrand::ArchiveFailed&) {
      // Told already; the roster stays as it is for another try.
    }
  });
  w.OnCommand("mnuSendMessage", [&w] {
    std::vector<int> everyone;
    for (int row = 1; row <= w.roster().ParticipantCount(); ++row) everyone.push_back(row);
    if (w.MailSettings.UseSMTP) {
      if (SmtpRunnerOf(w).Active()) return;
      WindowRunOf(w).Begin(everyone, /*progress=*/true);
      SmtpRunnerOf(w).SmtpSendMessage();
    } else {
      WindowRunOf(w).Begin(everyone, /*progress=*/true);
      ui::MapiSendMessage(w);
      WindowRunOf(w).End();
    }
  });
}

}  // namespace ui
