#include "mail/smtp/smtp_compose.h"
#include "roster/deliveries.h"
#include "ui/main_window.h"
#include "ui/send_dialogs.h"
#include "ui/smtp_runner.h"
#include "ui/window_run.h"

namespace ui {

SmtpRunner& SmtpRunnerOf(MainWindow& w) {
  auto* runner = w.findChild<SmtpRunner*>("smtpRunner");
  Q_ASSERT(runner);
  return *runner;
}

void WireSmtpCommands(MainWindow& w) {
  mail::SmtpContext context{
      w.MailSettings,
      w.SendValues,
      // The window's clock may be replaced after wiring, so it is looked up per message.
      [&w](const mail::Delivery& d) { return mail::WireComposer(w.MailSettings, w.clock())(d); },
      [] { return InternetConnected(); },
      {}};
  context.observer = &WindowRunOf(w);
  auto* runner =
      new SmtpRunner(std::move(context), w.qt_ui(), w.paths().data_dir / "smtp_session.log", &w);
  runner->setObjectName("smtpRunner");
  runner->SetSendMessageDialog([&w] { ShowFrmSendMessage(&w, w.SendValues); });
  runner->SetNewCommand([&w] { w.RunCommand("mnuNew"); });
  runner->SetDeliverySource([&w](bool free_form) {
    return free_form ? roster::MessageDeliveries(w.roster(), w.SendValues, true)
                     : roster::DrawingDeliveries(w.roster(), w.SendValues);
  });
}

}  // namespace ui
