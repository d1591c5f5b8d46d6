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
  void SmtpSendDrawing() override { SmtpRunnerOf(w_).SmtpSendDrawing(); }
  void MapiSendDrawing() override { ui::MapiSendDrawing(w_); }

 private:
  MainWindow& w_;
};

}  // namespace

void WireSendCommands(MainWindow& w) {
  w.OnCommand("mnuCalculateSend", [&w] {
    // One errand at a time: an SMTP run goes on in socket events after this returns.
    if (SmtpRunnerOf(w).Active()) return;
    WindowErrand errand(w);
    roster::CalculateAndSend(w.roster(), errand);
  });
  w.OnCommand("mnuSendMessage", [&w] {
    if (w.MailSettings.UseSMTP) {
      if (!SmtpRunnerOf(w).Active()) SmtpRunnerOf(w).SmtpSendMessage();
    } else {
      ui::MapiSendMessage(w);
    }
  });
}

}  // namespace ui
