#include "files/history.h"
#include "roster/calculate_send.h"
#include "ui/main_window.h"
#include "ui/send_dialogs.h"
#include "ui/smtp_runner.h"
#include "ui/wire_mapi.h"

namespace ui {

namespace {

// Calculate & Send as the window runs it: its dialog, its archive folder, its two senders.
class WindowErrand : public roster::SendErrand {
 public:
  explicit WindowErrand(MainWindow& w) : w_(w) {}
  bool ConfirmSend() override {
    w_.SendValues.SendConfirmed = false;
    return ShowFrmSend(&w_, w_.SendValues, w_.MailSettings).SendConfirmed;
  }
  void SaveDrawingHistory() override {
    files::SaveDrawingHistory(w_.roster(), w_.clock(), w_.paths().data_dir);
  }
  bool UseSMTP() const override { return w_.MailSettings.UseSMTP; }
  void SmtpSendDrawing() override {
    w_.SetRunInProgress(true);
    SmtpRunnerOf(w_).SmtpSendDrawing();
    w_.SetRunInProgress(SmtpRunnerOf(w_).Active());
  }
  void MapiSendDrawing() override {
    w_.SetRunInProgress(true);
    ui::MapiSendDrawing(w_);
    w_.SetRunInProgress(false);
  }

 private:
  MainWindow& w_;
};

}  // namespace

void WireSendCommands(MainWindow& w) {
  // An SMTP run goes on in socket events after its command returns; its end frees the window.
  QObject::connect(&SmtpRunnerOf(w), &SmtpRunner::finished, &w,
                   [&w] { w.SetRunInProgress(false); });
  w.OnCommand("mnuCalculateSend", [&w] {
    // One errand at a time: an SMTP run goes on in socket events after this returns.
    if (SmtpRunnerOf(w).Active()) return;
    WindowErrand errand(w);
    roster::CalculateAndSend(w.roster(), errand);
  });
  w.OnCommand("mnuSendMessage", [&w] {
    if (w.MailSettings.UseSMTP) {
      if (SmtpRunnerOf(w).Active()) return;
      w.SetRunInProgress(true);
      SmtpRunnerOf(w).SmtpSendMessage();
      w.SetRunInProgress(SmtpRunnerOf(w).Active());
    } else {
      w.SetRunInProgress(true);
      ui::MapiSendMessage(w);
      w.SetRunInProgress(false);
    }
  });
}

}  // namespace ui
