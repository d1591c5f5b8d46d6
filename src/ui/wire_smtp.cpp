#include "mail/smtp/smtp_compose.h"
#include "roster/deliveries.h"
#include "settings/file_settings_store.h"
#include "settings/oauth_tokens.h"
#include "ui/main_window.h"
#include "ui/oauth_signin.h"
#include "ui/qt_secret_store.h"
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
  context.token_stale = [&w] {
    return mail::AccessTokenNeedsRenewal(w.MailSettings,
                                         std::chrono::duration_cast<std::chrono::seconds>(
                                             std::chrono::system_clock::now().time_since_epoch())
                                             .count());
  };
  auto* runner =
      new SmtpRunner(std::move(context), w.qt_ui(), w.paths().data_dir / "smtp_session.log", &w);
  runner->setObjectName("smtpRunner");
  runner->SetSendMessageDialog([&w] { ShowFrmSendMessage(&w, w.SendValues); });
  runner->SetNewCommand([&w] { w.RunCommand("mnuNew"); });
  // A token the server refuses is renewed and kept where the settings keep their secrets.
  auto store = std::make_shared<mail::FileSettingsStore>(w.paths().config_file);
  mail::SecretAccess access{SystemKeyring(), [&w](const std::string& question) {
                              return w.qt_ui().MsgBox(question,
                                                      roster::mb::kYesNo | roster::mb::kQuestion,
                                                      roster::kDefaultTitle) == roster::mb::kYes;
                            }};
  runner->SetTokenRefresher(
      [store, refresh = MakeTokenRefresher(*store, access, w.MailSettings, runner)](
          std::function<void(bool, const std::string&)> done) { refresh(std::move(done)); });
  runner->SetDeliverySource([&w](bool free_form) {
    return free_form ? roster::MessageDeliveries(w.roster(), w.SendValues, true)
                     : roster::DrawingDeliveries(w.roster(), w.SendValues);
  });
}

}  // namespace ui
